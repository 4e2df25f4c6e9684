#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The program's pictures are SVG drawings compiled into its resources. Each is rendered
// once at the size it is shown at (and at the screen's pixel ratio, so that it stays crisp
// on high-density screens) and the pixmap is reused.
namespace Pictures {

// name is the path under the resources' pictures folder without ".svg",
// for example "chooser/fluke45". A missing drawing gives a null pixmap.
QPixmap get(const QString& name, QSize size);

} // namespace Pictures
