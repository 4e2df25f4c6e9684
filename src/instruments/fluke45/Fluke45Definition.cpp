#include "Fluke45Definition.h"

#include "Fluke45Notes.h"
#include "Fluke45ObjectNames.h"
#include "Fluke45PanelCatalogue.h"
#include "Fluke45QuestionBank.h"
#include "Fluke45TrainerCatalogues.h"
#include "Fluke45Window.h"
#include "practice/Fluke45PracticeDefinition.h"

const InstrumentDefinition& fluke45Definition()
{
    static const InstrumentDefinition definition{
        .name = "Fluke 45",
        .window =
            {
                .frame = {Fluke45Names::window, "Multímetro Dual Fluke 45", {0, 1}, {356, 170}},
                .pictureName = "fluke45",
                .titleArt = {130, 0, 207, 107},
                .photograph = {6, 54, 151, 61},
                .cueName = Fluke45Names::cue,
                .soundFile = "SOND\\FLUKE45S.WAV",
                .volverShortcut = true,
                .guards = {.notes = true, .panel = true, .questionnaire = true, .practice = true},
            },
        .createWindow = [](const InstrumentDefinition& self) -> InstrumentWindow* { return new Fluke45Window(self); },
        .chooser =
            {
                .pictureName = "chooser/fluke45",
                .mainObjectName = Fluke45Names::chooserPicture,
                .frameObjectNames = {Fluke45Names::chooserFrame1, Fluke45Names::chooserFrame2,
                                     Fluke45Names::chooserFrame3},
                .hint = "Multímetro Dual Fluke45",
                .panel = {9, 28, 218, 73},
                .main = {34, 6, 151, 61},
                .framesAt = {36, 6},
                .frameSizes = {QSize{151, 61}, {98, 61}, {49, 61}},
                .menuText = "Multímetro &Dual Fluke45",
                .menuObjectName = Fluke45Names::chooserMenuItem,
            },
        .panel = {.layout = fluke45PanelLayout,
                  .catalogue = fluke45PanelCatalogue,
                  .relatedTopicCount = TrainerSet::Count},
        .questionBank = fluke45QuestionBank,
        .practice = fluke45PracticeDefinition(),
        .openNotes = fluke45OpenNotes,
        .linkedCatalogues = fluke45TrainerCatalogues,
    };
    return definition;
}
