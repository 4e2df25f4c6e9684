#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// Window positions and sizes are given as the outer rectangle of a classic desktop
// window: a 4-pixel frame, a 19-pixel title bar and, where the window has one, a
// 19-pixel menu bar. The client area the contents are laid out in is what remains.
namespace WindowPlacement {

QSize clientSize(QSize outer, bool hasMenuBar);

// Moves a top-level window to the outer position and gives its contents the client
// size that the outer size leaves (plus Qt's own menu bar, where it has one).
void place(QWidget* window, QPoint outerPosition, QSize outerSize, bool hasMenuBar);

} // namespace WindowPlacement
