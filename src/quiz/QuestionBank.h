#pragma once

#include "WrongAnswerNotes.h"
#include "core/WindowFrame.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <vector>

// One piece of a line of a question or an answer: a text, or a key picture standing
// inside the line at its natural size.
struct LineRun {
    QString text;    // for a picture, what a screen reader says of it ("tecla FREQ")
    QString picture; // under "keys/", with its size; empty for a text
    QSize pictureSize;
};
using QuizLine = std::vector<LineRun>;

struct QuizOption {
    std::vector<QuizLine> lines; // one to three
    bool correct = false;
};

struct QuizQuestion {
    QString tab;
    std::vector<QuizLine> lines;       // one or two; a single long line wraps within the page
    std::array<QuizOption, 4> options; // in display order, top to bottom
};

// Where a questionnaire window puts its notebook and its verdict line.
struct QuestionnaireLayout {
    WindowFrame frame;
    QRect notebook;
    QPoint answerLabel;  // "Respuesta:"
    QPoint verdictLabel; // "CORRECTA" / "INCORRECTA"
    QPoint faces;        // the happy and the angry face, one over the other
    QString happyFaceName;
    QString angryFaceName;
    QRect acceptButton;
};

// A questionnaire: its window and its four questions.
struct QuestionBank {
    QuestionnaireLayout layout;
    std::array<QuizQuestion, 4> questions;
    // The instrument's short name, under which the student's answers are recorded ("fg110").
    QString instrument = {};
    // Why each wrong option is wrong, and the control each explanation links to.
    const WrongAnswerNotes& (*wrongAnswerNotes)() = nullptr;
    // Opens the instrument's front panel with a control explained (by its row's caption);
    // the instrument gives it, as the questionnaire knows no panel.
    void (*showControl)(const QString& caption) = nullptr;
};
