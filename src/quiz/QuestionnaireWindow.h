#pragma once

#include "QuestionBank.h"

#include <QDialog>

class QLabel;
class QTabWidget;

// The multiple-choice self-test of an instrument: a notebook of four questions, each with
// four exclusive options, judged the moment one is chosen. Nothing is counted or kept;
// the verdict line always speaks of the last option chosen and is cleared when the page
// changes. "Aceptar" is the only way out: it releases the window and clears the
// program's questionnaire-open flag.
class QuestionnaireWindow : public QDialog
{
    Q_OBJECT
public:
    explicit QuestionnaireWindow(const QuestionBank& bank);

protected:
    void reject() override {} // no close box, and Esc does not close it

private:
    QWidget* buildPage(const QuizQuestion& question, int firstButton);
    void judge(bool correct);
    void clearVerdict();
    void accept() override;

    QTabWidget* m_notebook = nullptr;
    QLabel* m_verdict = nullptr;
    QLabel* m_happyFace = nullptr;
    QLabel* m_angryFace = nullptr;
};
