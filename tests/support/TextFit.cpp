#include "TextFit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

namespace {

QString shown(QString text)
{
    // A single & marks the mnemonic and is not drawn; && is drawn as one.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

QString complaint(const QWidget* w, const QString& text, int needed, int room, const char* what = "px")
{
    return QStringLiteral("%1: «%2» %3 %4 in %5 %4")
        .arg(w->objectName(), text)
        .arg(needed)
        .arg(QLatin1String(what))
        .arg(room);
}

// The part of a widget's rectangle that its parents (and the window) do not cut off, in
// its own coordinates.
QRect uncut(const QWidget* w, const QWidget* window)
{
    QRect r = w->rect();
    QPoint offset;
    for (const QWidget* p = w; p != window && p->parentWidget(); p = p->parentWidget()) {
        offset += p->pos();
        r &= p->parentWidget()->rect().translated(-offset);
    }
    return r;
}

void checkLabel(const QLabel* label, const QWidget* window, QStringList& faults)
{
    if (!label->pixmap().isNull()) {
        const QRect shown = uncut(label, window);
        if (shown != label->rect())
            faults << QStringLiteral("%1: a picture «%2» %3 px high shows %4")
                          .arg(label->objectName(), label->accessibleName())
                          .arg(label->height())
                          .arg(shown.height());
        return;
    }
    if (label->text().isEmpty())
        return;
    const QFontMetrics metrics(label->font());
    const QRect room = (label->contentsRect() & uncut(label, window))
                           .adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    if (label->wordWrap()) {
        const int needed =
            metrics.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, label->text()).height();
        if (needed > room.height())
            faults << complaint(label, label->text(), needed, room.height(), "px high");
        return;
    }
    // A label with a buddy draws its mnemonic underlined, not as "&".
    const QStringList lines = (label->buddy() ? shown(label->text()) : label->text()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const int width = metrics.horizontalAdvance(line);
        if (width > room.width())
            faults << complaint(label, line, width, room.width());
    }
    const int height = int(lines.size() - 1) * metrics.lineSpacing() + metrics.height();
    if (height > room.height())
        faults << complaint(label, label->text(), height, room.height(), "px high");
}

void checkMemo(const QPlainTextEdit* memo, QStringList& faults)
{
    if (memo->lineWrapMode() != QPlainTextEdit::NoWrap)
        return; // a wrapping memo shows every word
    const QFontMetrics metrics(memo->font());
    const int margin = int(memo->document()->documentMargin());
    const int room = memo->viewport()->width() - 2 * margin;
    for (const QString& line : memo->toPlainText().split(QLatin1Char('\n'))) {
        const int width = metrics.horizontalAdvance(line);
        if (width > room)
            faults << complaint(memo, line, width, room);
    }
}

void checkGroupBox(const QGroupBox* box, QStringList& faults)
{
    if (box->title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.textAlignment = box->alignment();
    const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const int needed = label.left() + QFontMetrics(box->font()).horizontalAdvance(shown(box->title()));
    if (needed > box->width())
        faults << complaint(box, box->title(), needed, box->width());
}

void checkButton(const QAbstractButton* button, QStringList& faults)
{
    if (button->text().isEmpty())
        return;
    const QStyle* style = button->style();
    int needed = QFontMetrics(button->font()).horizontalAdvance(shown(button->text()));
    if (!button->icon().isNull())
        needed += button->iconSize().width() + 4;
    int room = button->width();
    if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button)) {
        const bool check = qobject_cast<const QCheckBox*>(button);
        room -=
            style->pixelMetric(check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth, nullptr, button)
            + style->pixelMetric(check ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing, nullptr,
                                 button);
    } else {
        room -= 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    }
    if (needed > room)
        faults << complaint(button, button->text(), needed, room);
}

// Every item of a combo box, not only the one shown: any of them may be chosen.
void checkComboBox(const QComboBox* combo, QStringList& faults)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const int room =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width();
    for (int item = 0; item < combo->count(); ++item) {
        const int needed = QFontMetrics(combo->font()).horizontalAdvance(combo->itemText(item));
        if (needed > room)
            faults << complaint(combo, combo->itemText(item), needed, room);
    }
}

} // namespace

QStringList textsThatDoNotFit(const QWidget* window)
{
    QStringList faults;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        if (auto* label = qobject_cast<const QLabel*>(w))
            checkLabel(label, window, faults);
        else if (auto* memo = qobject_cast<const QPlainTextEdit*>(w))
            checkMemo(memo, faults);
        else if (auto* box = qobject_cast<const QGroupBox*>(w))
            checkGroupBox(box, faults);
        else if (auto* button = qobject_cast<const QAbstractButton*>(w))
            checkButton(button, faults);
        else if (auto* combo = qobject_cast<const QComboBox*>(w))
            checkComboBox(combo, faults);
    }
    return faults;
}
