#include "TextColor.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace TextColor {

void set(QPlainTextEdit* box, const QColor& color)
{
    QTextCharFormat format = box->currentCharFormat();
    format.setForeground(color);
    box->setCurrentCharFormat(format); // what the box is given later keeps it
    QTextCursor everything(box->document());
    everything.select(QTextCursor::Document);
    everything.mergeCharFormat(format);
}

} // namespace TextColor
