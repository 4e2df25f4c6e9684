#pragma once

#include <set>
#include <type_traits>

// Which of an instrument's note windows are open, each note named by the instrument's
// own enumeration of its notes. A new window of the instrument starts with none open;
// while one is, its guards may refuse leaving it.
class OpenNotes {
public:
    template <class Note>
    requires std::is_enum_v<Note>
    bool contains(Note note) const { return m_open.count(static_cast<int>(note)) > 0; }
    template <class Note>
    requires std::is_enum_v<Note>
    void insert(Note note) { m_open.insert(static_cast<int>(note)); }
    template <class Note>
    requires std::is_enum_v<Note>
    void remove(Note note) { m_open.erase(static_cast<int>(note)); }
    bool any() const { return !m_open.empty(); }
    void clear() { m_open.clear(); }

private:
    std::set<int> m_open;
};
