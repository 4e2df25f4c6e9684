#include "QuestionnaireWindow.h"

#include "core/WindowClaims.h"
#include "core/Navigation.h"
#include "core/ObjectNames.h"
#include "platform/Pictures.h"
#include "platform/WindowPlacement.h"
#include "platform/WindowsFonts.h"
#include "widgets/ButtonGlyph.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
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

// An option as a screen reader says it: its lines in one sentence, each key picture
// read by what it shows.
QString spoken(const QuizOption& option)
{
    QString sentence;
    for (const QuizLine& line : option.lines) {
        for (const LineRun& run : line) {
            const bool punctuation = run.picture.isEmpty() && (run.text.startsWith(QLatin1Char('.'))
                                                               || run.text.startsWith(QLatin1Char(',')));
            if (!sentence.isEmpty() && !punctuation)
                sentence += QLatin1Char(' ');
            sentence += run.text;
        }
    }
    return sentence;
}

QLabel* makeFace(const QString& objectName, const QString& picture, const QString& spokenName, QPoint at,
                 QWidget* parent)
{
    auto* face = new QLabel(parent);
    face->setObjectName(objectName);
    face->setAccessibleName(spokenName);
    face->setGeometry(QRect(at, QSize(32, 32)));
    face->setPixmap(Pictures::get(QStringLiteral("quiz/") + picture, {32, 32}));
    face->hide();
    return face;
}

} // namespace

QuestionnaireWindow::QuestionnaireWindow(const QuestionBank& bank)
{
    const QuestionnaireLayout& l = bank.layout;
    setObjectName(l.frame.objectName);
    setWindowTitle(l.frame.caption);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(WindowsFonts::pixels(QStringLiteral("System"), 13));

    m_notebook = new QTabWidget(this);
    m_notebook->setObjectName(ObjectNames::questionNotebook);
    m_notebook->setGeometry(l.notebook);
    m_notebook->tabBar()->setFont(WindowsFonts::pixels(QStringLiteral("MS Sans Serif"), 11));
    for (std::size_t page = 0; page < bank.questions.size(); ++page)
        m_notebook->addTab(buildPage(bank.questions[page], int(page) * 4 + 1), bank.questions[page].tab);
    m_notebook->setCurrentIndex(0);
    connect(m_notebook, &QTabWidget::currentChanged, this, &QuestionnaireWindow::clearVerdict);

    auto* answer = m_answerLabel = new QLabel(QStringLiteral("Respuesta:"), this);
    answer->setObjectName(ObjectNames::answerLabel);
    answer->move(l.answerLabel);
    answer->adjustSize();
    m_verdict = new QLabel(this);
    m_verdict->setObjectName(ObjectNames::verdictLabel);
    m_verdict->setGeometry(QRect(l.verdictLabel, QSize(l.faces.x() - l.verdictLabel.x() - 4, answer->height())));
    m_happyFace = makeFace(l.happyFaceName, QStringLiteral("happy"), QStringLiteral("Cara sonriente"), l.faces, this);
    m_angryFace = makeFace(l.angryFaceName, QStringLiteral("angry"), QStringLiteral("Cara enfadada"), l.faces, this);

    auto* accept = new QPushButton(QStringLiteral("&Aceptar"), this);
    accept->setObjectName(ObjectNames::quizAcceptButton);
    accept->setFont(WindowsFonts::pixels(QStringLiteral("Times New Roman"), 15));
    accept->setIcon(ButtonGlyph::icon(QStringLiteral("tick_red")));
    accept->setGeometry(l.acceptButton);
    connect(accept, &QPushButton::clicked, this, &QuestionnaireWindow::accept);

    WindowPlacement::place(this, l.frame.position, l.frame.outerSize, false);
}

QWidget* QuestionnaireWindow::buildPage(const QuizQuestion& question, int firstButton)
{
    // Every line keeps the height of its tallest picture; where a page is crowded (the
    // FG110's second question: four options of three lines, each with a key 20 px tall)
    // the room between the options gives way, never a line.
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(2);
    if (question.lines.size() == 1 && question.lines.front().size() == 1 && question.lines.front().front().picture.isEmpty()) {
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
        const int number = firstButton + int(i);
        // The option's radio button and lines all belong to the group box (nested layouts,
        // not widgets), so that the page's four buttons exclude one another.
        auto* optionLayout = new QGridLayout;
        optionLayout->setHorizontalSpacing(6);
        optionLayout->setVerticalSpacing(0);
        optionLayout->setColumnStretch(1, 1);
        optionsLayout->addLayout(optionLayout);
        auto* button = new QRadioButton(answers);
        button->setObjectName(ObjectNames::optionButton(number));
        button->setAccessibleName(spoken(option));
        // Judged only when it becomes the chosen one: choosing it again says nothing new.
        connect(button, &QRadioButton::toggled, this, [this, button, correct = option.correct](bool chosen) {
            if (chosen)
                judge(button, correct);
        });
        // The button stands level with the first line, however tall its pictures make it.
        optionLayout->addWidget(button, 0, 0, Qt::AlignVCenter);
        for (std::size_t k = 0; k < option.lines.size(); ++k) {
            QWidget* row = makeLine(option.lines[k], answers);
            row->setObjectName(ObjectNames::optionLine(number, int(k) + 1));
            optionLayout->addWidget(row, int(k), 1);
        }
    }
    optionsLayout->addStretch(1);
    layout->addWidget(answers, 1);
    return page;
}

void QuestionnaireWindow::judge(QRadioButton* chosen, bool correct)
{
    m_verdict->setText(correct ? QStringLiteral("CORRECTA") : QStringLiteral("INCORRECTA"));
    m_happyFace->setVisible(correct);
    m_angryFace->setVisible(!correct);
    announce(chosen);
}

void QuestionnaireWindow::clearVerdict()
{
    m_verdict->clear();
    m_happyFace->hide();
    m_angryFace->hide();
    announce(nullptr);
}

// A screen reader speaks what changes on the control that has the focus, not elsewhere
// in the window: the verdict is given as the chosen option's description (the option
// that has the focus after Space or a click), and as the verdict line's name, which is
// the whole line as it reads ("Respuesta: CORRECTA"; nothing while there is no verdict).
void QuestionnaireWindow::announce(QRadioButton* chosen)
{
    const QString line = m_verdict->text().isEmpty() ? QString() : m_answerLabel->text() + QLatin1Char(' ') + m_verdict->text();
    m_verdict->setAccessibleName(line);
    if (m_judged && m_judged != chosen)
        m_judged->setAccessibleDescription({});
    m_judged = chosen;
    if (m_judged)
        m_judged->setAccessibleDescription(line);
}

void QuestionnaireWindow::accept()
{
    Navigation::release(this);
    WindowClaims::release(OneAtATime::Questionnaire);
}

// The notebook turns its page on Ctrl+Tab itself while the focus is inside it; from
// "&Aceptar" the keys come here, and turn it the same way.
void QuestionnaireWindow::keyPressEvent(QKeyEvent* event)
{
    const bool pageKey = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (pageKey && (event->modifiers() & Qt::ControlModifier) && m_notebook->count() > 1) {
        const bool back = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
        const int count = m_notebook->count();
        m_notebook->setCurrentIndex((m_notebook->currentIndex() + (back ? count - 1 : 1)) % count);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
