#include "WhereIsQuestions.h"

#include <QRegularExpression>
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
    {"Este mando ", ""},
    {"Esta tecla ", ""},
    {"Este terminal ", ""},
    {"Esta terminal ", ""},
    {"Botón que ", ""},
    {"Mando para ", "sirve para "},
};

QString firstSentence(const QString& text)
{
    // A sentence ends at a full stop or a colon followed by a blank, or at the end; a
    // point inside a number ("0-0.1") does not end it.
    static const QRegularExpression end(QStringLiteral("[.:](\\s|$)"));
    const QRegularExpressionMatch match = end.match(text);
    return match.hasMatch() ? text.left(match.capturedStart()) : text;
}

// "muestreo(medida)" and "multímetro( voltaje" read "muestreo (medida)", "multímetro (voltaje".
QString spacedParentheses(QString text)
{
    static const QRegularExpression before(QStringLiteral("(\\w)\\(")), inside(QStringLiteral("\\(\\s+"));
    return text.replace(before, QStringLiteral("\\1 (")).replace(inside, QStringLiteral("("));
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
        return rows && std::any_of(rows->begin(), rows->end(), [&](const ControlRow& r) { return r.caption == caption; });
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
