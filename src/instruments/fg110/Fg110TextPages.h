#pragma once

#include "instruments/common/NoteLayout.h"

// The FG110's five information pages, opened from the related-topic links of its front
// panel: 1 output modes, 2 frequency ranges, 3 amplitude and offset ranges, 4 phase-angle
// range, 5 period ranges.
namespace Fg110TextPages {

constexpr int Count = 5;

// The page of a topic from 1 to Count.
const NoteLayout& layout(int topic);

// Opens a new page of the topic, beside any page of it already open; other topics open nothing.
void open(int topic);

} // namespace Fg110TextPages
