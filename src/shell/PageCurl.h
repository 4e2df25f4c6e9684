#pragma once

#include <QPixmap>
#include <QSize>

// The frames of the chooser's page-turn animation, drawn from the instrument's picture:
// first its lower right corner curls over; then, in the narrower frames, the page is turned
// further, its right part rolled over as a light flap (the page's back) and the grey ground
// showing where it lay. The page itself is never squeezed: what stays is drawn at its size.
namespace PageCurl {

// step 1, 2 or 3 for the animation's frames 2, 3 and 4.
QPixmap frame(const QPixmap& page, QSize size, int step);

} // namespace PageCurl
