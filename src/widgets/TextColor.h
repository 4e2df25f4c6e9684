#pragma once

#include <QColor>

class QPlainTextEdit;

namespace TextColor {

// Colours a text box's text, the text there now and any it is given later (setPlainText,
// after clear), through the text's own format rather than through the box's palette.
// A widget given a palette of its own passes to its children a palette that no other
// window shares, and the style caches what it draws for the box's scroll bars under that
// palette's key: window after window, the cache would fill with pixmaps nobody draws
// again. Kept on the application's palette, every box's scroll bars share one set.
void set(QPlainTextEdit* box, const QColor& color);

} // namespace TextColor
