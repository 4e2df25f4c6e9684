#include "MenuArrowStyle.h"

#include <QApplication>
#include <QHash>
#include <QMenu>
#include <QStyleOptionMenuItem>

namespace {

// The application's palette with `color` as its window text (the arrow's colour), one
// for each colour asked for.
const QPalette& arrowPalette(const QColor& color)
{
    static QHash<QRgb, QPalette> made;
    auto found = made.find(color.rgba());
    if (found == made.end()) {
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::WindowText, color);
        found = made.insert(color.rgba(), palette);
    }
    return *found;
}

} // namespace

MenuArrowStyle::MenuArrowStyle(const QString& baseStyle)
    : QProxyStyle(baseStyle)
{ }

void MenuArrowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item || !qobject_cast<const QMenu*>(widget)
        || (element != PE_IndicatorArrowRight && element != PE_IndicatorArrowLeft)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    QStyleOptionMenuItem arrow(*item);
    arrow.palette = arrowPalette(item->palette.windowText().color());
    QProxyStyle::drawPrimitive(element, &arrow, painter, widget);
}

void MenuArrowStyle::install()
{
    if (!dynamic_cast<MenuArrowStyle*>(QApplication::style()))
        QApplication::setStyle(new MenuArrowStyle(QApplication::style()->name()));
}
