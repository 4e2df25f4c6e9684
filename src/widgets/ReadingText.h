#pragma once

#include <QTextBrowser>

// A text that is read, never typed into, from the keyboard as well as with the mouse.
// Its caret moves with the arrows, so that a screen reader reads it line by line, but it
// is drawn zero pixels wide: a caret blinking before the first word would ask for text.
// So that the eye still sees the reading go on, the view moves with the caret: Up and
// Down scroll the text by the line the caret moved, the caret staying where it was on
// the screen, until the view can go no further; and on the last paragraph the view goes
// to the very end, where bringing the caret's line into view alone would leave it on the
// bottom edge, below the document's bottom margin.
class ReadingText : public QTextBrowser {
public:
    explicit ReadingText(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showTheEndOnTheLastParagraph();
    qreal caretInDocument() const;
};
