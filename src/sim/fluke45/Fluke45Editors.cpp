#include "sim/fluke45/Fluke45Editors.h"

#include <algorithm>

NumberEditor::NumberEditor(const QString& digits)
    : m_text(digits)
{
    while (m_chosen < m_text.size() && !m_text.at(m_chosen).isDigit())
        ++m_chosen;
}

void NumberEditor::chooseNextDigit()
{
    const int size = int(m_text.size());
    for (int step = 1; step <= size; ++step) {
        const int next = (m_chosen + step) % size;
        if (m_text.at(next).isDigit()) {
            m_chosen = next;
            return;
        }
    }
}

void NumberEditor::turnDigit()
{
    if (m_chosen >= m_text.size() || !m_text.at(m_chosen).isDigit())
        return;
    const int digit = (m_text.at(m_chosen).digitValue() + 1) % 10;
    m_text[m_chosen] = QChar(u'0' + digit);
}

ListEditor::ListEditor(std::vector<int> options, int current)
    : m_options(std::move(options))
{
    const auto found = std::find(m_options.begin(), m_options.end(), current);
    m_index = found == m_options.end() ? 0 : std::size_t(found - m_options.begin());
}

void ListEditor::next()
{
    if (m_index + 1 < m_options.size())
        ++m_index;
}

void ListEditor::previous()
{
    if (m_index > 0)
        --m_index;
}
