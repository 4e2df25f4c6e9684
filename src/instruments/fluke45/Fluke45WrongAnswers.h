#pragma once

#include "quiz/WrongAnswerNotes.h"

// Why each wrong option of the Fluke 45's questionnaire is wrong.
const WrongAnswerNotes& fluke45WrongAnswers();
