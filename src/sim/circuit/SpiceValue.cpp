#include "sim/circuit/SpiceValue.h"

#include <QByteArray>
#include <QString>

#include <charconv>
#include <cmath>

std::optional<double> parseSpiceValue(QStringView text)
{
    const QByteArray bytes = text.toString().toUtf8();
    const char* begin = bytes.constData();
    const char* end = begin + bytes.size();
    // from_chars takes "inf" and "nan" and no leading '+': a value starts with a sign, a
    // digit or a point.
    const char* numberStart = begin;
    if (numberStart != end && *numberStart == '+')
        ++numberStart;
    if (numberStart == end
        || !(std::isdigit(static_cast<unsigned char>(*numberStart)) || *numberStart == '.'
             || (*numberStart == '-' && numberStart == begin)))
        return std::nullopt;
    double number = 0.0;
    const auto [rest, error] = std::from_chars(numberStart, end, number, std::chars_format::general);
    if (error != std::errc())
        return std::nullopt;
    const QString suffix = QString::fromUtf8(rest, int(end - rest)).toLower();
    struct Scale {
        const char* suffix;
        double factor;
    };
    static const Scale scales[] = {{"", 1.0},   {"f", 1e-15}, {"p", 1e-12}, {"n", 1e-9}, {"u", 1e-6}, {"µ", 1e-6},
                                   {"m", 1e-3}, {"k", 1e3},   {"meg", 1e6}, {"g", 1e9},  {"t", 1e12}};
    for (const Scale& scale : scales)
        if (suffix == QString::fromUtf8(scale.suffix)) {
            const double value = number * scale.factor;
            return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
        }
    return std::nullopt;
}
