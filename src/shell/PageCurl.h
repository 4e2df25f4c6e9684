#pragma once

#include <QPixmap>
#include <QSize>

// The frames of the chooser's page-turn animation, drawn from the instrument's picture:
// the page narrows as it turns about its left edge, and its lower right corner folds
// over further at each step, showing the grey behind it.
namespace PageCurl {

// step 1, 2 or 3 for the animation's frames 2, 3 and 4.
QPixmap frame(const QPixmap& page, QSize size, int step);

} // namespace PageCurl
