#include "Hc6000Definition.h"

#include "Hc6000ObjectNames.h"

namespace {

const ExplorerLayout& panelLayout()
{
    static const ExplorerLayout layout{
        .frame = {Hc6000Names::panel, "Panel Frontal del multímetro HC6000", {24, -1}, {775, 555}},
        .picture = "panels/hc6000",
        .map = {7, 1, 260, 521},
        .fieldsPanel = {276, 3, 487, 518},
        .nameBox = {13, 6, 460, 49},
        .nameField = {7, 21, 448, 19},
        .descriptionBox = {13, 72, 461, 115},
        .descriptionField = {12, 27, 439, 78},
        .usageBox = {13, 205, 463, 183},
        .usageField = {13, 29, 438, 138},
        .relatedTopicsBox = QRect{14, 398, 463, 54},
        .closeFrame = {288, 472},
        .button = {4, 4},
    };
    return layout;
}

} // namespace

const InstrumentDefinition& hc6000Definition()
{
    static const InstrumentDefinition definition{
        .name = "HC-6000",
        .window =
            {
                .frame = {Hc6000Names::window, "Multímetro HC-6000", {218, 113}, {243, 166}},
                .pictureName = "hc6000",
                .titleArt = {66, 10, 144, 101},
                .photograph = {10, 10, 52, 104},
                .cueName = Hc6000Names::cue,
                .soundFile = "SOND\\HC6000S.WAV",
            },
        .chooser =
            {
                .pictureName = "chooser/hc6000",
                .mainObjectName = Hc6000Names::chooserPicture,
                .frameObjectNames = {Hc6000Names::chooserFrame1, Hc6000Names::chooserFrame2,
                                     Hc6000Names::chooserFrame3},
                .hint = "Multímetro HC6000",
                .panel = {351, 102, 68, 135},
                .main = {8, 14, 52, 104},
                .framesAt = {8, 14},
                .frameSizes = {QSize{52, 104}, {41, 104}, {22, 104}},
                .menuText = "Multímetro &HC6000",
                .menuObjectName = Hc6000Names::chooserMenuItem,
            },
        .panel = {.layout = panelLayout, .catalogue = noControls},
    };
    return definition;
}
