#include "CatalogueTexts.h"

#include "instruments/InstrumentRegistry.h"
#include "instruments/common/whereis/WhereIsQuestions.h"

#include <algorithm>

namespace CatalogueTexts {
namespace {

const char* const heading[] = {
    "# Every text the control catalogues show, exactly as shown: for each catalogue (a front",
    "# panel, its stacked picture, the windows its links open), each control's caption, name,",
    "# description and usage lines and its links, each quoted whole (blanks at either end and",
    "# quotes inside belong to the text). Reviewed by hand; tst_catalogues compares the",
    "# catalogues with it. After a deliberate change to a text, regenerate it (README) and",
    "# read its diff. Last, the questions \"¿Dónde está…?\" asks of each panel that asks.",
};

void addLines(QStringList& out, const char* label, const QStringList& lines)
{
    for (const QString& line : lines)
        out << QStringLiteral("%1: \"%2\"").arg(QLatin1String(label), line);
}

} // namespace

QStringList render()
{
    QStringList out;
    for (const char* line : heading)
        out << QString::fromUtf8(line);
    for (const CatalogueOnPicture& catalogue : InstrumentRegistry::allCatalogues()) {
        out << QString() << QStringLiteral("== ") + catalogue.name;
        for (const ControlRow& row : *catalogue.catalogue) {
            out << QString();
            addLines(out, "caption", {row.caption});
            addLines(out, "name", {row.name});
            addLines(out, "description", row.description);
            addLines(out, "usage", row.usage);
            for (const RelatedTopic& topic : row.related)
                addLines(out, "link", {topic.text});
        }
    }
    for (const InstrumentRegistry::Entry& entry : InstrumentRegistry::all()) {
        const FrontPanelDefinition& panel = entry.definition.panel;
        if (!panel.layout || !panel.layout().whereIsButton)
            continue;
        out << QString() << QStringLiteral("== ¿Dónde está…? ") + entry.definition.name << QString();
        const auto& stacked = panel.layout().stackedMap;
        for (const WhereIsQuestions::Question& question : WhereIsQuestions::questions(
                 panel.catalogue(), panel.stackedCatalogue ? &panel.stackedCatalogue() : nullptr,
                 stacked ? stacked->checkBoxCaption : QString()))
            addLines(out, "question", {question.text});
    }
    return out;
}

QString difference(const QStringList& expected, const QStringList& actual)
{
    if (expected == actual)
        return {};
    constexpr qsizetype context = 2, shownAtMost = 30;
    qsizetype first = 0;
    while (first < expected.size() && first < actual.size() && expected[first] == actual[first])
        ++first;
    qsizetype tail = 0; // lines alike at both ends, not overlapping the start
    while (tail < expected.size() - first && tail < actual.size() - first
           && expected[expected.size() - 1 - tail] == actual[actual.size() - 1 - tail])
        ++tail;
    QStringList shown{QStringLiteral("The reviewed copy (-) and the catalogues (+) part at line %1:").arg(first + 1)};
    const auto block = [&](QChar mark, const QStringList& lines, qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < std::min(to, from + shownAtMost); ++i)
            shown << mark + QLatin1Char(' ') + lines[i];
        if (to - from > shownAtMost)
            shown << QStringLiteral("%1 … %2 more lines").arg(mark).arg(to - from - shownAtMost);
    };
    block(QLatin1Char(' '), expected, std::max<qsizetype>(0, first - context), first);
    block(QLatin1Char('-'), expected, first, expected.size() - tail);
    block(QLatin1Char('+'), actual, first, actual.size() - tail);
    block(QLatin1Char(' '), expected, expected.size() - tail,
          std::min(expected.size(), expected.size() - tail + context));
    return shown.join(QLatin1Char('\n'));
}

} // namespace CatalogueTexts
