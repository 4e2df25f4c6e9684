#include "HelpWindow.h"

#include <algorithm>

#include "HelpContent.h"
#include "core/FormReference.h"
#include "core/Navigation.h"
#include "core/ObjectNames.h"
#include "platform/WindowsFonts.h"
#include "widgets/ReadingText.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QVBoxLayout>

namespace {

constexpr QSize HelpSize{560, 470};

// Room between a key and its meaning, and above each row of keys.
constexpr int KeyGap = 12;
constexpr int KeyRowSpacing = 6;
// Room below the last row, scrolled to the end, as below any paragraph.
constexpr int EndMargin = 12;

// The content as a document: a heading per section, its paragraphs, and its keys, one
// paragraph each, the key in bold and its meaning after a tab, in a column of its own
// (a hanging indent) wide enough for the widest key. No table: a table's cells would hand
// a screen reader the document's frame markers between each key and its meaning.
QString asHtml(const HelpContent& content, int keyColumn)
{
    const QString keyRow = QStringLiteral("<p style=\"margin-top: %1px; margin-bottom: 0px; margin-left: %2px; "
                                          "text-indent: -%2px; white-space: pre-wrap;\"><b>%3</b>\t%4</p>");
    QString html;
    for (const HelpSection& section : content.sections) {
        html += QStringLiteral("<h3>%1</h3>").arg(section.heading.toHtmlEscaped());
        for (const QString& paragraph : section.paragraphs)
            html += QStringLiteral("<p>%1</p>").arg(paragraph.toHtmlEscaped());
        for (const HelpKey& key : section.keys)
            html += keyRow.arg(KeyRowSpacing).arg(keyColumn).arg(key.keys.toHtmlEscaped(), key.action.toHtmlEscaped());
    }
    return html;
}

int keyColumnWidth(const HelpContent& content, QFont font)
{
    font.setBold(true);
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const HelpSection& section : content.sections)
        for (const HelpKey& key : section.keys)
            widest = std::max(widest, metrics.horizontalAdvance(key.keys));
    return widest + KeyGap;
}

// Each key's meaning starts at its block's hanging indent, where its tab stops.
void alignMeanings(QTextDocument* document)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.textIndent() >= 0)
            continue;
        format.setTabPositions({QTextOption::Tab(-format.textIndent(), QTextOption::LeftTab)});
        QTextCursor(block).setBlockFormat(format);
    }
}

// The last row stands as clear of the bottom edge as the first of the top one: the
// document's own margin, and a paragraph's room below it.
void keepRoomAtTheEnd(QTextDocument* document)
{
    QTextFrameFormat format = document->rootFrame()->frameFormat();
    format.setBottomMargin(document->documentMargin() + EndMargin);
    document->rootFrame()->setFrameFormat(format);
}

} // namespace

HelpWindow* HelpWindow::showHelp()
{
    if (HelpWindow* open = formReference<HelpWindow>()) {
        open->show();
        open->raise();
        open->activateWindow();
        return open;
    }
    return Navigation::present(new HelpWindow);
}

HelpWindow::HelpWindow()
{
    const HelpContent& content = helpContent();
    setObjectName(ObjectNames::helpWindow);
    setWindowTitle(content.caption);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(WindowsFonts::pixels(QStringLiteral("MS Sans Serif"), 13));
    resize(HelpSize);

    auto* text = new ReadingText(this);
    text->setObjectName(ObjectNames::helpText);
    text->setAccessibleName(content.caption);
    // Read with the arrow keys (a screen reader follows the caret, which is not drawn),
    // never typed into; Tab leaves it for the button.
    text->setTabChangesFocus(true);
    text->setHtml(asHtml(content, keyColumnWidth(content, text->font())));
    alignMeanings(text->document());
    keepRoomAtTheEnd(text->document());

    auto* close = new QPushButton(content.closeText, this);
    close->setObjectName(ObjectNames::helpCloseButton);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &HelpWindow::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addLayout(buttons);
    text->setFocus();
}

void HelpWindow::reject()
{
    hide();
    Navigation::release(this);
}
