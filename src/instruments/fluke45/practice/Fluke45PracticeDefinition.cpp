#include "instruments/fluke45/practice/Fluke45PracticeDefinition.h"

#include "core/AppState.h"
#include "instruments/fluke45/Fluke45ObjectNames.h"
#include "instruments/fluke45/practice/Fluke45BenchView.h"
#include "instruments/fluke45/practice/Fluke45Face.h"
#include "sim/bench/Fluke45Bench.h"

const PracticeDefinition& fluke45PracticeDefinition()
{
    static const PracticeDefinition definition{
        QStringLiteral("Práctica con el multímetro Fluke 45"),
        QString::fromLatin1(Fluke45Names::practice),
        QStringLiteral("fluke45"),
        [] {
            // The hidden values are drawn once per window.
            auto bench = std::make_unique<Fluke45Bench>(appState().random.generate64());
            auto face = std::make_unique<Fluke45Face>(bench->meter());
            Fluke45Bench& model = *bench;
            return PracticeInstrument{std::move(bench), std::move(face),
                                      [&model](PracticePanel& panel, QWidget& exercises, QWidget* parent) -> QWidget* {
                                          return new Fluke45BenchView(model, panel, exercises, parent);
                                      }};
        },
    };
    return definition;
}
