#include "TextPage.h"

#include "core/Navigation.h"

#include <QCloseEvent>

TextPage::TextPage(const NoteLayout& layout)
    : NoteWindow(layout, TitleBar::Ordinary)
{ }

void TextPage::closeEvent(QCloseEvent* event)
{
    // A closed page is not kept hidden until the program ends.
    event->accept();
    Navigation::release(this);
}
