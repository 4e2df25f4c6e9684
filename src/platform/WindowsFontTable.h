#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QStringList>

#include <array>

// The Windows families the program's texts are set in and the free fonts that stand in
// for them: read by WindowsFonts at run time and by tools/font_cells, which measures the
// free faces at build time.
namespace WindowsFonts {

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

// A font of a Windows family, plain or bold, as the free faces give it (its size unset).
inline QFont freeFont(const QString& windowsFamily, bool bold)
{
    QFont font(windowsFamily);
    QFont::Weight weight = QFont::Normal;
    for (const Substitute& s : substitutes) {
        if (windowsFamily == QLatin1String(s.windowsFamily)) {
            QStringList families;
            if (bold && s.boldFreeFamily)
                families << QString::fromLatin1(s.boldFreeFamily);
            // DejaVu Sans last, for the signs the free faces lack (⊣, ✓, ▲): named here, so
            // that every window finds them in the same face, whatever fonts were loaded before.
            families << QString::fromLatin1(s.freeFamily) << windowsFamily << QStringLiteral("DejaVu Sans");
            font.setFamilies(families);
            weight = s.weight;
        }
    }
    font.setWeight(bold ? qMax(weight, QFont::Bold) : weight);
    return font;
}

// The height of a face's cell (ascent plus descent) for each pixel of its em, from the
// face's own metrics, as the font engine gives them at a large size.
inline qreal measureCellPerEm(const QFont& font)
{
    constexpr int probeEm = 200;
    QFont probe(font);
    probe.setPixelSize(probeEm);
    const QFontMetricsF metrics(probe);
    return metrics.height() > 0 ? metrics.height() / probeEm : 1.0;
}

// What tools/font_cells measured at build time for each family of the table, plain and
// bold (generated: WindowsFontCells.cpp in the build folder).
struct MeasuredCell {
    const char* windowsFamily;
    bool bold;
    double cellPerEm;
};
extern const std::array<MeasuredCell, substitutes.size() * 2> measuredCells;

} // namespace WindowsFonts
