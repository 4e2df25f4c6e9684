#include "AllCatalogues.h"

#include "fg110/Fg110Catalogues.h"
#include "fg110/Fg110TextPages.h"
#include "fluke45/Fluke45PanelCatalogue.h"
#include "fluke45/Fluke45TrainerCatalogues.h"
#include "fluke45/TrainerSet.h"
#include "power_supply/PowerSupplyCatalogue.h"

namespace {
CatalogueOnPicture trainer(const char* name, int topic, bool after2nd)
{
    const KeyTrainerData& data = keyTrainerData(topic);
    const ExplorerLayout& layout = data.layout();
    return {name, after2nd ? layout.stackedMap->picture : layout.picture, layout.map.size(),
            after2nd ? &data.secondFunctions() : &data.catalogue(), 0};
}
} // namespace

const std::vector<CatalogueOnPicture>& allCatalogues()
{
    static const std::vector<CatalogueOnPicture> all{
        {"power supply", powerSupplyPanelLayout().picture, powerSupplyPanelLayout().map.size(), &powerSupplyCatalogue(), 0},
        {"FG110 normal", fg110PanelLayout().picture, fg110PanelLayout().map.size(), &fg110NormalCatalogue(),
         Fg110TextPages::Count},
        {"FG110 SHIFT", fg110PanelLayout().stackedMap->picture, fg110PanelLayout().map.size(), &fg110ShiftCatalogue(),
         Fg110TextPages::Count},
        {"Fluke 45", fluke45PanelLayout().picture, fluke45PanelLayout().map.size(), &fluke45PanelCatalogue(),
         TrainerSet::Count},
        trainer("Fluke 45 modifier keys", 1, false),
        trainer("Fluke 45 modifier keys after 2ND", 1, true),
        trainer("Fluke 45 range keys", 2, false),
        trainer("Fluke 45 range keys after 2ND", 2, true),
        trainer("Fluke 45 function keys", 3, false),
    };
    return all;
}
