#pragma once

#include "QuestionBank.h"

#include <initializer_list>

// Small pieces the question banks are written with.
namespace QuizLines {

// A run of text inside a line.
inline LineRun text(const char* run)
{
    return {QString::fromUtf8(run), {}, {}};
}

// An option of text alone, one line per string.
inline QuizOption plain(std::initializer_list<const char*> lines, bool correct)
{
    QuizOption option{{}, correct};
    for (const char* line : lines)
        option.lines.push_back({text(line)});
    return option;
}

} // namespace QuizLines
