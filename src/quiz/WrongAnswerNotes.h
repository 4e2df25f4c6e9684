#pragma once

#include <QString>
#include <vector>

// Why a wrong option of a questionnaire is wrong: one or two sentences, shown under the
// verdict after INCORRECTA, and a link to the control they name on the instrument's
// front panel.
struct WrongAnswerNote {
    int question; // 1 to 4, as the tabs number them
    int option;   // 1 to 4, in the page's display order
    QString text;
    QString control; // the caption of the front panel's row that explains the control
    QString link;    // the link's text
};

using WrongAnswerNotes = std::vector<WrongAnswerNote>;

// The note of an option, or null where it has none (a right option).
inline const WrongAnswerNote* findWrongAnswerNote(const WrongAnswerNotes& notes, int question, int option)
{
    for (const WrongAnswerNote& note : notes)
        if (note.question == question && note.option == option)
            return &note;
    return nullptr;
}
