#include "sim/signal/ScopeDescription.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

namespace Words {
const QString off = QStringLiteral("Apagado");
const QString noSignal = QStringLiteral("Sin señal: una línea plana en 0 V");
const QString steady = QStringLiteral("Nivel constante de %1");
const QString wave = QStringLiteral("%1 de %2, %3p-p, desplazamiento %4");
const QString duty = QStringLiteral(", en nivel alto el %1 % de cada periodo");
const QString burst = QStringLiteral("Ráfaga de %1 de %2; antes y después, nivel constante de %3");
const QString oneCycle = QStringLiteral("un ciclo");
const QString cycles = QStringLiteral("%1 ciclos");
const QString inverted = QStringLiteral(" invertida");
const QString seesOne = QStringLiteral("se ve %1");
const QString seesMany = QStringLiteral("se ven %1");
const QString almost = QStringLiteral("casi %1");
const QString littleOver = QStringLiteral("algo más de %1");
const QString onePeriod = QStringLiteral("un periodo");
const QString periods = QStringLiteral("%1 periodos");
const QString andAHalf = QStringLiteral(" y medio");
const std::array<QString, 21> numbers{
    QStringLiteral("cero"),      QStringLiteral("un"),         QStringLiteral("dos"),
    QStringLiteral("tres"),      QStringLiteral("cuatro"),     QStringLiteral("cinco"),
    QStringLiteral("seis"),      QStringLiteral("siete"),      QStringLiteral("ocho"),
    QStringLiteral("nueve"),     QStringLiteral("diez"),       QStringLiteral("once"),
    QStringLiteral("doce"),      QStringLiteral("trece"),      QStringLiteral("catorce"),
    QStringLiteral("quince"),    QStringLiteral("dieciséis"),  QStringLiteral("diecisiete"),
    QStringLiteral("dieciocho"), QStringLiteral("diecinueve"), QStringLiteral("veinte"),
};

QString shapeName(ScopeSignal::Shape shape)
{
    switch (shape) {
    case ScopeSignal::Shape::Sine:
        return QStringLiteral("Onda senoidal");
    case ScopeSignal::Shape::Square:
        return QStringLiteral("Onda cuadrada");
    case ScopeSignal::Shape::Ramp:
        return QStringLiteral("Onda rampa");
    case ScopeSignal::Shape::Triangle:
        return QStringLiteral("Onda triangular");
    case ScopeSignal::Shape::Pulse:
        return QStringLiteral("Onda de pulsos");
    case ScopeSignal::Shape::Unnamed:
        break;
    }
    return QStringLiteral("Señal periódica");
}
} // namespace Words

struct Unit {
    double size;
    const char* symbol;
};

// A value with at most `digits` significant digits, trailing zeros dropped, in the unit
// that puts it between 1 and 1000 ("5 kHz", "1.25 V", "500 mV", "0 V").
QString quantity(double value, int digits, std::initializer_list<Unit> units)
{
    const Unit* chosen = units.end() - 1;
    if (std::abs(value) < 1e-12) // zero reads in the base unit: "0 V"
        return QStringLiteral("0 ") + QString::fromUtf8(std::find_if(units.begin(), units.end(), [](const Unit& u) {
                                                            return u.size == 1;
                                                        })->symbol);
    // Rounded first, so that 999.96 Hz reads "1 kHz", not "1000 Hz".
    const double place = std::pow(10.0, std::floor(std::log10(std::abs(value))) - digits + 1);
    value = std::round(value / place) * place;
    for (const Unit& unit : units)
        if (std::abs(value) / unit.size >= 1 - 1e-9) {
            chosen = &unit;
            break;
        }
    const double number = value / chosen->size;
    const int integerDigits = std::max(1, int(std::floor(std::log10(std::abs(number)))) + 1);
    QString text = QString::number(number, 'f', std::max(0, digits - integerDigits));
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text + QLatin1Char(' ') + QString::fromUtf8(chosen->symbol);
}

QString frequency(double hertz)
{
    return quantity(hertz, 4, {{1e6, "MHz"}, {1e3, "kHz"}, {1, "Hz"}, {1e-3, "mHz"}});
}

QString volts(double value)
{
    return quantity(value, 3, {{1, "V"}, {1e-3, "mV"}, {1e-6, "µV"}});
}

QString counted(int n, const QString& one, const QString& many)
{
    if (n == 1)
        return one;
    return many.arg(n < int(Words::numbers.size()) ? Words::numbers[std::size_t(n)] : QString::number(n));
}

// "se ven dos periodos y medio", "se ve un periodo", to the nearest half period; "casi" or
// "algo más de" before them where the screen does not end on a half period.
QString periodsSeen(double periods)
{
    const int halves = int(std::lround(periods * 2));
    const int whole = std::max(halves / 2, 1);
    QString words = counted(whole, Words::onePeriod, Words::periods);
    if (halves % 2 == 1)
        words += Words::andAHalf;
    const double shown = halves / 2.0;
    if (std::abs(periods - shown) >= 0.01)
        words = (periods < shown ? Words::almost : Words::littleOver).arg(words);
    return (whole == 1 && halves % 2 == 0 ? Words::seesOne : Words::seesMany).arg(words);
}

QString waveWords(const ScopeSignal& signal)
{
    QString shape = Words::shapeName(signal.shape);
    if (signal.inverted)
        shape += Words::inverted;
    QString words = Words::wave.arg(shape, frequency(1 / signal.period), volts(signal.highest - signal.lowest),
                                    volts((signal.highest + signal.lowest) / 2));
    if (signal.shape == ScopeSignal::Shape::Pulse)
        words += Words::duty.arg(QString::number(signal.duty, 'g', 3));
    return words;
}

} // namespace

QString describeScreen(const ScopeSignal& signal, const ScopeScale& scale)
{
    switch (signal.output) {
    case ScopeSignal::Output::None:
        return Words::off;
    case ScopeSignal::Output::Zero:
        return Words::noSignal + QStringLiteral("; ") + spokenScale(scale);
    case ScopeSignal::Output::Live:
        break;
    }
    if (signal.period <= 0 || signal.highest <= signal.lowest)
        return Words::steady.arg(volts(signal.highest)) + QStringLiteral("; ") + spokenScale(scale);
    if (signal.cycles > 0) {
        const QString wave = waveWords(signal);
        const QString cycles = counted(signal.cycles, Words::oneCycle, Words::cycles);
        const QString rest = volts(signal.volts ? signal.volts(-signal.period) : 0);
        return Words::burst.arg(cycles, wave.left(1).toLower() + wave.mid(1), rest) + QStringLiteral("; ")
               + spokenScale(scale);
    }
    const double periods = ScopeDivisionsAcross * scale.secondsPerDivision / signal.period;
    return waveWords(signal) + QStringLiteral("; ") + spokenScale(scale) + QStringLiteral("; ") + periodsSeen(periods);
}
