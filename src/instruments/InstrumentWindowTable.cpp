#include "instruments/common/InstrumentWindowTable.h"

#include "instruments/fg110/Fg110Catalogues.h"
#include "instruments/fluke45/Fluke45PanelCatalogue.h"
#include "instruments/power_supply/PowerSupplyCatalogue.h"
#include "instruments/simple/SimplePanelLayouts.h"
#include "quiz/Fg110QuestionBank.h"
#include "quiz/Fluke45QuestionBank.h"

#include <map>

namespace {
// None of the four simple multimeters' panels explains its controls.
const ControlCatalogue& noControls()
{
    static const ControlCatalogue none;
    return none;
}
} // namespace

const InstrumentWindowData& instrumentWindowData(InstrumentId instrument)
{
    static const std::map<InstrumentId, InstrumentWindowData> table{
        {InstrumentId::Fluke45,
         {.frame = {"FormFluke45", "Multímetro Dual Fluke 45", {0, 1}, {356, 170}},
          .pictureName = "fluke45",
          .titleArt = {130, 0, 207, 107},
          .photograph = {6, 54, 151, 61},
          .cueName = "MediaPlayerFluke45",
          .soundFile = "SOND\\FLUKE45S.WAV",
          .volverShortcut = true,
          .guards = {true, true, true},
          .panelLayout = fluke45PanelLayout,
          .panelCatalogue = fluke45PanelCatalogue,
          .questionBank = fluke45QuestionBank}},
        {InstrumentId::Fg110,
         {.frame = {"Formfg110", "Generador de funciones FG110", {1, 1}, {376, 170}},
          .pictureName = "fg110",
          .titleArt = {122, 4, 232, 112},
          .photograph = {4, 62, 151, 61},
          .cueName = "MediaPlayerfg",
          .soundFile = "SOND\\FG110S.WAV",
          .guards = {false, true, true},
          .panelLayout = fg110PanelLayout,
          .panelCatalogue = fg110NormalCatalogue,
          .panelStackedCatalogue = fg110ShiftCatalogue,
          .questionBank = fg110QuestionBank}},
        {InstrumentId::PowerSupply,
         {.frame = {"Form2", "Fuente de Alimentación PROMAX", {-1, -1}, {389, 170}},
          .pictureName = "promax",
          .titleArt = {140, 2, 229, 120},
          .photograph = {20, 20, 120, 100},
          .cueName = "MediaPlayerpromax",
          .soundFile = "SOND\\PROMAXS.WAV",
          .volverShortcut = true,
          .guards = {true, true, false},
          .panelLayout = powerSupplyPanelLayout,
          .panelCatalogue = powerSupplyCatalogue}},
        {InstrumentId::Fluke73,
         {.frame = {"FormFluke73", "Multímetro Fluke 73", {218, 113}, {242, 184}},
          .pictureName = "fluke73",
          .titleArt = {78, 8, 144, 106},
          .photograph = {16, 10, 55, 118},
          .cueName = "MediaPlayerfluke73",
          .soundFile = "SOND\\FLUKE43S.WAV",
          .volverShortcut = true,
          .panelLayout = fluke73PanelLayout,
          .panelCatalogue = noControls}},
        {InstrumentId::Demestres2001,
         {.frame = {"FormDemestres2001", "Multímetro Demestres 2001", {218, 113}, {318, 168}},
          .pictureName = "demestres2001",
          .titleArt = {66, 2, 229, 115},
          .photograph = {10, 10, 52, 97},
          .cueName = "MediaPlayerpromax",
          .soundFile = "SOND\\DEMESTS.WAV",
          .panelLayout = demestres2001PanelLayout,
          .panelCatalogue = noControls}},
        {InstrumentId::Phywe,
         {.frame = {"FormPHYWE", "Multímetro PHYWE", {218, 113}, {242, 159}},
          .pictureName = "phywe",
          .titleArt = {76, 4, 144, 105},
          .photograph = {16, 8, 56, 94},
          .cueName = "MediaPlayerPHYWE",
          .soundFile = "SOND\\FG110S.WAV",
          .volverShortcut = true,
          .panelLayout = phywePanelLayout,
          .panelCatalogue = noControls,
          .onePanelRule = false}}, // a new panel every time, without the one-panel flag
        {InstrumentId::Hc6000,
         {.frame = {"FormHC6000", "Multímetro HC-6000", {218, 113}, {243, 166}},
          .pictureName = "hc6000",
          .titleArt = {66, 10, 144, 101},
          .photograph = {10, 10, 52, 104},
          .cueName = "MediaPlayerhc6000",
          .soundFile = "SOND\\HC6000S.WAV",
          .panelLayout = hc6000PanelLayout,
          .panelCatalogue = noControls}},
    };
    return table.at(instrument);
}
