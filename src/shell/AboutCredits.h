#pragma once

#include <QString>
#include <array>

// The names in the about box.
struct AboutCredits {
    QString author;
    std::array<QString, 2> coordinators;
};

const AboutCredits& aboutCredits();
