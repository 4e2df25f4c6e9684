#include "PhyweDefinition.h"

#include "PhyweObjectNames.h"

namespace {

const ExplorerLayout& panelLayout()
{
    static const ExplorerLayout layout{
        .frame = {PhyweNames::panel, "Panel Frontal del multímetro PHYWE", {14, -1}, {785, 509}},
        .picture = "panels/phywe",
        .map = {7, 1, 283, 472},
        .fieldsPanel = {296, 2, 478, 470},
        .nameBox = {9, 6, 458, 49},
        .nameField = {7, 21, 445, 19},
        .descriptionBox = {10, 58, 457, 115},
        .descriptionField = {9, 30, 438, 74},
        .usageBox = {11, 187, 455, 167},
        .usageField = {10, 27, 435, 132},
        .relatedTopicsBox = QRect{10, 358, 455, 56},
        .closeFrame = {308, 426},
        .button = {4, 4},
        // Each "&Panel frontal" opens one more PHYWE panel; none of them holds the
        // program's one-panel claim.
        .releasesPanelClaim = false,
    };
    return layout;
}

} // namespace

const InstrumentDefinition& phyweDefinition()
{
    static const InstrumentDefinition definition{
        .name = "PHYWE",
        .window =
            {
                .frame = {PhyweNames::window, "Multímetro PHYWE", {218, 113}, {242, 159}},
                .pictureName = "phywe",
                .titleArt = {76, 4, 144, 105},
                .photograph = {16, 8, 56, 94},
                .cueName = PhyweNames::cue,
                .soundFile = "SOND\\FG110S.WAV",
                .volverShortcut = true,
            },
        .chooser =
            {
                .pictureName = "chooser/phywe",
                .mainObjectName = PhyweNames::chooserPicture,
                .frameObjectNames = {PhyweNames::chooserFrame1, PhyweNames::chooserFrame2, PhyweNames::chooserFrame3},
                .hint = "Multímetro PHYWE",
                .panel = {282, 102, 67, 135},
                .main = {6, 20, 56, 94},
                .framesAt = {6, 20},
                .frameSizes = {QSize{56, 94}, {44, 94}, {27, 94}},
                .menuText = "Multímetro &PHYWE",
                .menuObjectName = PhyweNames::chooserMenuItem,
            },
        // A new panel every time, without claiming the one front panel.
        .panel = {.layout = panelLayout, .catalogue = noControls, .onePanelRule = false},
    };
    return definition;
}
