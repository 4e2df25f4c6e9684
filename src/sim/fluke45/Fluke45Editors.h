#pragma once

#include <QString>

#include <vector>

// The number editor: it edits the digits of a number as the display shows it. ▼ chooses
// the next digit (from the first, round again after the last), ▲ turns the chosen digit
// from 0 up to 9 and round to 0. The sign and the decimal point stay where they are.
class NumberEditor {
public:
    explicit NumberEditor(const QString& digits);

    void chooseNextDigit();
    void turnDigit();

    const QString& text() const { return m_text; }
    int chosenDigit() const { return m_chosen; }
    double value() const { return m_text.toDouble(); }

private:
    QString m_text;
    int m_chosen = 0;
};

// The list editor: ▲ and ▼ move along a list of options, stopping at its ends.
class ListEditor {
public:
    ListEditor(std::vector<int> options, int current);

    void next();
    void previous();
    int value() const { return m_options.at(m_index); }

private:
    std::vector<int> m_options;
    std::size_t m_index = 0;
};
