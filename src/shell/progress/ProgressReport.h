#pragma once

#include "ProgressFigures.h"

#include <QByteArray>
#include <QDate>
#include <QImage>
#include <QString>
#include <vector>

// What a report holds: who hands it in and when, the figures and charts of each
// instrument, and the practice's oscilloscope as it last showed it (null: none).
struct ReportContent {
    QString studentName;
    QDate date;
    std::vector<InstrumentProgress> instruments;
    QImage oscilloscope;
};

// The report as a PDF document on A4: the title, name and date, a chart per instrument
// with its figures, and the oscilloscope (or a line saying there is none), on one page,
// or on two when the oscilloscope does not fit on the first. Text stays text, so a reader
// can search it and copy it; the charts are drawn as shapes, sharp at any zoom.
QByteArray reportPdf(const ReportContent& content);
