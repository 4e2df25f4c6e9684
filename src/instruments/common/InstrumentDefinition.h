#pragma once

#include "CatalogueOnPicture.h"
#include "ChooserEntry.h"
#include "ControlCatalogue.h"
#include "ExplorerLayout.h"
#include "LeavingRule.h"
#include "OpenNotes.h"
#include "core/WindowFrame.h"
#include "practice/PracticeDefinition.h"
#include "quiz/QuestionBank.h"

#include <QRect>
#include <QString>
#include <vector>

class InstrumentWindow;

// The instrument's own window: its frame, the title art beside its photograph, the cue
// played when it is shown, and what keeps it from being left.
struct InstrumentWindowData {
    WindowFrame frame;
    QString pictureName; // "fluke45": title art "titles/fluke45", photograph "chooser/fluke45"
    QRect titleArt;      // in the client area
    QRect photograph;    // in the client area
    QString cueName;     // the object name of the window's sound cue
    QString soundFile;
    bool volverShortcut = false; // Ctrl+V on "&Volver"
    LeavingGuards guards = {};
};

// The front panel "&Panel frontal" opens: an explorer of the panel's picture.
struct FrontPanelDefinition {
    const ExplorerLayout& (*layout)() = nullptr;
    const ControlCatalogue& (*catalogue)() = nullptr;
    // What the controls of the panel's stacked picture explain, where it has one.
    const ControlCatalogue& (*stackedCatalogue)() = nullptr;
    bool onePanelRule = true;  // the panel opens only while no other front panel is open
    int relatedTopicCount = 0; // its links' topics run from 1 to this
};

// Everything one instrument is: its window, its place in the chooser, its front panel,
// its questionnaire and whatever else it explains. Optional parts are left out.
struct InstrumentDefinition {
    QString name; // for tools and checks: "Fluke 45", "power supply"
    InstrumentWindowData window;
    // Its window, where the instrument has behaviour of its own (notes); null for the
    // plain instrument window, which is all data.
    InstrumentWindow* (*createWindow)(const InstrumentDefinition&) = nullptr;
    ChooserEntry chooser;
    FrontPanelDefinition panel = {};
    // The questionnaire "&Cuestiones" opens, where the instrument has one.
    const QuestionBank& (*questionBank)() = nullptr;
    // The practice "P&ráctica" opens, where the instrument has one.
    PracticeDefinition practice = {};
    // Its note windows that are open, where it has notes.
    OpenNotes& (*openNotes)() = nullptr;
    // The catalogues of windows its panel's links open (trainers), each on its picture.
    std::vector<CatalogueOnPicture> (*linkedCatalogues)() = nullptr;
};
