#pragma once

#include "quiz/QuestionBank.h"

// The FG110 function generator's questionnaire: four questions on operating it.
const QuestionBank& fg110QuestionBank();
