#include "NoteWindow.h"

#include "core/Navigation.h"
#include "platform/Pictures.h"
#include "platform/WindowPlacement.h"
#include "platform/WindowsFonts.h"
#include "widgets/ButtonGlyph.h"
#include "widgets/Decorative.h"
#include "widgets/EdgedScrollBar.h"
#include "widgets/TextColor.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace {

// How far the text's ink rises above the face's ascent, in pixels.
int accentOverhang(const QFont& font, const QString& text)
{
    const QFontMetrics metrics(font);
    return qMax(0, -metrics.boundingRect(text).top() - metrics.ascent());
}

QWidget* makeBlock(const NoteBlock& block, QWidget* parent)
{
    const QFont font = WindowsFonts::pixels(block.fontFamily, block.pixelHeight, block.bold);
    switch (block.kind) {
    case NoteBlock::Kind::Label: {
        auto* label = new QLabel(block.lines.join(QLatin1Char('\n')), parent);
        label->setFont(font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, block.color);
        label->setPalette(palette);
        // Some free faces draw the accents of capitals above their ascent: the label
        // reaches up by that much, so that the lines stay where they are and "Ú" keeps
        // its accent.
        const int overhang = accentOverhang(font, label->text());
        label->setContentsMargins(0, overhang, 0, 0);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (block.rect.width() > 0) {
            // A label given its box breaks its text into lines to fit it.
            label->setWordWrap(true);
            label->setGeometry(block.rect.adjusted(0, -overhang, 0, 0));
        } else {
            label->move(block.rect.topLeft() - QPoint(0, overhang));
            label->adjustSize();
        }
        return label;
    }
    case NoteBlock::Kind::Memo:
    case NoteBlock::Kind::ScrollingMemo: {
        auto* memo = new QPlainTextEdit(parent);
        memo->setPlainText(block.lines.join(QLatin1Char('\n')));
        memo->setFont(font);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        if (block.kind == NoteBlock::Kind::ScrollingMemo) {
            // Read, scrolled, never typed into. Tab reaches it, so that the keyboard can
            // scroll it and move a caret a screen reader follows; a click does not, and
            // Enter, which it leaves alone, still presses the button.
            memo->setReadOnly(true);
            memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            memo->setFocusPolicy(Qt::TabFocus);
            memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            // A bar only where the text is longer than the memo; drawn whole, since the
            // memo has no frame to close it.
            memo->setVerticalScrollBar(new EdgedScrollBar(Qt::Vertical));
            memo->setVerticalScrollBarPolicy(block.scrollBar ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        } else {
            // The lines are laid out as they should read; a block never rewraps them.
            memo->setLineWrapMode(QPlainTextEdit::NoWrap);
            memo->document()->setDocumentMargin(0);
            memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            memo->setEnabled(false);
        }
        // A memo is text printed on its window: no frame, and the window's own ground
        // behind the text (the window's silver), whatever the style gives a text box.
        memo->setFrameShape(QFrame::NoFrame);
        memo->viewport()->setBackgroundRole(QPalette::Window);
        TextColor::set(memo, block.color); // enabled or not
        memo->setGeometry(block.rect);
        return memo;
    }
    case NoteBlock::Kind::Marker: {
        auto* marker = new QLabel(parent);
        Decorative::mark(marker); // the text beside it says it all
        marker->setPixmap(Pictures::get(block.picture, block.rect.size()));
        marker->setGeometry(block.rect);
        return marker;
    }
    case NoteBlock::Kind::Rule: {
        auto* rule = new QFrame(parent);
        rule->setGeometry(block.rect.left(), block.rect.bottom() - 1, block.rect.width(), 2);
        rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        return rule;
    }
    case NoteBlock::Kind::Bevel: {
        auto* bevel = new QFrame(parent);
        bevel->setGeometry(block.rect.left(), block.rect.top(), block.rect.width(), 2);
        bevel->setFrameStyle(QFrame::HLine | QFrame::Raised);
        return bevel;
    }
    }
    return nullptr;
}

} // namespace

NoteWindow::NoteWindow(const NoteLayout& layout, TitleBar titleBar)
{
    setObjectName(layout.frame.objectName);
    setWindowTitle(layout.frame.caption);
    if (titleBar == TitleBar::Ordinary)
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                       | Qt::WindowCloseButtonHint);
    else
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(WindowsFonts::pixels(QStringLiteral("System"), 13));
    for (const NoteBlock& block : layout.blocks)
        makeBlock(block, this)->setObjectName(block.objectName);

    m_button = new QPushButton(layout.buttonText, this);
    m_button->setObjectName(layout.buttonName);
    m_button->setFont(WindowsFonts::pixels(layout.buttonFontFamily, layout.buttonPixelHeight));
    if (!layout.buttonGlyph.isEmpty())
        m_button->setIcon(ButtonGlyph::icon(layout.buttonGlyph));
    m_button->setGeometry(layout.buttonRect);
    m_button->setDefault(true);
    m_button->setFocus();
    connect(m_button, &QPushButton::clicked, this, [this] { closeNote(); });
    WindowPlacement::place(this, layout.frame.position, layout.frame.outerSize, false);
}

void NoteWindow::closeNote()
{
    Navigation::release(this);
}
