#include "ReportFile.h"

#include "ProgressTexts.h"

#include <QSaveFile>

QString writeReportFile(const QString& path, const QByteArray& contents)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return progressTexts().cannotCreate;
    if (file.write(contents) != contents.size() || !file.commit())
        return progressTexts().cannotWrite;
    return {};
}
