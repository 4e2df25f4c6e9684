#include "InstrumentRegistry.h"

#include "demestres2001/Demestres2001Definition.h"
#include "fg110/Fg110Definition.h"
#include "fluke45/Fluke45Definition.h"
#include "fluke73/Fluke73Definition.h"
#include "hc6000/Hc6000Definition.h"
#include "phywe/PhyweDefinition.h"
#include "power_supply/PowerSupplyDefinition.h"

#include <algorithm>

namespace InstrumentRegistry {

const std::vector<Entry>& all()
{
    static const std::vector<Entry> instruments{
        {InstrumentId::Fluke45, fluke45Definition()},
        {InstrumentId::Fg110, fg110Definition()},
        {InstrumentId::PowerSupply, powerSupplyDefinition()},
        {InstrumentId::Fluke73, fluke73Definition()},
        {InstrumentId::Demestres2001, demestres2001Definition()},
        {InstrumentId::Phywe, phyweDefinition()},
        {InstrumentId::Hc6000, hc6000Definition()},
    };
    return instruments;
}

const InstrumentDefinition& definition(InstrumentId instrument)
{
    const auto& instruments = all();
    const auto found = std::find_if(instruments.begin(), instruments.end(),
                                    [instrument](const Entry& entry) { return entry.id == instrument; });
    return found->definition; // every id is registered
}

const std::vector<InstrumentId>& multimeterMenuOrder()
{
    static const std::vector<InstrumentId> order{
        InstrumentId::Fluke45, InstrumentId::Hc6000,        InstrumentId::Fluke73,
        InstrumentId::Phywe,   InstrumentId::Demestres2001,
    };
    return order;
}

void forgetOpenNotes()
{
    for (const Entry& entry : all())
        if (entry.definition.openNotes)
            entry.definition.openNotes().clear();
}

const std::vector<CatalogueOnPicture>& allCatalogues()
{
    static const std::vector<CatalogueOnPicture> catalogues = [] {
        std::vector<CatalogueOnPicture> found;
        for (const Entry& entry : all()) {
            const InstrumentDefinition& instrument = entry.definition;
            const FrontPanelDefinition& panel = instrument.panel;
            if (!panel.layout)
                continue;
            const ExplorerLayout& layout = panel.layout();
            // A panel without controls has nothing to check.
            if (!panel.catalogue().empty())
                found.push_back(
                    {instrument.name, layout.picture, layout.map.size(), &panel.catalogue(), panel.relatedTopicCount});
            if (panel.stackedCatalogue)
                found.push_back({instrument.name + QLatin1Char(' ') + layout.stackedMap->checkBoxCaption,
                                 layout.stackedMap->picture, layout.map.size(), &panel.stackedCatalogue(),
                                 panel.relatedTopicCount});
            if (instrument.linkedCatalogues)
                for (const CatalogueOnPicture& linked : instrument.linkedCatalogues())
                    found.push_back(linked);
        }
        return found;
    }();
    return catalogues;
}

} // namespace InstrumentRegistry
