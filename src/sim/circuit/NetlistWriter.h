#pragma once

#include "sim/circuit/Circuit.h"

#include <QHash>
#include <QString>

// Writes a circuit, as it stands, as a plain SPICE netlist that a general circuit
// simulator reads: nodes become n1, n2… (0 stays ground), every part the state it is in
// (a lamp the resistance its heat gives, a fuse its resistance or nothing once open, the
// supply a voltage source or, at its limit, a current source), a test source a voltage
// source behind its resistance. Sources with a waveform are written at their value at
// time 0 unless `waveforms` gives their SPICE text by element name ("SIN(0 1 1k)").
namespace NetlistWriter {

QString write(const Circuit& circuit, const QHash<QString, QString>& waveforms = {});

} // namespace NetlistWriter
