#include "AllCatalogues.h"

#include "fg110/Fg110Catalogues.h"
#include "fg110/Fg110TextPages.h"
#include "power_supply/PowerSupplyCatalogue.h"

const std::vector<CatalogueOnPicture>& allCatalogues()
{
    static const std::vector<CatalogueOnPicture> all{
        {"power supply", powerSupplyPanelLayout().picture, powerSupplyPanelLayout().map.size(), &powerSupplyCatalogue(), 0},
        {"FG110 normal", fg110PanelLayout().picture, fg110PanelLayout().map.size(), &fg110NormalCatalogue(),
         Fg110TextPages::Count},
        {"FG110 SHIFT", fg110PanelLayout().stackedMap->picture, fg110PanelLayout().map.size(), &fg110ShiftCatalogue(),
         Fg110TextPages::Count},
    };
    return all;
}
