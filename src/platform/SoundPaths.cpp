#include "SoundPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace SoundPaths {
namespace {
QStringList& overriddenFolders()
{
    static QStringList folders;
    return folders;
}
} // namespace

QStringList searchFolders()
{
    if (!overriddenFolders().isEmpty())
        return overriddenFolders();
    // Installed, the cues are in <prefix>/share/trivane/SOND and the program in <prefix>/bin:
    // found from the program's own place, the installed tree can be moved whole.
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder, QDir::cleanPath(programFolder + QStringLiteral("/../share/trivane")), QDir::currentPath()};
}

QString resolve(const QString& relativeName)
{
    QString portable = relativeName;
    portable.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList folders = searchFolders();
    for (const QString& folder : folders) {
        const QString candidate = QDir(folder).filePath(portable);
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    }
    return QDir::cleanPath(QDir(folders.value(0)).filePath(portable));
}

void overrideSearchFolders(const QStringList& folders)
{
    overriddenFolders() = folders;
}

} // namespace SoundPaths
