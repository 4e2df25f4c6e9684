#pragma once

#include <QStringView>

#include <optional>

// A value written as circuit files write them: a number (decimal point, optional exponent)
// and an optional scale suffix, in any case: f p n u (or µ) m k meg g t. "4.7k" is 4700,
// "100n" 1e-7, "2.2MEG" 2.2e6, "1e3" 1000. Nothing may follow the suffix ("10uF" is refused,
// so that a farad's F is never read as femto). The number is read the same in every locale.
// Empty when the text is not such a value or its value is not finite.
std::optional<double> parseSpiceValue(QStringView text);
