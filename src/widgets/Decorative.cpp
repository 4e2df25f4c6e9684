#include "Decorative.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

constexpr char MarkProperty[] = "trivaneDecorative";

class DecorativeInterface : public QAccessibleWidget
{
public:
    explicit DecorativeInterface(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::NoRole)
    {
    }

    QString text(QAccessible::Text) const override { return {}; }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        s.focusable = false;
        return s;
    }
};

QAccessibleInterface* decorativeFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->property(MarkProperty).toBool())
        return new DecorativeInterface(widget);
    return nullptr;
}

} // namespace

namespace Decorative {

void mark(QWidget* widget)
{
    static const bool installed = [] {
        QAccessible::installFactory(decorativeFactory);
        return true;
    }();
    Q_UNUSED(installed);
    widget->setProperty(MarkProperty, true);
}

bool isMarked(const QWidget* widget)
{
    return widget && widget->property(MarkProperty).toBool();
}

} // namespace Decorative
