#pragma once

#include "WhereIsQuestions.h"

#include <QRandomGenerator>
#include <vector>

// One round of "¿Dónde está…?": up to ten of a panel's questions, drawn in random order,
// each answered once, and how many were right.
class WhereIsRound {
public:
    static constexpr int Length = 10;

    WhereIsRound(const std::vector<WhereIsQuestions::Question>& pool, QRandomGenerator& random);

    int length() const { return int(m_questions.size()); }
    int answered() const { return m_answered; }
    int right() const { return m_right; }
    bool isOver() const { return m_answered == length(); }
    // The question being asked; only while the round is not over.
    const WhereIsQuestions::Question& current() const { return m_questions[std::size_t(m_answered)]; }
    // The control pointed at, by its caption: whether it is the one asked for. The round
    // moves on to the next question either way.
    bool answer(const QString& caption);

private:
    std::vector<WhereIsQuestions::Question> m_questions;
    int m_answered = 0;
    int m_right = 0;
};
