#include "sim/fluke45/Fluke45Settings.h"

#include <QString>

const std::vector<int>& fluke45ReferenceImpedances()
{
    static const std::vector<int> ohms{2,   4,   8,   16,  50,  75,  93,  110,  124,  125, 135,
                                       150, 250, 300, 500, 600, 800, 900, 1000, 1200, 8000};
    return ohms;
}

double holdThresholdShare(int level)
{
    switch (level) {
    case 1:
        return 0.05;
    case 2:
        return 0.07;
    default:
        return 0.08;
    }
}

QString fluke45RateName(Fluke45Rate rate)
{
    switch (rate) {
    case Fluke45Rate::Slow:
        return QStringLiteral("lenta");
    case Fluke45Rate::Medium:
        return QStringLiteral("media");
    case Fluke45Rate::Fast:
        return QStringLiteral("rápida");
    }
    return {};
}
