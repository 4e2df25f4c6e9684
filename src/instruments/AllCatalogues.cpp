#include "AllCatalogues.h"

#include "power_supply/PowerSupplyCatalogue.h"

const std::vector<CatalogueOnPicture>& allCatalogues()
{
    static const std::vector<CatalogueOnPicture> all{
        {"power supply", powerSupplyPanelLayout().pictureName, powerSupplyPanelLayout().map.size(), &powerSupplyCatalogue(), 0},
    };
    return all;
}
