#pragma once

#include <QString>
#include <QStringList>

// The bench circuits' folder, "circuits", is looked for as the sound cues' folder is: beside
// the program first (the build tree, a copied folder), then in the installed data folder
// ../share/trivane relative to the program, then in the working folder.
namespace CircuitPaths {

// The folders searched for "circuits", in order.
QStringList searchFolders();

// The first "circuits" folder found, or an empty string when there is none.
QString circuitsFolder();

// Replaces the folders searched; an empty list restores the normal ones. For tests.
void overrideSearchFolders(const QStringList& folders);

} // namespace CircuitPaths
