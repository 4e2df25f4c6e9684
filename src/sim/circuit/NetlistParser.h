#pragma once

#include "sim/circuit/Circuit.h"

#include <QString>

// Reads a bench circuit file: a small part of SPICE's netlist language and a header of
// "*#" comment lines (DESIGN.md, "Circuit files", describes both for a teacher).
struct NetlistParse {
    bool ok = false;
    Circuit circuit;
    int errorLine = 0; // 1 for the first line; 0 when the fault is the whole file's
    QString error;     // in Spanish, without the file and line: "falta el valor de «R1»."
};

namespace NetlistParser {

// The most elements and nodes a circuit may have: a bench circuit has a handful, and the
// cap keeps a runaway file from making a system too large to solve at every frame.
constexpr int maximumElements = 200;

NetlistParse parse(const QString& text);

} // namespace NetlistParser
