#include "ProgressFigures.h"

#include "core/LearningProgress.h"
#include "instruments/InstrumentRegistry.h"
#include "instruments/common/practice/PracticeDefinition.h"

#include <QMap>

namespace {

using Figures = LearningProgress::Figures;

bool hasQuestionnaire(const InstrumentDefinition& d)
{
    return d.questionBank != nullptr;
}
bool explainsItsPanel(const InstrumentDefinition& d)
{
    return d.panel.catalogue && !d.panel.catalogue().empty();
}
bool hasPractice(const InstrumentDefinition& d)
{
    return d.practice.create != nullptr;
}

int questionCount(const InstrumentDefinition& d, const Figures&)
{
    return int(d.questionBank().questions.size());
}
int whereAsked(const InstrumentDefinition&, const Figures& f)
{
    return f.whereAsked;
}
int exerciseCount(const InstrumentDefinition& d, const Figures&)
{
    static QMap<const InstrumentDefinition*, int> counts; // a practice's exercises never change
    if (!counts.contains(&d))
        counts.insert(&d, d.practice.create().model->exerciseCount());
    return counts.value(&d);
}

// One thing counted: its label, the instruments it applies to, the count and its whole,
// and what the figure reads while the whole is still 0.
struct Measure {
    QString label;
    bool (*applies)(const InstrumentDefinition&);
    int (*value)(const Figures&);
    int (*total)(const InstrumentDefinition&, const Figures&);
    QString noneYet;
};

const std::vector<Measure>& measures()
{
    static const std::vector<Measure> table{
        {QStringLiteral("Preguntas contestadas"),
         hasQuestionnaire,
         [](const Figures& f) { return f.questionsAnswered; },
         questionCount,
         {}},
        {QStringLiteral("Preguntas aprendidas"),
         hasQuestionnaire,
         [](const Figures& f) { return f.questionsLearned; },
         questionCount,
         {}},
        {QStringLiteral("Aciertos en «¿Dónde está…?»"), explainsItsPanel, [](const Figures& f) { return f.whereRight; },
         whereAsked, QStringLiteral("sin preguntas todavía")},
        {QStringLiteral("Ejercicios conseguidos"),
         hasPractice,
         [](const Figures& f) { return f.exercisesMet; },
         exerciseCount,
         {}},
    };
    return table;
}

QString figureText(const Measure& measure, int value, int total)
{
    if (total == 0 && !measure.noneYet.isEmpty())
        return measure.noneYet;
    return QStringLiteral("%1 de %2").arg(value).arg(total);
}

} // namespace

std::vector<InstrumentProgress> currentProgress()
{
    std::vector<InstrumentProgress> all;
    for (const InstrumentRegistry::Entry& entry : InstrumentRegistry::all()) {
        const InstrumentDefinition& d = entry.definition;
        const Figures figures = learningProgress().figures(d.window.pictureName);
        InstrumentProgress progress{d.chooser.hint, {}};
        for (const Measure& measure : measures()) {
            if (!measure.applies(d))
                continue;
            const int value = measure.value(figures);
            const int total = measure.total(d, figures);
            progress.bars.push_back({measure.label, value, total, figureText(measure, value, total)});
        }
        if (!progress.bars.empty())
            all.push_back(std::move(progress));
    }
    return all;
}
