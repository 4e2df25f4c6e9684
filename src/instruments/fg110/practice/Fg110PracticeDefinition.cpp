#include "instruments/fg110/practice/Fg110PracticeDefinition.h"

#include "instruments/fg110/Fg110ObjectNames.h"
#include "instruments/fg110/practice/Fg110Face.h"
#include "sim/fg110/Fg110Model.h"

const PracticeDefinition& fg110PracticeDefinition()
{
    static const PracticeDefinition definition{
        QStringLiteral("Práctica con el generador de funciones FG110"),
        QString::fromLatin1(Fg110Names::practice),
        QStringLiteral("fg110"),
        [] {
            // The window opens on a generator that stands switched off: POWER brings its
            // factory settings, as the first exercise asks.
            auto model = std::make_unique<Fg110Model>(Fg110Generator::switchedOff());
            auto face = std::make_unique<Fg110Face>(*model);
            return PracticeInstrument{std::move(model), std::move(face)};
        },
    };
    return definition;
}
