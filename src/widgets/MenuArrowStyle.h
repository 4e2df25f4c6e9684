#pragma once

#include <QProxyStyle>

// The application's own style with one change: the arrow of a menu item that opens a
// submenu is drawn from one palette per colour, made once.
// The style draws that arrow, on a highlighted item, from a copy of the item's palette
// recoloured for the highlight: a new palette at every paint, under whose key the arrow
// is cached. Each menu gone through left such arrows in the pixmap cache, about 1 kB a
// visit to an instrument, which nothing would draw again. Drawn from a palette made once,
// the same arrow is found in the cache the next time. It looks the same.
class MenuArrowStyle : public QProxyStyle {
public:
    // Wraps the style named `baseStyle` (QStyle::name()).
    explicit MenuArrowStyle(const QString& baseStyle);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

    // Makes it the application's style, once.
    static void install();
};
