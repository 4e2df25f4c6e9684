#include "Demestres2001Definition.h"

#include "Demestres2001ObjectNames.h"

namespace {

const ExplorerLayout& panelLayout()
{
    static const ExplorerLayout layout{
        .frame = {Demestres2001Names::panel, "Panel Frontal del multímetro Demestres 2001", {46, 0}, {754, 527}},
        .picture = "panels/demestres2001",
        .map = {7, 1, 259, 488},
        .fieldsPanel = {269, 1, 469, 487},
        .nameBox = {9, 7, 445, 49},
        .nameField = {8, 21, 430, 19},
        .descriptionBox = {13, 58, 442, 98},
        .descriptionField = {10, 22, 423, 66},
        .usageBox = {13, 165, 442, 191},
        .usageField = {10, 26, 422, 155},
        .relatedTopicsBox = QRect{12, 365, 443, 53},
        .closeFrame = {283, 439},
        .button = {4, 4},
        .focusOnClose = false,
    };
    return layout;
}

} // namespace

const InstrumentDefinition& demestres2001Definition()
{
    static const InstrumentDefinition definition{
        .name = "Demestres 2001",
        .window =
            {
                .frame = {Demestres2001Names::window, "Multímetro Demestres 2001", {218, 113}, {318, 168}},
                .pictureName = "demestres2001",
                .titleArt = {66, 2, 229, 115},
                .photograph = {10, 10, 52, 97},
                .cueName = Demestres2001Names::cue,
                .soundFile = "SOND\\DEMESTS.WAV",
            },
        .chooser =
            {
                .pictureName = "chooser/demestres2001",
                .mainObjectName = Demestres2001Names::chooserPicture,
                .frameObjectNames = {Demestres2001Names::chooserFrame1, Demestres2001Names::chooserFrame2,
                                     Demestres2001Names::chooserFrame3},
                .hint = "Multímetro Demestres 2001",
                .panel = {213, 102, 68, 135},
                .main = {8, 18, 52, 97},
                .framesAt = {8, 18},
                .frameSizes = {QSize{52, 97}, {38, 97}, {25, 97}},
                .menuText = "Multímetro D&emestres 2001",
                .menuObjectName = Demestres2001Names::chooserMenuItem,
            },
        .panel = {.layout = panelLayout, .catalogue = noControls},
    };
    return definition;
}
