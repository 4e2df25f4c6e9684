#include "ReadingText.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>

ReadingText::ReadingText(QWidget* parent)
    : QTextBrowser(parent)
{
    setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    setCursorWidth(0);
    connect(this, &QTextBrowser::cursorPositionChanged, this, &ReadingText::showTheEndOnTheLastParagraph);
}

void ReadingText::keyPressEvent(QKeyEvent* event)
{
    const bool lineByLine = (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)
                            && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!lineByLine) {
        QTextBrowser::keyPressEvent(event);
        return;
    }
    const qreal before = caretInDocument();
    const int scrolled = verticalScrollBar()->value();
    QTextBrowser::keyPressEvent(event);
    if (textCursor().block() != document()->lastBlock())
        verticalScrollBar()->setValue(scrolled + qRound(caretInDocument() - before));
}

void ReadingText::showTheEndOnTheLastParagraph()
{
    if (textCursor().block() == document()->lastBlock())
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

qreal ReadingText::caretInDocument() const
{
    return cursorRect().top() + verticalScrollBar()->value();
}
