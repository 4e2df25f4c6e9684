#pragma once

#include "QuestionBank.h"

#include <QDialog>

class QLabel;
class QRadioButton;
class QTabWidget;

// The multiple-choice self-test of an instrument: a notebook of four questions, each with
// four exclusive options, judged the moment one is chosen. Nothing is counted or kept;
// the verdict line always speaks of the last option chosen and is cleared when the page
// changes. "Aceptar" is the only way out: it releases the window and clears the
// program's questionnaire-open flag.
//
// From the keyboard: Tab and the arrow keys reach every option, Space chooses it,
// Ctrl+Tab and Ctrl+Shift+Tab turn the page from anywhere in the window, and Alt+A is
// "&Aceptar". A screen reader hears each option as one sentence and the verdict as soon as
// it is given.
class QuestionnaireWindow : public QDialog
{
    Q_OBJECT
public:
    explicit QuestionnaireWindow(const QuestionBank& bank);

protected:
    void reject() override {} // no close box, and Esc does not close it
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildPage(const QuizQuestion& question, int firstButton);
    void judge(QRadioButton* chosen, bool correct);
    void clearVerdict();
    void announce(QRadioButton* chosen);
    void accept() override;

    QTabWidget* m_notebook = nullptr;
    QLabel* m_answerLabel = nullptr;
    QLabel* m_verdict = nullptr;
    QRadioButton* m_judged = nullptr; // the option the verdict speaks of
    QLabel* m_happyFace = nullptr;
    QLabel* m_angryFace = nullptr;
};
