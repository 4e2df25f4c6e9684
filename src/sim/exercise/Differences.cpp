#include "sim/exercise/Differences.h"

#include <cmath>

void Differences::compare(const QString& what, const QString& found, const QString& asked)
{
    require(found == asked, what, found, asked);
}

void Differences::require(bool holds, const QString& what, const QString& found, const QString& asked)
{
    if (!holds)
        m_lines << QStringLiteral("%1: %2 (se pide %3)").arg(what, found, asked);
}

QString engineeringQuantity(double value, const QString& unit)
{
    struct Prefix {
        double factor;
        const char* symbol;
    };
    static const Prefix prefixes[] = {{1e6, "M"}, {1e3, "k"}, {1, ""}, {1e-3, "m"}, {1e-6, "µ"}};
    const double magnitude = std::abs(value);
    const Prefix* chosen = &prefixes[2];
    if (magnitude > 0) {
        chosen = &prefixes[std::size(prefixes) - 1];
        for (const auto& prefix : prefixes)
            if (magnitude >= prefix.factor * (1 - 1e-9)) {
                chosen = &prefix;
                break;
            }
    }
    const QString number = QString::number(value / chosen->factor, 'g', 6);
    return number + QLatin1Char(' ') + QString::fromUtf8(chosen->symbol) + unit;
}
