#pragma once

#include "quiz/QuestionBank.h"

// The Fluke 45's self-test: measuring alternating current with its frequency, the Touch
// Hold threshold, the COMP mode and the MN MX modifier.
const QuestionBank& fluke45QuestionBank();
