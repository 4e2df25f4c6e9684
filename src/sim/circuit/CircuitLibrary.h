#pragma once

#include "sim/circuit/Circuit.h"
#include "sim/circuit/NetlistParser.h"

#include <QString>
#include <QStringList>

#include <vector>

// A circuit the bench can offer, and the file it came from ("circuits/divisor.cir").
struct CircuitFile {
    QString fileName;
    Circuit circuit;
};

// Every circuit of the circuits' folder that reads and solves, in the order of their file
// names, and a message in Spanish for each one that does not (that circuit is not offered).
struct CircuitLibrary {
    std::vector<CircuitFile> circuits;
    QStringList problems;

    // The folder CircuitPaths finds; none found is a problem, not a failure.
    static CircuitLibrary load();
    static CircuitLibrary loadFolder(const QString& folder);

    // One file's text, named `fileName` in messages: the circuit, or `problem` set to
    // "circuits/divisor.cir, línea 7: …". A circuit that reads but has no operating point
    // is refused too.
    static std::optional<Circuit> read(const QString& fileName, const QByteArray& contents, QString& problem);

    // The longest file read: a bench circuit is a few hundred bytes.
    static constexpr qint64 maximumFileSize = 64 * 1024;
};

// "circuits/divisor.cir, línea 7: falta el valor de «R1»." (no line when it is 0).
QString circuitProblem(const QString& fileName, int line, const QString& message);
