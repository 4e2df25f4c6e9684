#include "AboutCredits.h"

const AboutCredits& aboutCredits()
{
    static const AboutCredits credits{
        QStringLiteral("Lucía Ferrer Albiol"),
        {QStringLiteral("Dr. Martín Ochoa Reyes"), QStringLiteral("Dra. Elena Vidal Sanz")},
    };
    return credits;
}
