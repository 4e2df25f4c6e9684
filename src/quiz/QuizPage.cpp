#include "QuizPage.h"

#include "platform/Pictures.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// A line of text with its key pictures standing inside it, each at its natural size.
QWidget* makeLine(const QuizLine& line, QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    for (const LineRun& run : line) {
        auto* label = new QLabel(row);
        if (run.picture.isEmpty()) {
            label->setText(run.text);
            label->setTextFormat(Qt::PlainText);
        } else {
            label->setPixmap(Pictures::get(QStringLiteral("keys/") + run.picture, run.pictureSize));
            label->setFixedSize(run.pictureSize);
            label->setAccessibleName(run.text);
        }
        layout->addWidget(label, 0, Qt::AlignVCenter);
    }
    layout->addStretch(1);
    return row;
}

} // namespace

namespace QuizPage {

QString spoken(const QuizOption& option)
{
    QString sentence;
    for (const QuizLine& line : option.lines) {
        for (const LineRun& run : line) {
            const bool punctuation =
                run.picture.isEmpty()
                && (run.text.startsWith(QLatin1Char('.')) || run.text.startsWith(QLatin1Char(',')));
            if (!sentence.isEmpty() && !punctuation)
                sentence += QLatin1Char(' ');
            sentence += run.text;
        }
    }
    return sentence;
}

QWidget* build(const QuizQuestion& question, const std::function<QString(int option)>& buttonName,
               const std::function<QString(int option, int line)>& lineName,
               const std::function<void(QRadioButton* button, int option)>& chosen)
{
    // Every line keeps the height of its tallest picture; where a page is crowded (the
    // FG110's second question: four options of three lines, each with a key 20 px tall)
    // the room between the options gives way, never a line.
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(2);
    if (question.lines.size() == 1 && question.lines.front().size() == 1
        && question.lines.front().front().picture.isEmpty()) {
        auto* text = new QLabel(question.lines.front().front().text, page);
        text->setTextFormat(Qt::PlainText);
        text->setWordWrap(true);
        layout->addWidget(text);
    } else {
        for (const QuizLine& line : question.lines)
            layout->addWidget(makeLine(line, page));
    }
    layout->addSpacing(4);

    auto* answers = new QGroupBox(QStringLiteral("Respuestas"), page);
    auto* optionsLayout = new QVBoxLayout(answers);
    optionsLayout->setContentsMargins(9, 6, 9, 6);
    optionsLayout->setSpacing(0);
    for (std::size_t i = 0; i < question.options.size(); ++i) {
        const QuizOption& option = question.options[i];
        if (i > 0) // 6 px between two options, less on a crowded page
            optionsLayout->addSpacerItem(new QSpacerItem(0, 6, QSizePolicy::Minimum, QSizePolicy::Preferred));
        // The option's radio button and lines all belong to the group box (nested layouts,
        // not widgets), so that the page's four buttons exclude one another.
        auto* optionLayout = new QGridLayout;
        optionLayout->setHorizontalSpacing(6);
        optionLayout->setVerticalSpacing(0);
        optionLayout->setColumnStretch(1, 1);
        optionsLayout->addLayout(optionLayout);
        auto* button = new QRadioButton(answers);
        button->setObjectName(buttonName(int(i)));
        button->setAccessibleName(spoken(option));
        // Reported only when it becomes the chosen one: choosing it again says nothing new.
        QObject::connect(button, &QRadioButton::toggled, button, [button, chosen, i](bool on) {
            if (on)
                chosen(button, int(i));
        });
        // The button stands level with the first line, however tall its pictures make it.
        optionLayout->addWidget(button, 0, 0, Qt::AlignVCenter);
        for (std::size_t k = 0; k < option.lines.size(); ++k) {
            QWidget* row = makeLine(option.lines[k], answers);
            row->setObjectName(lineName(int(i), int(k) + 1));
            optionLayout->addWidget(row, int(k), 1);
        }
    }
    optionsLayout->addStretch(1);
    layout->addWidget(answers, 1);
    return page;
}

} // namespace QuizPage
