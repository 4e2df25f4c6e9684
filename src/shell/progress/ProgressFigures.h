#pragma once

#include "widgets/BarChart.h"

#include <QString>
#include <vector>

// What the student has done with one instrument, as "Mi progreso" and its report show it:
// a bar for each thing the instrument offers (questions, "¿Dónde está…?", exercises).
struct InstrumentProgress {
    QString instrument; // as the chooser names it: "Generador de funciones FG110"
    std::vector<ChartBar> bars;
};

// Every instrument that offers something to count, in the chooser's order, with what the
// learning progress holds now. The wholes come from the instruments' definitions: the
// questions of its questionnaire, the exercises of its practice.
std::vector<InstrumentProgress> currentProgress();
