#pragma once

#include <QRect>
#include <vector>

// How the keyboard walks the hot regions of a picture. Regions are numbered from 0 in
// the order registered; an empty rectangle, or one wholly covered by earlier regions,
// can never be hit by the pointer (the first registered wins), and the keyboard skips it.
namespace RegionOrder {

enum class Direction { Left, Right, Up, Down };

// The regions the pointer can reach, in reading order: rows from top to bottom, each row
// from left to right. A row is the highest region not yet read (the leftmost of equals)
// with every region whose top edge lies less than half the shorter height of the two
// below that region's top edge.
std::vector<int> readingOrder(const std::vector<QRect>& regions);

// The region of `order` nearest to region `from` in a direction, by centres: the nearest
// whose centre lies within 45 degrees of that direction, else the nearest whose centre
// lies at all that way; of equally near ones the first in `order`. -1 when none.
int nearest(const std::vector<QRect>& regions, const std::vector<int>& order, int from, Direction direction);

} // namespace RegionOrder
