#pragma once

#include <QString>
#include <optional>

// Which open windows keep an instrument window from being left. The checks run in a
// fixed order (notes, then the front panel, then the questionnaire, then the practice); the first that
// holds refuses with a message.
struct LeavingGuards {
    bool notes = false;
    bool panel = false;
    bool questionnaire = false;
    bool practice = false;
};

struct Refusal {
    QString caption;
    QString text;
};

struct OpenWindows {
    bool note = false;
    bool panel = false;
    bool questionnaire = false;
    bool practice = false;
};

std::optional<Refusal> leavingRefusal(const LeavingGuards& guards, const OpenWindows& open);
