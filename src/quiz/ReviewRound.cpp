#include "ReviewRound.h"

#include "core/LearningProgress.h"

#include <QRandomGenerator>
#include <algorithm>
#include <numeric>

QList<int> ReviewRound::toReview(const QSet<int>& missed, const LearningProgress& progress, const QString& instrument)
{
    QList<int> questions;
    for (int question : missed)
        if (!progress.isLearned(instrument, question))
            questions << question;
    std::sort(questions.begin(), questions.end());
    return questions;
}

std::array<int, 4> ReviewRound::newOrder(QRandomGenerator& random)
{
    // One of the 23 orders that are not the page's own, each as likely.
    std::array<int, 4> order{};
    std::iota(order.begin(), order.end(), 0);
    const int draw = 1 + int(random.bounded(23u)); // the identity is number 0
    for (int n = 0; n < draw; ++n)
        std::next_permutation(order.begin(), order.end());
    return order;
}

ReviewRound::ReviewRound(const QuestionBank& bank, QList<int> questions, LearningProgress& progress,
                         QRandomGenerator& random)
    : m_bank(bank)
    , m_questions(std::move(questions))
    , m_progress(progress)
    , m_random(random)
{
    if (!finished())
        ask();
}

void ReviewRound::ask()
{
    m_answered = false;
    m_order = newOrder(m_random);
    const QuizQuestion& original = m_bank.questions[std::size_t(question())];
    m_asked = original;
    for (std::size_t shown = 0; shown < m_order.size(); ++shown)
        m_asked.options[shown] = original.options[std::size_t(m_order[shown])];
}

bool ReviewRound::answer(int shown)
{
    const bool right = m_asked.options[std::size_t(shown)].correct;
    m_progress.recordAnswer(m_bank.instrument, question(), right);
    m_answered = true;
    return right;
}

void ReviewRound::next()
{
    if (finished())
        return;
    ++m_position;
    if (!finished())
        ask();
}

int ReviewRound::learned() const
{
    return int(std::count_if(m_questions.begin(), m_questions.end(),
                             [this](int question) { return m_progress.isLearned(m_bank.instrument, question); }));
}
