#include "WindowsFonts.h"

#include "WindowsFontTable.h"

#include <QHash>
#include <QStringList>

namespace WindowsFonts {
namespace {

// The cell per em of a family, plain or bold: from the table measured at build time, so
// that no font engine is made at start-up for it; a family the table lacks is measured
// here, once.
qreal cellPerEm(const QString& windowsFamily, bool bold, const QFont& font)
{
    for (const MeasuredCell& cell : measuredCells)
        if (cell.bold == bold && windowsFamily == QLatin1String(cell.windowsFamily))
            return cell.cellPerEm;
    static QHash<QString, qreal> known;
    const QString key = font.families().join(QLatin1Char(',')) + QString::number(font.weight());
    if (const auto found = known.constFind(key); found != known.constEnd())
        return *found;
    const qreal ratio = measureCellPerEm(font);
    known.insert(key, ratio);
    return ratio;
}

} // namespace

QStringList windowsFamilies()
{
    QStringList names;
    for (const Substitute& s : substitutes)
        names << QString::fromLatin1(s.windowsFamily);
    return names;
}

void install()
{
    for (const Substitute& s : substitutes)
        QFont::insertSubstitution(QString::fromLatin1(s.windowsFamily), QString::fromLatin1(s.freeFamily));
}

QFont pixels(const QString& windowsFamily, int pixelHeight, bool bold)
{
    QFont font = freeFont(windowsFamily, bold);
    font.setPixelSize(qMax(1, qRound(pixelHeight / cellPerEm(windowsFamily, bold, font))));
    return font;
}

QFont points(const QString& windowsFamily, int pointSize, bool bold)
{
    QFont font = freeFont(windowsFamily, bold);
    font.setPointSize(pointSize);
    return font;
}

} // namespace WindowsFonts
