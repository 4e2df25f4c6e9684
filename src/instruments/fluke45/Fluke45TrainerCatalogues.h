#pragma once

#include "TrainerSet.h"
#include "instruments/common/CatalogueOnPicture.h"
#include "instruments/common/ControlCatalogue.h"
#include "instruments/common/ExplorerLayout.h"

#include <vector>

// The Fluke 45's three key trainers: enlarged pictures of its function keys, its range
// keys and its modifier keys, each key explained; the range and modifier keys also in
// the meaning they take after 2ND, on a second picture a "2ND" box uncovers.
struct KeyTrainerData {
    const ExplorerLayout& (*layout)();
    const ControlCatalogue& (*catalogue)();
    const ControlCatalogue& (*secondFunctions)(); // null where the keys have none
};

const KeyTrainerData& keyTrainerData(Fluke45Trainer trainer);

// Every trainer's catalogues, each on its picture: the keys, and where they have one, the
// keys after 2ND.
std::vector<CatalogueOnPicture> fluke45TrainerCatalogues();
