#pragma once

#include "QuestionBank.h"
#include "core/AppState.h"

#include <QDialog>
#include <QRandomGenerator>
#include <QSet>
#include <memory>

class LinkLabel;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class ReviewRound;

// The multiple-choice self-test of an instrument: a notebook of four questions, each with
// four exclusive options, judged the moment one is chosen. The verdict line always speaks
// of the last option chosen and is cleared when the page changes; under it, after
// INCORRECTA, why that option is wrong, with a link to the control it names on the front
// panel. Every answer is recorded in the student's progress. Once every question has
// been answered, "&Repasar las falladas" asks the missed ones again, one at a time, their
// options in a new order, and ends with how many are learned. "Aceptar" is the only way
// out: it releases the window and clears the program's questionnaire-open flag.
//
// From the keyboard: Tab and the arrow keys reach every option, Space chooses it,
// Ctrl+Tab and Ctrl+Shift+Tab turn the page from anywhere in the window, Alt+A is
// "&Aceptar" and Alt+R "&Repasar las falladas"; Tab reaches the link, Enter follows it. A
// screen reader hears each option as one sentence and the verdict as soon as it is given.
class QuestionnaireWindow : public QDialog {
    Q_OBJECT
public:
    explicit QuestionnaireWindow(const QuestionBank& bank);
    ~QuestionnaireWindow() override;

    // The review's options are ordered by this generator (tests seed it).
    QRandomGenerator& random() { return m_random; }

protected:
    void reject() override { } // no close box, and Esc does not close it
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildExplanation();
    void buildReviewPage();
    void answered(QRadioButton* chosen, int question, int option);
    void judge(QRadioButton* chosen, bool correct, int question, int option);
    void clearVerdict();
    void announce(QRadioButton* chosen);
    void updateReviewButton();
    void startReview();
    void askReviewQuestion();
    void reviewAnswered(QRadioButton* chosen, int shown);
    void reviewNext();
    void endReview();
    void accept() override;

    const QuestionBank& m_bank;
    QTabWidget* m_notebook = nullptr;
    QLabel* m_answerLabel = nullptr;
    QLabel* m_verdict = nullptr;
    QRadioButton* m_judged = nullptr; // the option the verdict speaks of
    QLabel* m_happyFace = nullptr;
    QLabel* m_angryFace = nullptr;
    QLabel* m_whyWrong = nullptr;
    LinkLabel* m_controlLink = nullptr;
    QString m_linkedControl; // the caption of the control the link shows
    QPushButton* m_reviewButton = nullptr;

    QSet<int> m_answered; // the questions answered at least once in this window
    QSet<int> m_missed;   // those answered wrong at least once

    // The review, shown in the notebook's place while it lasts.
    QTabWidget* m_reviewPage = nullptr;  // one page: the question asked, then the end
    QWidget* m_reviewQuestion = nullptr; // the page being asked, or the end's words
    QPushButton* m_reviewNext = nullptr;
    std::unique_ptr<ReviewRound> m_review;
    QRandomGenerator m_random{appState().random.generate()};
};
