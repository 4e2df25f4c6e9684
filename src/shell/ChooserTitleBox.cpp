#include "ChooserTitleBox.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>

ChooserTitleBox::ChooserTitleBox(const QString& title, QWidget* parent)
    : QGroupBox(title, parent)
{
    QPalette black = palette();
    black.setColor(QPalette::WindowText, Qt::black);
    setPalette(black);
}

void ChooserTitleBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect titleRect = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    // The frame leaves the title's space alone (at twice the scale its top line's
    // antialiased edge would reach into it).
    QStyleOptionGroupBox frame(option);
    frame.subControls &= ~QStyle::SC_GroupBoxLabel;
    painter.save();
    painter.setClipRegion(QRegion(option.rect) - titleRect);
    painter.drawComplexControl(QStyle::CC_GroupBox, frame);
    painter.restore();
    int flags = Qt::AlignCenter;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    style()->drawItemText(&painter, titleRect, flags, option.palette, option.state & QStyle::State_Enabled, option.text,
                          QPalette::WindowText);
}
