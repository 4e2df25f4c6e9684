#pragma once

class QWidget;

// Pictures that only adorn a window (title art, bullets, page-turn frames): a screen
// reader passes over them. Qt has no flag that takes a widget out of the accessibility
// tree, so a marked widget answers with an interface that has no name and no role and
// says it is not shown; AT-SPI then reports it neither visible nor showing, and screen
// readers skip it. Mark a widget before anything asks for its interface (right after
// creating it).
namespace Decorative {
void mark(QWidget* widget);
bool isMarked(const QWidget* widget);

// A frame that only draws a border round what it holds: it says nothing of itself (no
// name, where Qt would lend it its group box's title) and what it holds is read.
void markFrameOnly(QWidget* frame);
} // namespace Decorative
