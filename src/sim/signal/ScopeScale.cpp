#include "sim/signal/ScopeScale.h"

#include <QChar>
#include <array>
#include <cmath>

namespace {

// How much of the 4 divisions above and below the centre line the signal may fill, so
// that its peaks never sit on the screen's edge.
constexpr double UsableHalfHeight = 3.5;
// A burst leaves at least this many divisions of resting level on the screen's right.
constexpr double DivisionsAfterBurst = 1;
constexpr double PeriodsShown = 2;

const ScopeScale Default{};

// The smallest value of the 1-2-5 sequence (…, 0.1, 0.2, 0.5, 1, 2, 5, 10, …) that is
// at least `value`.
double stepAtLeast(double value)
{
    constexpr std::array<double, 3> Mantissas{1, 2, 5};
    double decade = std::pow(10.0, std::floor(std::log10(value)));
    for (int d = 0; d < 2; ++d, decade *= 10)
        for (double m : Mantissas)
            if (m * decade >= value * (1 - 1e-9))
                return m * decade;
    return 10 * decade;
}

struct Unit {
    double size;
    const char16_t* symbol;
};

// A value in the largest unit that reads 0.1 or more ("0.2 ms", not "200 µs"), with
// one decimal below 1 and none above, as the 1-2-5 values need.
QString withUnit(double value, const std::initializer_list<Unit>& units)
{
    const Unit* chosen = units.end() - 1;
    for (const Unit& unit : units) {
        if (value / unit.size >= 0.1 * (1 - 1e-9)) {
            chosen = &unit;
            break;
        }
    }
    const double number = value / chosen->size;
    const QString digits = number < 1 - 1e-9 ? QString::number(number, 'f', 1) : QString::number(std::llround(number));
    return digits + QChar(u' ') + QString::fromUtf16(chosen->symbol);
}

} // namespace

ScopeScale chooseScale(const ScopeSignal& signal)
{
    if (signal.output != ScopeSignal::Output::Live)
        return Default;

    ScopeScale scale;
    const double excursion = std::max(std::abs(signal.lowest), std::abs(signal.highest));
    if (excursion > 0)
        scale.voltsPerDivision = stepAtLeast(excursion / UsableHalfHeight);

    if (signal.period <= 0)
        return scale;
    if (signal.cycles > 0) {
        const double divisionsForBurst = ScopeDivisionsAcross - 1 - DivisionsAfterBurst;
        scale.secondsPerDivision = stepAtLeast(signal.cycles * signal.period / divisionsForBurst);
        scale.leftEdgeSeconds = -scale.secondsPerDivision;
    } else {
        scale.secondsPerDivision = stepAtLeast(PeriodsShown * signal.period / ScopeDivisionsAcross);
    }
    return scale;
}

QString timebaseLabel(double secondsPerDivision)
{
    return withUnit(secondsPerDivision, {{1, u"s"}, {1e-3, u"ms"}, {1e-6, u"\u00b5s"}, {1e-9, u"ns"}})
           + QStringLiteral("/div");
}

QString verticalLabel(double voltsPerDivision)
{
    return withUnit(voltsPerDivision, {{1, u"V"}, {1e-3, u"mV"}, {1e-6, u"\u00b5V"}}) + QStringLiteral("/div");
}

QString spokenScale(const ScopeScale& scale)
{
    const QString perDivision = QStringLiteral("/div");
    const QString spoken = QStringLiteral(" por divisi\u00f3n");
    return timebaseLabel(scale.secondsPerDivision).replace(perDivision, spoken) + QStringLiteral(", ")
           + verticalLabel(scale.voltsPerDivision).replace(perDivision, spoken);
}
