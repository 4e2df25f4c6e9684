#include "AllCatalogues.h"

#include "power_supply/PowerSupplyCatalogue.h"

const std::vector<CatalogueOnPicture>& allCatalogues()
{
    static const std::vector<CatalogueOnPicture> all{
        {"power supply", promaxPanelLayout().pictureName, promaxPanelLayout().map.size(), &promaxCatalogue(), 0},
    };
    return all;
}
