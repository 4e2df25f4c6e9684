#pragma once

#include "instruments/common/ControlCatalogue.h"
#include "instruments/common/ExplorerLayout.h"

// The Fluke 45's three key trainers: enlarged pictures of its function keys, its range
// keys and its modifier keys, each key explained; the range and modifier keys also in
// the meaning they take after 2ND, on a second picture a "2ND" box uncovers.
struct KeyTrainerData {
    const ExplorerLayout& (*layout)();
    const ControlCatalogue& (*catalogue)();
    const ControlCatalogue& (*secondFunctions)(); // null where the keys have none
};

// The trainer of a link topic: 1 modifier keys, 2 range keys, 3 function keys.
const KeyTrainerData& keyTrainerData(int topic);
