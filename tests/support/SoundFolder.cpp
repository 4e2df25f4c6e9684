#include "SoundFolder.h"

#include "platform/SoundPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

SoundFolder::SoundFolder(const QString& faultyFile, Fault fault)
{
    const QDir source(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("SOND")));
    m_ready = m_dir.isValid() && QDir(m_dir.path()).mkdir(QStringLiteral("SOND"));
    const QDir target(QDir(m_dir.path()).filePath(QStringLiteral("SOND")));
    for (const QString& name : source.entryList(QDir::Files)) {
        if (name == faultyFile)
            continue;
        m_ready = QFile::copy(source.filePath(name), target.filePath(name)) && m_ready;
    }
    if (!faultyFile.isEmpty() && fault == Broken) {
        QFile broken(target.filePath(faultyFile));
        m_ready = broken.open(QIODevice::WriteOnly) && broken.write("RIFF....WAVEesto no es un sonido") > 0 && m_ready;
    }
}

void SoundFolder::use() const
{
    SoundPaths::overrideSearchFolders({m_dir.path()});
}

void SoundFolder::useProgramFolder()
{
    SoundPaths::overrideSearchFolders({});
}
