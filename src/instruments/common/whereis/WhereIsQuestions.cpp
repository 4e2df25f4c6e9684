#include "WhereIsQuestions.h"

#include <algorithm>

namespace WhereIsQuestions {
namespace {

// How descriptions open before what the control does: the subject goes, or becomes the
// verb it stands for.
struct Opening {
    const char* subject;
    const char* replacement;
};
constexpr Opening openings[]{
    {"Este mando ", ""},    {"Esta tecla ", ""}, {"Este terminal ", ""},
    {"Esta terminal ", ""}, {"Botón que ", ""},  {"Mando para ", "sirve para "},
};

// The texts are scanned by hand rather than by regular expressions: a panel's questions
// are made as it opens, and the expression library and its compiled patterns would stay
// in memory for the rest of the run for these few characters.

// A blank as a regular expression's \s reads it (ASCII), and a character of a word as \w does.
bool isBlank(QChar c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool isWordCharacter(QChar c)
{
    return c.unicode() < 128 && (c.isLetterOrNumber() || c == u'_');
}

QString firstSentence(const QString& text)
{
    // A sentence ends at a full stop or a colon followed by a blank, or at the end; a
    // point inside a number ("0-0.1") does not end it.
    for (qsizetype i = 0; i < text.size(); ++i)
        if ((text[i] == u'.' || text[i] == u':') && (i + 1 == text.size() || isBlank(text[i + 1])))
            return text.left(i);
    return text;
}

// "muestreo(medida)" and "multímetro( voltaje" read "muestreo (medida)", "multímetro (voltaje".
QString spacedParentheses(const QString& text)
{
    QString spaced;
    spaced.reserve(text.size() + 4);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'(') {
            spaced += text[i];
            continue;
        }
        if (i > 0 && isWordCharacter(text[i - 1]))
            spaced += u' ';
        spaced += u'(';
        while (i + 1 < text.size() && isBlank(text[i + 1]))
            ++i;
    }
    return spaced;
}

bool isPlural(const QString& clause)
{
    QStringList words = clause.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!words.isEmpty() && words.first() == QLatin1String("se"))
        words.removeFirst();
    return !words.isEmpty() && words.first().endsWith(QLatin1Char('n'));
}

} // namespace

QString clause(const ControlRow& row)
{
    if (!row.whereIsClause.isEmpty())
        return row.whereIsClause;
    QString text = spacedParentheses(firstSentence(row.description.join(QLatin1Char(' ')).simplified()));
    for (const Opening& opening : openings) {
        const QString subject = QString::fromUtf8(opening.subject);
        if (text.startsWith(subject)) {
            text = QString::fromUtf8(opening.replacement) + text.mid(subject.size());
            break;
        }
    }
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

QString question(const QString& clause, Map map, const QString& stackedCaption)
{
    QString asked = isPlural(clause) ? QStringLiteral("Señala los mandos que") : QStringLiteral("Señala el mando que");
    if (map == Map::Stacked)
        asked += QStringLiteral(", con %1,").arg(stackedCaption);
    return asked + QLatin1Char(' ') + clause + QLatin1Char('.');
}

std::vector<Question> questions(const ControlCatalogue& top, const ControlCatalogue* stacked,
                                const QString& stackedCaption)
{
    const auto hasCaption = [](const ControlCatalogue* rows, const QString& caption) {
        return rows
               && std::any_of(rows->begin(), rows->end(), [&](const ControlRow& r) { return r.caption == caption; });
    };
    std::vector<Question> asked;
    const auto add = [&](const ControlRow& row, Map map) {
        const QString what = clause(row);
        if (!what.isEmpty())
            asked.push_back({row.caption, map, question(what, map, stackedCaption)});
    };
    for (const ControlRow& row : top)
        add(row, hasCaption(stacked, row.caption) ? Map::Either : Map::Top);
    if (stacked)
        for (const ControlRow& row : *stacked)
            if (!hasCaption(&top, row.caption))
                add(row, Map::Stacked);
    return asked;
}

} // namespace WhereIsQuestions
