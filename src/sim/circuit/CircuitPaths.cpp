#include "sim/circuit/CircuitPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace CircuitPaths {
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
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder, QDir::cleanPath(programFolder + QStringLiteral("/../share/trivane")), QDir::currentPath()};
}

QString circuitsFolder()
{
    for (const QString& folder : searchFolders()) {
        const QString candidate = QDir(folder).filePath(QStringLiteral("circuits"));
        if (QFileInfo(candidate).isDir())
            return QDir::cleanPath(candidate);
    }
    return {};
}

void overrideSearchFolders(const QStringList& folders)
{
    overriddenFolders() = folders;
}

} // namespace CircuitPaths
