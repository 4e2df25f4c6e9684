#include "PowerSupplyDefinition.h"

#include "PowerSupplyCatalogue.h"
#include "PowerSupplyNotes.h"
#include "PowerSupplyObjectNames.h"
#include "PowerSupplyWindow.h"

const InstrumentDefinition& powerSupplyDefinition()
{
    static const InstrumentDefinition definition{
        .name = "power supply",
        .window =
            {
                .frame = {PowerSupplyNames::window, "Fuente de Alimentación PROMAX", {-1, -1}, {389, 170}},
                .pictureName = "promax",
                .titleArt = {140, 2, 229, 120},
                .photograph = {20, 20, 120, 100},
                .cueName = PowerSupplyNames::cue,
                .soundFile = "SOND\\PROMAXS.WAV",
                .volverShortcut = true,
                .guards = {.notes = true, .panel = true, .questionnaire = false},
            },
        .createWindow = [](const InstrumentDefinition& self) -> InstrumentWindow* {
            return new PowerSupplyWindow(self);
        },
        .chooser =
            {
                .pictureName = "chooser/promax",
                .mainObjectName = PowerSupplyNames::chooserPicture,
                .frameObjectNames = {PowerSupplyNames::chooserFrame1, PowerSupplyNames::chooserFrame2,
                                     PowerSupplyNames::chooserFrame3},
                .hint = "Fuente de alimentación PROMAX",
                .panel = {9, 102, 135, 135},
                .main = {8, 18, 120, 100},
                .framesAt = {8, 18},
                .frameSizes = {QSize{120, 100}, {98, 100}, {73, 100}},
                .menuText = "&Fuente de alimentación Promax",
                .menuObjectName = PowerSupplyNames::chooserMenuItem,
            },
        .panel = {.layout = powerSupplyPanelLayout, .catalogue = powerSupplyCatalogue},
        .openNotes = powerSupplyOpenNotes,
    };
    return definition;
}
