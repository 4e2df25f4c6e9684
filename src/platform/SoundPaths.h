#pragma once

#include <QString>
#include <QStringList>

// Sound cues are named the way the program has always named them, "SOND\NAME.WAV",
// relative to the program. They are looked for beside the program first (the build tree,
// a copied folder), then in the installed data folder ../share/trivane relative to the
// program, then in the working folder.
namespace SoundPaths {

// The folders searched, in order.
QStringList searchFolders();

// The file that a relative cue name stands for: the first folder that holds it, or,
// when none does, the name in the first folder (so that the failure names a real path).
QString resolve(const QString& relativeName);

// Replaces the folders searched; an empty list restores the normal ones. For tests that
// need a cue to be missing or broken.
void overrideSearchFolders(const QStringList& folders);

} // namespace SoundPaths
