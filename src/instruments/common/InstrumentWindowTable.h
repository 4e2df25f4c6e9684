#pragma once

#include "ControlCatalogue.h"
#include "ExplorerLayout.h"
#include "LeavingRule.h"
#include "core/WindowFrame.h"
#include "quiz/QuestionBank.h"
#include "core/InstrumentId.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// What distinguishes one instrument window from another.
struct InstrumentWindowData {
    WindowFrame frame;
    QString pictureName; // "fluke45": title art "titles/fluke45", photograph "chooser/fluke45"
    QRect titleArt;      // in the client area
    QRect photograph;    // in the client area
    QString cueName;     // the object name of the window's sound cue
    QString soundFile;
    bool volverShortcut = false; // Ctrl+V on "&Volver"
    LeavingGuards guards{};
    // The front panel "&Panel frontal" opens, for the instruments whose panel is only data;
    // null for those whose window class opens its own.
    const ExplorerLayout& (*panelLayout)() = nullptr;
    const ControlCatalogue& (*panelCatalogue)() = nullptr;
    // What the controls of the panel's stacked picture explain, where it has one.
    const ControlCatalogue& (*panelStackedCatalogue)() = nullptr;
    bool onePanelRule = true; // the panel opens only while no other panel is open
    // The questionnaire "&Cuestiones" opens, where the instrument has one.
    const QuestionBank& (*questionBank)() = nullptr;
};

const InstrumentWindowData& instrumentWindowData(InstrumentId instrument);
