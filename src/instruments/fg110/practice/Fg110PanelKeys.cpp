#include "instruments/fg110/practice/Fg110PanelKeys.h"

#include "instruments/fg110/Fg110Catalogues.h"
#include "sim/fg110/Fg110Key.h"

#include <algorithm>

namespace {

// A key the explorer marks out on its own takes the place of that region: the place of
// the front panel's row that explains it (`function`).
constexpr QRect fromItsRegion{};

struct KeyPlace {
    Fg110Key key;
    QRect rect;       // fromItsRegion, or a place of its own for a key inside a grouped region (the keypad)
    const char* name; // for a screen reader
    const char* objectName;
    const char* shortcut;
    // The rows of the front panel's catalogues that explain the key, by caption: what
    // it does, and what it does with SHIFT lit (none where it keeps its own function).
    const char* function;
    const char* shiftedFunction = nullptr;
};

// The keypad's columns and rows, and the unit keys' column, as the picture draws them.
constexpr int padX[] = {341, 381, 421};
constexpr int padY[] = {108, 136, 168, 200};
constexpr int padW = 30;
constexpr int padH = 20;
constexpr int unitX = 460;
constexpr int unitW = 32;

constexpr QRect pad(int column, int row)
{
    return {padX[column], padY[row], padW, padH};
}
constexpr QRect unit(int row)
{
    return {unitX, padY[row], unitW, padH};
}

// In reading order, which is the order Tab takes: row by row from the top, each from the
// left; the knob, beside three rows, last.
const KeyPlace places[] = {
    {Fg110Key::LocalManualTrigger, fromItsRegion, "LOCAL (MAN TRIG)", "TeclaLocal", "", "Activación local/manual",
     "Comunicaciones GP-IB"},
    {Fg110Key::Range, fromItsRegion, "RANGE", "TeclaRange", "", "Rango de salida", "Factor de escala"},
    {Fg110Key::Mode, fromItsRegion, "MODE", "TeclaMode", "", "Selección de modo"},
    {Fg110Key::Frequency, fromItsRegion, "FREQ", "TeclaFreq", "", "Establecer frecuencia", "Establecer período"},
    {Fg110Key::Amplitude, fromItsRegion, "AMPL", "TeclaAmpl", "", "Establecer amplitud",
     "Establecer voltaje de alto nivel"},
    {Fg110Key::Digit7, pad(0, 0), "7", "Tecla7", "7", "Teclado numérico"},
    {Fg110Key::Digit8, pad(1, 0), "8", "Tecla8", "8", "Teclado numérico"},
    {Fg110Key::Digit9, pad(2, 0), "9", "Tecla9", "9", "Teclado numérico"},
    {Fg110Key::UnitMHz, unit(0), "MHz, V, sec", "TeclaMHz", "", "Selección de unidades"},
    {Fg110Key::CursorLeft, {510, 108, 29, 19}, "Cursor a la izquierda", "TeclaCursorIzquierda", "", "Cursores"},
    {Fg110Key::CursorRight, {544, 108, 29, 19}, "Cursor a la derecha", "TeclaCursorDerecha", "", "Cursores"},
    {Fg110Key::Shift, fromItsRegion, "SHIFT", "TeclaShift", "", "Cambio de funciones"},
    {Fg110Key::Recall, fromItsRegion, "RECALL", "TeclaRecall", "", "Restauración de opciones",
     "Almacenaje de opciones"},
    {Fg110Key::Function, fromItsRegion, "FUNC", "TeclaFunc", "", "Forma de función de salida", "Inversión de onda"},
    {Fg110Key::Phase, fromItsRegion, "PHASE", "TeclaPhase", "", "Fijación de fase", "Relación Pulso/Período"},
    {Fg110Key::Offset, fromItsRegion, "OFFSET", "TeclaOffset", "", "Fijación desplazamiento voltaje",
     "Establecer voltaje de bajo nivel"},
    {Fg110Key::Digit4, pad(0, 1), "4", "Tecla4", "4", "Teclado numérico", "Fijación de impulsos"},
    {Fg110Key::Digit5, pad(1, 1), "5", "Tecla5", "5", "Teclado numérico", "Selección flanco positivo/negativo"},
    {Fg110Key::Digit6, pad(2, 1), "6", "Tecla6", "6", "Teclado numérico"},
    {Fg110Key::UnitKHz, unit(1), "kHz, mV, msec", "TeclaKHz", "", "Selección de unidades"},
    {Fg110Key::Digit1, pad(0, 2), "1", "Tecla1", "1", "Teclado numérico", "Fijación de nivel TTL"},
    {Fg110Key::Digit2, pad(1, 2), "2", "Tecla2", "2", "Teclado numérico"},
    {Fg110Key::Digit3, pad(2, 2), "3", "Tecla3", "3", "Teclado numérico"},
    {Fg110Key::UnitHz, unit(2), "Hz, deg, Vrms", "TeclaHz", "", "Selección de unidades"},
    {Fg110Key::Power, fromItsRegion, "POWER", "TeclaPower", "", "Encendido/Apagado"},
    {Fg110Key::Channel1, fromItsRegion, "CH1", "TeclaCh1", "", "Salida de señal"},
    {Fg110Key::Digit0, pad(0, 3), "0", "Tecla0", "0", "Teclado numérico", "Inicialización"},
    {Fg110Key::Point, pad(1, 3), "Punto decimal", "TeclaPunto", ".", "Teclado numérico", "Utilidades"},
    {Fg110Key::Sign, pad(2, 3), "+/-", "TeclaSigno", "", "Teclado numérico"},
    {Fg110Key::UnitMilliHz, unit(3), "mHz, %", "TeclaMiliHz", "", "Selección de unidades"},
    {Fg110Key::KnobDown, {512, 151, 31, 62}, "Rueda, un paso abajo", "RuedaAbajo", "", "Rueda de ajuste"},
    {Fg110Key::KnobUp, {543, 151, 31, 62}, "Rueda, un paso arriba", "RuedaArriba", "", "Rueda de ajuste"},
};

// The catalogue's row with this caption; null for none.
const ControlRow* rowCaptioned(const ControlCatalogue& catalogue, const char* caption)
{
    if (!caption)
        return nullptr;
    const auto row = std::find_if(catalogue.begin(), catalogue.end(),
                                  [&](const ControlRow& r) { return r.caption == QString::fromUtf8(caption); });
    return row == catalogue.end() ? nullptr : &*row;
}

// The description of the catalogue's row with this caption; empty for none.
QString describedBy(const ControlCatalogue& catalogue, const char* caption)
{
    const ControlRow* row = rowCaptioned(catalogue, caption);
    return row ? row->description.join(QLatin1Char(' ')) : QString();
}

// Where the key is: its own place, or its region's, which the explorer's map takes as
// [left, right) × [top, bottom).
QRect placeOf(const KeyPlace& place)
{
    if (place.rect != fromItsRegion)
        return place.rect;
    const ControlRow* row = rowCaptioned(fg110NormalCatalogue(), place.function);
    return row ? QRect(row->left, row->top, row->right - row->left, row->bottom - row->top) : QRect();
}

} // namespace

const std::vector<PanelKey>& fg110PanelKeys()
{
    static const std::vector<PanelKey> keys = [] {
        std::vector<PanelKey> list;
        for (const KeyPlace& place : places)
            list.push_back({int(place.key), placeOf(place), QString::fromUtf8(place.name),
                            QString::fromLatin1(place.objectName), QKeySequence(QString::fromLatin1(place.shortcut)),
                            describedBy(fg110NormalCatalogue(), place.function),
                            describedBy(fg110ShiftCatalogue(), place.shiftedFunction)});
        return list;
    }();
    return keys;
}
