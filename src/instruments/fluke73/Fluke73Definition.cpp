#include "Fluke73Definition.h"

#include "Fluke73ObjectNames.h"

namespace {

const ExplorerLayout& panelLayout()
{
    static const ExplorerLayout layout{
        .frame = {Fluke73Names::panel, "Panel Frontal del multímetro FLUKE 73", {71, -1}, {728, 509}},
        .picture = "panels/fluke73",
        .map = {7, 1, 219, 473},
        .fieldsPanel = {234, 2, 478, 471},
        .nameBox = {14, 6, 447, 49},
        .nameField = {7, 21, 432, 19},
        .descriptionBox = {13, 58, 449, 115},
        .descriptionField = {12, 32, 428, 68},
        .usageBox = {13, 183, 450, 167},
        .usageField = {10, 20, 431, 138},
        .relatedTopicsBox = QRect{14, 358, 449, 54},
        .closeFrame = {249, 429},
        .button = {6, 4},
    };
    return layout;
}

} // namespace

const InstrumentDefinition& fluke73Definition()
{
    static const InstrumentDefinition definition{
        .name = "Fluke 73",
        .window =
            {
                .frame = {Fluke73Names::window, "Multímetro Fluke 73", {218, 113}, {242, 184}},
                .pictureName = "fluke73",
                .titleArt = {78, 8, 144, 106},
                .photograph = {16, 10, 55, 118},
                .cueName = Fluke73Names::cue,
                .soundFile = "SOND\\FLUKE43S.WAV",
                .volverShortcut = true,
            },
        .chooser =
            {
                .pictureName = "chooser/fluke73",
                .mainObjectName = Fluke73Names::chooserPicture,
                .frameObjectNames = {Fluke73Names::chooserFrame1, Fluke73Names::chooserFrame2,
                                     Fluke73Names::chooserFrame3},
                .hint = "Multímetro Fluke73",
                .panel = {146, 102, 65, 135},
                .main = {4, 5, 55, 118},
                .framesAt = {4, 6},
                .frameSizes = {QSize{55, 118}, {40, 118}, {25, 118}},
                .menuText = "Multímetro Fluke &73",
                .menuObjectName = Fluke73Names::chooserMenuItem,
            },
        .panel = {.layout = panelLayout, .catalogue = noControls},
    };
    return definition;
}
