#pragma once

#include <QByteArray>
#include <QString>

// Writes a report where the student chose, whole or not at all: a file that could not be
// written entirely leaves nothing behind, and one that was there before stays as it was.
// Returns an empty string when the report is written, else why it is not, in Spanish
// (a sentence that follows "No se ha podido guardar el informe en «…»: ").
QString writeReportFile(const QString& path, const QByteArray& contents);
