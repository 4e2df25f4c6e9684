#include "core/WindowClaims.h"

#include <QSet>

#include <bitset>
#include <utility>

namespace WindowClaims {
namespace {

constexpr std::size_t KindCount = 2;

std::bitset<KindCount>& claimed()
{
    static std::bitset<KindCount> kinds;
    return kinds;
}

QSet<std::pair<int, QString>>& claimedPerInstrument()
{
    static QSet<std::pair<int, QString>> claims;
    return claims;
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

bool claim(OnePerInstrument kind, const QString& instrument)
{
    if (isClaimed(kind, instrument))
        return false;
    claimedPerInstrument().insert({int(kind), instrument});
    return true;
}

void release(OnePerInstrument kind, const QString& instrument)
{
    claimedPerInstrument().remove({int(kind), instrument});
}

bool isClaimed(OnePerInstrument kind, const QString& instrument)
{
    return claimedPerInstrument().contains({int(kind), instrument});
}

void releaseAll()
{
    claimed().reset();
    claimedPerInstrument().clear();
}

} // namespace WindowClaims
