#pragma once

#include <QString>
#include <QStringList>

// The lines that tell a student how the result differs from what an exercise asks:
// "Frecuencia: 50 kHz (se pide 5 kHz)". Values are compared as they are written.
class Differences {
public:
    // Adds a line when `found` is not `asked`.
    void compare(const QString& what, const QString& found, const QString& asked);
    // Adds a line when `holds` is false.
    void require(bool holds, const QString& what, const QString& found, const QString& asked);

    const QStringList& lines() const { return m_lines; }

private:
    QStringList m_lines;
};

// A quantity in the nearest engineering unit, with no trailing zeros: (5000, "Hz") is
// "5 kHz", (0.5, "Vp-p") "500 mVp-p", (0.002, "s") "2 ms", (-2, "V") "-2 V".
QString engineeringQuantity(double value, const QString& unit);
