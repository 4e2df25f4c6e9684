#include "Decorative.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

constexpr char MarkProperty[] = "trivaneDecorative";
constexpr char FrameOnlyProperty[] = "trivaneFrameOnly";

class DecorativeInterface : public QAccessibleWidget {
public:
    explicit DecorativeInterface(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::NoRole)
    { }

    QString text(QAccessible::Text) const override { return {}; }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        s.focusable = false;
        return s;
    }
};

// A plain container, as Qt presents a window's client area: no name, role "client".
class FrameOnlyInterface : public QAccessibleWidget {
public:
    explicit FrameOnlyInterface(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Client)
    { }

    QString text(QAccessible::Text) const override { return {}; }
};

QAccessibleInterface* decorativeFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->property(MarkProperty).toBool())
        return new DecorativeInterface(widget);
    if (widget && widget->property(FrameOnlyProperty).toBool())
        return new FrameOnlyInterface(widget);
    return nullptr;
}

void installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(decorativeFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

namespace Decorative {

void mark(QWidget* widget)
{
    installFactory();
    widget->setProperty(MarkProperty, true);
}

void markFrameOnly(QWidget* frame)
{
    installFactory();
    frame->setProperty(FrameOnlyProperty, true);
}

bool isMarked(const QWidget* widget)
{
    return widget && widget->property(MarkProperty).toBool();
}

} // namespace Decorative
