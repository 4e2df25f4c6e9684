#pragma once

#include <memory>

class QTranslator;

// While one lives, the dialogs Qt draws itself (the file dialog: its labels, buttons,
// tool tips and its question before replacing a file) speak Spanish, from Qt's own
// translation (Debian's qt6-translations-l10n); without it they stay in English. Only
// for as long as such a dialog is up: the program's other windows, whose boxes read as
// they always have, are left as they are.
class SpanishQtTexts {
public:
    SpanishQtTexts();
    ~SpanishQtTexts();
    SpanishQtTexts(const SpanishQtTexts&) = delete;
    SpanishQtTexts& operator=(const SpanishQtTexts&) = delete;

    bool loaded() const { return m_translator != nullptr; }

private:
    std::unique_ptr<QTranslator> m_translator;
};
