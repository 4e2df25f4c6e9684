#include "WhereIsRound.h"

#include <algorithm>

WhereIsRound::WhereIsRound(const std::vector<WhereIsQuestions::Question>& pool, QRandomGenerator& random)
    : m_questions(pool)
{
    std::shuffle(m_questions.begin(), m_questions.end(), random);
    if (m_questions.size() > std::size_t(Length))
        m_questions.resize(std::size_t(Length));
}

bool WhereIsRound::answer(const QString& caption)
{
    const bool isRight = caption == current().caption;
    ++m_answered;
    if (isRight)
        ++m_right;
    return isRight;
}
