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

// The region of `order` nearest to region `from` in a direction, by centres, among those
// whose centre lies that way: the nearest in the region's beam (overlapping its rows for
// Left and Right, its columns for Up and Down), else the nearest within 45 degrees of the
// direction, else the nearest at all; of equally near ones the first in `order`. -1 when
// none.
int nearest(const std::vector<QRect>& regions, const std::vector<int>& order, int from, Direction direction);

} // namespace RegionOrder
