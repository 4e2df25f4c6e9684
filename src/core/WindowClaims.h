#pragma once

#include <QString>

// The program shows at most one front panel and one questionnaire at a time. A window
// of either kind claims its kind before it opens and releases it when it closes; while
// the kind is claimed, no other window of it opens.
enum class OneAtATime {
    FrontPanel,
    Questionnaire,
};

// Windows each instrument may have one of: a practice window claims its kind under its
// instrument's short name ("fg110"), so another instrument's claim is no obstacle.
enum class OnePerInstrument {
    Practice,
};

namespace WindowClaims {

// Claims the kind; false when it is claimed already (the caller then opens nothing).
bool claim(OneAtATime kind);
// Gives the kind up, whether or not it was claimed.
void release(OneAtATime kind);
bool isClaimed(OneAtATime kind);

bool claim(OnePerInstrument kind, const QString& instrument);
void release(OnePerInstrument kind, const QString& instrument);
bool isClaimed(OnePerInstrument kind, const QString& instrument);
// Gives every kind up, as at start-up.
void releaseAll();

} // namespace WindowClaims
