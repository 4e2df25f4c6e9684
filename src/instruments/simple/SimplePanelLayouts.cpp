#include "SimplePanelLayouts.h"

const ExplorerLayout& fluke73PanelLayout()
{
    static const ExplorerLayout layout{
        .frame = {"FormFluke73Panel", "Panel Frontal del multímetro FLUKE 73", {71, -1}, {728, 509}},
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

const ExplorerLayout& hc6000PanelLayout()
{
    static const ExplorerLayout layout{
        .frame = {"FormHC6000Panel", "Panel Frontal del multímetro HC6000", {24, -1}, {775, 555}},
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

const ExplorerLayout& phywePanelLayout()
{
    static const ExplorerLayout layout{
        .frame = {"FormPHYWEPanel", "Panel Frontal del multímetro PHYWE", {14, -1}, {785, 509}},
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
        // program's one-panel flag.
        .clearsPanelFlag = false,
    };
    return layout;
}

const ExplorerLayout& demestres2001PanelLayout()
{
    static const ExplorerLayout layout{
        .frame = {"FormDemestres2001Panel", "Panel Frontal del multímetro Demestres 2001", {46, 0}, {754, 527}},
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
