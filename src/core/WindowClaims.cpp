#include "core/WindowClaims.h"

#include <bitset>

namespace WindowClaims {
namespace {

constexpr std::size_t KindCount = 2;

std::bitset<KindCount>& claimed()
{
    static std::bitset<KindCount> kinds;
    return kinds;
}

} // namespace

bool claim(OneAtATime kind)
{
    if (isClaimed(kind))
        return false;
    claimed().set(std::size_t(kind));
    return true;
}

void release(OneAtATime kind)
{
    claimed().reset(std::size_t(kind));
}

bool isClaimed(OneAtATime kind)
{
    return claimed().test(std::size_t(kind));
}

void releaseAll()
{
    claimed().reset();
}

} // namespace WindowClaims
