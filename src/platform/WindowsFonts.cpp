#include "WindowsFonts.h"

#include <QFontMetricsF>
#include <QHash>
#include <QStringList>

#include <array>

namespace WindowsFonts {
namespace {

struct Substitute {
    const char* windowsFamily;
    const char* freeFamily;
    QFont::Weight weight; // the weight the Windows face has when not asked for bold
    // Where the free family's own bold face lacks letters the texts use, the family whose
    // regular face is thickened instead; null where the bold face is whole.
    const char* boldFreeFamily = nullptr;
};

// Debian's bold EB Garamond 12 holds no accented letter (an "Ú" would come from another
// font); its 08 cut has no bold face, so Qt thickens the regular one, which has them all.
constexpr std::array substitutes{
    Substitute{"Times New Roman", "Liberation Serif", QFont::Normal},
    Substitute{"Arial", "Liberation Sans", QFont::Normal},
    Substitute{"Arial Black", "Lato", QFont::Black},
    Substitute{"Garamond", "EB Garamond 12", QFont::Normal, "EB Garamond 08"},
    Substitute{"MS Sans Serif", "Liberation Sans", QFont::Normal},
    Substitute{"System", "Liberation Sans", QFont::DemiBold},
};

QFont make(const QString& windowsFamily, bool bold)
{
    QFont font(windowsFamily);
    QFont::Weight weight = QFont::Normal;
    for (const Substitute& s : substitutes) {
        if (windowsFamily == QLatin1String(s.windowsFamily)) {
            QStringList families;
            if (bold && s.boldFreeFamily)
                families << QString::fromLatin1(s.boldFreeFamily);
            families << QString::fromLatin1(s.freeFamily) << windowsFamily;
            font.setFamilies(families);
            weight = s.weight;
        }
    }
    font.setWeight(bold ? qMax(weight, QFont::Bold) : weight);
    return font;
}

// The height of a face's cell (ascent plus descent) for each pixel of its em, from the
// face's own metrics.
qreal cellPerEm(const QFont& font)
{
    static QHash<QString, qreal> known;
    const QString key = font.families().join(QLatin1Char(',')) + QString::number(font.weight());
    if (const auto found = known.constFind(key); found != known.constEnd())
        return *found;
    constexpr int probeEm = 200;
    QFont probe(font);
    probe.setPixelSize(probeEm);
    const QFontMetricsF metrics(probe);
    const qreal ratio = metrics.height() > 0 ? metrics.height() / probeEm : 1.0;
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
    QFont font = make(windowsFamily, bold);
    font.setPixelSize(qMax(1, qRound(pixelHeight / cellPerEm(font))));
    return font;
}

QFont points(const QString& windowsFamily, int pointSize, bool bold)
{
    QFont font = make(windowsFamily, bold);
    font.setPointSize(pointSize);
    return font;
}

} // namespace WindowsFonts
