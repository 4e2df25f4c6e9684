#include "ChooserPicture.h"

#include "platform/ScreenCursors.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int FocusRingWidth = 2;

// A button to a screen reader: named after the instrument (the accessible name the
// chooser gives it), pressed as a click.
class PictureButtonInterface : public QAccessibleWidget {
public:
    explicit PictureButtonInterface(ChooserPicture* picture)
        : QAccessibleWidget(picture, QAccessible::Button)
    { }

    // The hint says what the name says already: nothing to describe.
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Description ? QString() : QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            static_cast<ChooserPicture*>(widget())->activate();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface* pictureButtonFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(ChooserPicture::staticMetaObject.className()))
        if (auto* picture = qobject_cast<ChooserPicture*>(object))
            return new PictureButtonInterface(picture);
    return nullptr;
}

} // namespace

ChooserPicture::ChooserPicture(QWidget* parent)
    : QLabel(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(pictureButtonFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
}

void ChooserPicture::mouseMoveEvent(QMouseEvent* event)
{
    setCursor(ScreenCursors::cursor(ScreenCursors::PointingHand));
    QLabel::mouseMoveEvent(event);
}

void ChooserPicture::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void ChooserPicture::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

void ChooserPicture::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat() && event->modifiers() == Qt::NoModifier) {
            // The keyboard is in use: the ring shows where it acted.
            window()->setAttribute(Qt::WA_KeyboardFocusChange);
            update();
            activate();
        }
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

// The ring shows, as Qt's own controls show theirs, only once the keyboard has moved
// the focus in this window: the picture that has the focus when the chooser opens looks
// exactly as the others until a key is used.
bool ChooserPicture::showsFocusRing() const
{
    return hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void ChooserPicture::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!showsFocusRing())
        return;
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), FocusRingWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal inset = FocusRingWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}
