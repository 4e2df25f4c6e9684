#include "sim/fg110/Fg110NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace {

const DisplayUnit& unitFor(double magnitude, const NumberFormat& format)
{
    if (format.fixedDecimals >= 0)
        return format.units.front();
    for (const auto& unit : format.units)
        if (magnitude >= unit.factor * (1 - 1e-12))
            return unit;
    return format.units.back();
}

ShownNumber showOnce(double value, const NumberFormat& format)
{
    const DisplayUnit& unit = unitFor(std::abs(value), format);
    const double inUnit = value / unit.factor;
    int decimals = format.fixedDecimals;
    if (decimals < 0) {
        const int magnitude = inUnit == 0 ? 0 : int(std::floor(std::log10(std::abs(inUnit)) + 1e-9));
        decimals = std::clamp(format.significant - 1 - magnitude, 0, unit.maxDecimals);
    }
    ShownNumber shown;
    shown.text = QString::number(inUnit, 'f', decimals);
    if (shown.text.startsWith(QLatin1Char('-')) && shown.text.toDouble() == 0)
        shown.text.remove(0, 1);
    shown.unit = unit.label;
    shown.value = shown.text.toDouble() * unit.factor;

    int point = int(shown.text.indexOf(QLatin1Char('.')));
    if (point < 0)
        point = int(shown.text.size());
    shown.weights.assign(std::size_t(shown.text.size()), 0.0);
    for (int i = 0; i < int(shown.text.size()); ++i) {
        if (!shown.text[i].isDigit())
            continue;
        const int exponent = i < point ? point - i - 1 : point - i;
        shown.weights[std::size_t(i)] = std::pow(10.0, exponent) * unit.factor;
    }
    return shown;
}

} // namespace

ShownNumber showNumber(double value, const NumberFormat& format)
{
    const ShownNumber first = showOnce(value, format);
    // Rounding may carry into a larger unit (999.95 Hz reads 1.000 kHz).
    return first.value == value ? first : showOnce(first.value, format);
}

int digitIndexOfWeight(const ShownNumber& shown, double weight)
{
    for (std::size_t i = 0; i < shown.weights.size(); ++i)
        if (shown.weights[i] > 0 && std::abs(shown.weights[i] / weight - 1) < 1e-6)
            return int(i);
    return -1;
}
