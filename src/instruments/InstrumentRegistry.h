#pragma once

#include "instruments/common/CatalogueOnPicture.h"
#include "instruments/common/InstrumentDefinition.h"

#include <vector>

// The seven instruments, in the order the chooser lays them out.
enum class InstrumentId {
    Fluke45,
    Fg110,
    PowerSupply,
    Fluke73,
    Demestres2001,
    Phywe,
    Hc6000,
};

namespace InstrumentRegistry {

struct Entry {
    InstrumentId id;
    const InstrumentDefinition& definition;
};

// Every instrument, in the chooser's order.
const std::vector<Entry>& all();

const InstrumentDefinition& definition(InstrumentId instrument);

// The order of the chooser's "Multímetros" submenu; the instruments not in it are listed
// in the "Instrumento" menu itself, in the chooser's order.
const std::vector<InstrumentId>& multimeterMenuOrder();

// Counts every note of every instrument as closed, as at start-up.
void forgetOpenNotes();

// Every control catalogue of the program: each front panel's (and its stacked picture's),
// then those of the windows its links open.
const std::vector<CatalogueOnPicture>& allCatalogues();

} // namespace InstrumentRegistry
