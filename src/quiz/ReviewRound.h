#pragma once

#include "QuestionBank.h"

#include <QList>
#include <QSet>
#include <array>

class LearningProgress;
class QRandomGenerator;

// One pass over the questions a student missed: each asked once, in the bank's order,
// its options in a new order, and each answer recorded in the student's progress, where a
// question answered right twice in a row counts as learned.
class ReviewRound {
public:
    // The questions worth asking again (indices into the bank, from 0): those missed and
    // not yet learned, in the bank's order.
    static QList<int> toReview(const QSet<int>& missed, const LearningProgress& progress, const QString& instrument);

    // A new order for four options, never the one they are shown in: order[i] is the
    // option (in display order) shown at place i.
    static std::array<int, 4> newOrder(QRandomGenerator& random);

    ReviewRound(const QuestionBank& bank, QList<int> questions, LearningProgress& progress, QRandomGenerator& random);

    int count() const { return int(m_questions.size()); }
    int position() const { return m_position; } // from 0; count() once every question is asked
    bool finished() const { return m_position >= count(); }

    int question() const { return m_questions.at(m_position); } // in the bank, from 0
    // The question being asked, its options in this round's order.
    const QuizQuestion& asked() const { return m_asked; }
    // The option of the bank (from 0, display order) shown at a place of the asked question.
    int bankOption(int shown) const { return m_order[std::size_t(shown)]; }

    // The student's answer to the question being asked: the option at that place. Answers
    // whether it is right.
    bool answer(int shown);
    bool answered() const { return m_answered; }
    void next();

    // How many of this round's questions are learned now.
    int learned() const;

private:
    void ask();

    const QuestionBank& m_bank;
    QList<int> m_questions;
    LearningProgress& m_progress;
    QRandomGenerator& m_random;
    int m_position = 0;
    bool m_answered = false;
    std::array<int, 4> m_order{0, 1, 2, 3};
    QuizQuestion m_asked;
};
