#include "Fg110Definition.h"

#include "Fg110Catalogues.h"
#include "Fg110ObjectNames.h"
#include "Fg110QuestionBank.h"
#include "Fg110TextPages.h"
#include "practice/Fg110PracticeDefinition.h"

const InstrumentDefinition& fg110Definition()
{
    static const InstrumentDefinition definition{
        .name = "FG110",
        .window =
            {
                .frame = {Fg110Names::window, "Generador de funciones FG110", {1, 1}, {376, 170}},
                .pictureName = "fg110",
                .titleArt = {122, 4, 232, 112},
                .photograph = {4, 62, 151, 61},
                .cueName = Fg110Names::cue,
                .soundFile = "SOND\\FG110S.WAV",
                .guards = {.notes = false, .panel = true, .questionnaire = true, .practice = true},
            },
        .chooser =
            {
                .pictureName = "chooser/fg110",
                .mainObjectName = Fg110Names::chooserPicture,
                .frameObjectNames = {Fg110Names::chooserFrame1, Fg110Names::chooserFrame2, Fg110Names::chooserFrame3},
                .hint = "Generador de funciones FG110",
                .panel = {228, 27, 191, 74},
                .main = {18, 6, 151, 61},
                .framesAt = {18, 6},
                .frameSizes = {QSize{151, 61}, {116, 61}, {74, 61}},
                .menuText = "&Generador de funciones FG110",
                .menuObjectName = Fg110Names::chooserMenuItem,
            },
        .panel = {.layout = fg110PanelLayout,
                  .catalogue = fg110NormalCatalogue,
                  .stackedCatalogue = fg110ShiftCatalogue,
                  .relatedTopicCount = Fg110TextPages::Count},
        .questionBank = fg110QuestionBank,
        .practice = fg110PracticeDefinition(),
    };
    return definition;
}
