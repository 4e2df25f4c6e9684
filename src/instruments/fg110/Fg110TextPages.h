#pragma once

#include "instruments/common/NoteLayout.h"

// The FG110's five information pages, opened from the related-topic links of its front
// panel.
enum class Fg110Page {
    OutputModes = 1,
    FrequencyRanges,
    AmplitudeAndOffsetRanges,
    PhaseAngleRange,
    PeriodRanges,
};

namespace Fg110TextPages {

constexpr int Count = 5;

// The page's content.
const NoteLayout& layout(Fg110Page page);

// Opens a new page, beside any copy of it already open; a number that names no page
// opens nothing.
void open(Fg110Page page);

} // namespace Fg110TextPages
