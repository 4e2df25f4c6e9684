#pragma once

#include <QString>

#include <vector>

// How the FG110's display writes a number: in the largest unit the value reaches, with so
// many significant digits (never more decimals than the unit allows), or with a fixed
// number of decimals.
struct DisplayUnit {
    QString label;     // "kHz"; empty for a bare number
    double factor = 1; // base units (Hz, V, s) in one of these
    int maxDecimals = 3;
};

struct NumberFormat {
    std::vector<DisplayUnit> units; // largest first
    int significant = 4;
    int fixedDecimals = -1; // when 0 or more, always this many decimals in the first unit
};

// A number as the display writes it.
struct ShownNumber {
    QString text;     // "1.000", "-0.50"
    QString unit;     // "kHz"
    double value = 0; // what the text reads, in base units
    std::vector<double>
        weights; // per character of text: what one step of that digit is worth, base units; 0 for a sign or point
};

ShownNumber showNumber(double value, const NumberFormat& format);

// The index in `shown.text` of the digit worth `weight`, or -1.
int digitIndexOfWeight(const ShownNumber& shown, double weight);
