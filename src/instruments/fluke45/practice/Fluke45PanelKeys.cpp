#include "instruments/fluke45/practice/Fluke45PanelKeys.h"

#include "instruments/fluke45/Fluke45PanelCatalogue.h"
#include "sim/bench/BenchKey.h"

#include <algorithm>

namespace {

// A key the explorer marks out on its own takes the place of that region: the place of
// the front panel's row that explains it (`function`).
constexpr QRect fromItsRegion{};

struct KeyPlace {
    Fluke45Key key;
    QRect rect;       // fromItsRegion, or a place of its own for a key inside a grouped region
    const char* name; // for a screen reader
    const char* objectName;
    const char* shortcut;
    const char* function;         // the caption of the front panel's row that explains it
    const char* second = nullptr; // what it does after 2ND, for a key that has a second function
};

// The keys' columns and rows as the picture draws them (40 × 24 each).
constexpr int columnX[] = {230, 282, 334, 386, 440, 493, 561, 613, 670};
constexpr int rowY[] = {168, 222};
constexpr QRect key(int column, int row)
{
    return {columnX[column], rowY[row], 40, 24};
}

// In reading order, which is the order Tab takes: the top row from the left, then the bottom
// row, then POWER below.
const KeyPlace places[] = {
    {Fluke45Key::VoltsDc, key(0, 0), "V continua", "TeclaVoltiosContinua", "V", "Botones de función"},
    {Fluke45Key::AmpsDc, key(1, 0), "A continua", "TeclaAmperiosContinua", "A", "Botones de función"},
    {Fluke45Key::Ohms, key(2, 0), "Ohmios", "TeclaOhmios", "O", "Botones de función"},
    {Fluke45Key::DiodeContinuity, key(3, 0), "Diodos y continuidad", "TeclaDiodos", "D", "Botones de función"},
    {Fluke45Key::Relative, key(6, 0), "REL", "TeclaRel", "R", "Modificadores",
     "Con 2ND, REF #: edita el valor de referencia de REL."},
    {Fluke45Key::Decibels, key(7, 0), "dB", "TeclaDb", "B", "Modificadores",
     "Con 2ND, REF Ω: elige la impedancia de referencia de los dB."},
    {Fluke45Key::Second, fromItsRegion, "2ND", "Tecla2nd", "2", "Tecla Shift"},
    {Fluke45Key::VoltsAc, key(0, 1), "V alterna", "TeclaVoltiosAlterna", "Shift+V", "Botones de función"},
    {Fluke45Key::AmpsAc, key(1, 1), "A alterna", "TeclaAmperiosAlterna", "Shift+A", "Botones de función"},
    {Fluke45Key::Frequency, key(2, 1), "FREQ", "TeclaFreq", "F", "Botones de función"},
    {Fluke45Key::Auto, key(3, 1), "AUTO", "TeclaAuto", "U", "Botones de rango",
     "Con 2ND, COMP: activa la comparación con los límites HI y LO."},
    {Fluke45Key::Up, key(4, 1), "Rango arriba", "TeclaRangoArriba", "PgUp", "Botones de rango",
     "Con 2ND, HI: edita el límite superior de la comparación."},
    {Fluke45Key::Down, key(5, 1), "Rango abajo", "TeclaRangoAbajo", "PgDown", "Botones de rango",
     "Con 2ND, LO: edita el límite inferior de la comparación."},
    {Fluke45Key::Hold, key(6, 1), "HOLD", "TeclaHold", "H", "Modificadores",
     "Con 2ND, THRESH: elige el umbral de estabilidad de HOLD."},
    {Fluke45Key::MinMax, key(7, 1), "MN MX", "TeclaMinMax", "M", "Modificadores",
     "Con 2ND, ADDR: la dirección de comunicaciones, que este multímetro no usa."},
    {Fluke45Key::Rate, fromItsRegion, "RATE", "TeclaRate", "T", "Frecuencia de medida"},
    {Fluke45Key::Power, fromItsRegion, "POWER", "TeclaPower", "P", "Encendido/Apagado"},
};

// The catalogue's row with this caption; null for none.
const ControlRow* rowCaptioned(const char* caption)
{
    const ControlCatalogue& catalogue = fluke45PanelCatalogue();
    const auto row = std::find_if(catalogue.begin(), catalogue.end(),
                                  [&](const ControlRow& r) { return r.caption == QString::fromUtf8(caption); });
    return row == catalogue.end() ? nullptr : &*row;
}

QString describedBy(const char* caption)
{
    const ControlRow* row = rowCaptioned(caption);
    return row ? row->description.join(QLatin1Char(' ')).simplified() : QString();
}

// Where the key is: its own place, or its region's, which the explorer's map takes as
// [left, right) × [top, bottom).
QRect placeOf(const KeyPlace& place)
{
    if (place.rect != fromItsRegion)
        return place.rect;
    const ControlRow* row = rowCaptioned(place.function);
    return row ? QRect(row->left, row->top, row->right - row->left, row->bottom - row->top) : QRect();
}

} // namespace

const std::vector<PanelKey>& fluke45PanelKeys()
{
    static const std::vector<PanelKey> keys = [] {
        std::vector<PanelKey> list;
        for (const KeyPlace& place : places)
            list.push_back({BenchKey::meter(place.key), placeOf(place), QString::fromUtf8(place.name),
                            QString::fromLatin1(place.objectName), QKeySequence(QString::fromLatin1(place.shortcut)),
                            describedBy(place.function), place.second ? QString::fromUtf8(place.second) : QString()});
        return list;
    }();
    return keys;
}
