#include "RegionOrder.h"

#include <QRegion>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <tuple>

namespace RegionOrder {

std::vector<int> readingOrder(const std::vector<QRect>& regions)
{
    std::vector<int> unread;
    QRegion covered;
    for (int i = 0; i < int(regions.size()); ++i) {
        const QRegion own(regions[std::size_t(i)]);
        if (!own.subtracted(covered).isEmpty())
            unread.push_back(i);
        covered += own;
    }
    const auto at = [&](int i) -> const QRect& { return regions[std::size_t(i)]; };
    const auto byTopThenLeft = [&](int a, int b) {
        return std::tuple(at(a).top(), at(a).left(), a) < std::tuple(at(b).top(), at(b).left(), b);
    };
    const auto byLeftThenTop = [&](int a, int b) {
        return std::tuple(at(a).left(), at(a).top(), a) < std::tuple(at(b).left(), at(b).top(), b);
    };

    std::sort(unread.begin(), unread.end(), byTopThenLeft);
    std::vector<int> order;
    while (!unread.empty()) {
        const QRect& first = at(unread.front());
        std::vector<int> row, rest;
        for (int i : unread) {
            const int reach = std::max(1, std::min(first.height(), at(i).height()) / 2);
            (at(i).top() < first.top() + reach ? row : rest).push_back(i);
        }
        std::sort(row.begin(), row.end(), byLeftThenTop);
        order.insert(order.end(), row.begin(), row.end());
        unread = std::move(rest);
    }
    return order;
}

int nearest(const std::vector<QRect>& regions, const std::vector<int>& order, int from, Direction direction)
{
    if (from < 0 || from >= int(regions.size()))
        return -1;
    // Centres doubled, to stay in whole numbers.
    const auto centre = [&](int i) {
        const QRect& r = regions[std::size_t(i)];
        return QPoint(2 * r.x() + r.width(), 2 * r.y() + r.height());
    };
    const QPoint origin = centre(from);
    const QRect& own = regions[std::size_t(from)];
    using Score = std::tuple<int, long long, std::size_t>; // beam, cone or half-plane; distance²; place
    Score best{3, std::numeric_limits<long long>::max(), order.size()};
    int found = -1;
    for (std::size_t place = 0; place < order.size(); ++place) {
        const int i = order[place];
        if (i == from)
            continue;
        const QPoint d = centre(i) - origin;
        const bool horizontal = direction == Direction::Left || direction == Direction::Right;
        const int sign = direction == Direction::Right || direction == Direction::Down ? 1 : -1;
        const long long ahead = sign * (horizontal ? d.x() : d.y());
        const long long aside = horizontal ? d.y() : d.x();
        if (ahead <= 0)
            continue;
        const QRect& r = regions[std::size_t(i)];
        const bool inBeam = horizontal ? r.top() <= own.bottom() && own.top() <= r.bottom()
                                       : r.left() <= own.right() && own.left() <= r.right();
        const int tier = inBeam ? 0 : std::llabs(aside) <= ahead ? 1 : 2;
        const Score score{tier, ahead * ahead + aside * aside, place};
        if (score < best) {
            best = score;
            found = i;
        }
    }
    return found;
}

} // namespace RegionOrder
