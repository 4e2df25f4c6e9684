#pragma once

#include "QuestionBank.h"

#include <functional>

class QRadioButton;
class QWidget;

// A page of a questionnaire: the question's lines at the top, and below them a group box
// "Respuestas" with one radio button per option, each level with its option's first line.
namespace QuizPage {

// The page; each button is named by `buttonName(option)` (from 0, display order) and
// reports `chosen(button, option)` when it becomes the chosen one.
QWidget* build(const QuizQuestion& question, const std::function<QString(int option)>& buttonName,
               const std::function<QString(int option, int line)>& lineName,
               const std::function<void(QRadioButton* button, int option)>& chosen);

// An option as a screen reader says it: its lines in one sentence, each key picture read
// by what it shows.
QString spoken(const QuizOption& option);

} // namespace QuizPage
