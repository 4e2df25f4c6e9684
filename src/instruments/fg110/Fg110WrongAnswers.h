#pragma once

#include "quiz/WrongAnswerNotes.h"

// Why each wrong option of the FG110's questionnaire is wrong.
const WrongAnswerNotes& fg110WrongAnswers();
