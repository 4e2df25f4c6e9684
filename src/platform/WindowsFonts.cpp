#include "WindowsFonts.h"

#include <QStringList>

#include <array>

namespace WindowsFonts {
namespace {

struct Substitute {
    const char* windowsFamily;
    const char* freeFamily;
    QFont::Weight weight; // the weight the Windows face has when not asked for bold
};

constexpr std::array substitutes{
    Substitute{"Times New Roman", "Liberation Serif", QFont::Normal},
    Substitute{"Arial", "Liberation Sans", QFont::Normal},
    Substitute{"Arial Black", "Lato", QFont::Black},
    Substitute{"Garamond", "EB Garamond 12", QFont::Normal},
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
            families << QString::fromLatin1(s.freeFamily) << windowsFamily;
            font.setFamilies(families);
            weight = s.weight;
        }
    }
    font.setWeight(bold ? qMax(weight, QFont::Bold) : weight);
    return font;
}

} // namespace

void install()
{
    for (const Substitute& s : substitutes)
        QFont::insertSubstitution(QString::fromLatin1(s.windowsFamily), QString::fromLatin1(s.freeFamily));
}

QFont pixels(const QString& windowsFamily, int pixelHeight, bool bold)
{
    QFont font = make(windowsFamily, bold);
    font.setPixelSize(pixelHeight);
    return font;
}

QFont points(const QString& windowsFamily, int pointSize, bool bold)
{
    QFont font = make(windowsFamily, bold);
    font.setPointSize(pointSize);
    return font;
}

} // namespace WindowsFonts
