#include "HelpWindow.h"

#include "HelpContent.h"
#include "core/FormReference.h"
#include "core/Navigation.h"
#include "core/ObjectNames.h"
#include "platform/WindowsFonts.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

constexpr QSize HelpSize{560, 470};

// The content as a document: a heading per section, its paragraphs, and its keys in a
// two-column table that a screen reader reads row by row.
QString asHtml(const HelpContent& content)
{
    QString html;
    for (const HelpSection& section : content.sections) {
        html += QStringLiteral("<h3>%1</h3>").arg(section.heading.toHtmlEscaped());
        for (const QString& paragraph : section.paragraphs)
            html += QStringLiteral("<p>%1</p>").arg(paragraph.toHtmlEscaped());
        if (section.keys.empty())
            continue;
        html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">");
        for (const HelpKey& key : section.keys)
            html += QStringLiteral("<tr><td style=\"white-space: nowrap;\"><b>%1</b></td><td>%2</td></tr>")
                        .arg(key.keys.toHtmlEscaped(), key.action.toHtmlEscaped());
        html += QStringLiteral("</table>");
    }
    return html;
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

    auto* text = new QTextBrowser(this);
    text->setObjectName(ObjectNames::helpText);
    text->setAccessibleName(content.caption);
    // Read with the arrow keys (a screen reader follows the caret), never typed into;
    // Tab leaves it for the button.
    text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    text->setTabChangesFocus(true);
    text->setHtml(asHtml(content));

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
