#include "QuestionnaireWindow.h"

#include "QuizPage.h"
#include "ReviewRound.h"
#include "core/LearningProgress.h"
#include "core/Navigation.h"
#include "core/ObjectNames.h"
#include "core/WindowClaims.h"
#include "platform/Pictures.h"
#include "platform/WindowPlacement.h"
#include "platform/WindowsFonts.h"
#include "widgets/ButtonGlyph.h"
#include "widgets/LinkLabel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Below the verdict line, the window has room for two lines of explanation and its link.
constexpr int ExplanationRoom = 58;
constexpr int ReviewButtonWidth = 166;

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

QPushButton* makeButton(const QString& text, const QString& objectName, const QRect& at, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setFont(WindowsFonts::pixels(QStringLiteral("Times New Roman"), 15));
    button->setGeometry(at);
    return button;
}

// How the review ends: how many of the questions it asked are learned.
QString reviewEnd(int learned, int asked)
{
    QString end = QStringLiteral("Fin del repaso: ");
    if (asked == 1)
        end += learned == 1 ? QStringLiteral("has aprendido la cuestión repasada.")
                            : QStringLiteral("aún no has aprendido la cuestión repasada.");
    else if (learned == asked)
        end += QStringLiteral("has aprendido las %1 cuestiones repasadas.").arg(asked);
    else if (learned == 0)
        end += QStringLiteral("aún no has aprendido ninguna de las %1 cuestiones repasadas.").arg(asked);
    else
        end += QStringLiteral("has aprendido %1 de las %2 cuestiones repasadas.").arg(learned).arg(asked);
    if (learned < asked)
        end += QStringLiteral("\n\nUna cuestión queda aprendida cuando se acierta dos veces seguidas. "
                              "Las que faltan se pueden repasar otra vez.");
    return end;
}

} // namespace

QuestionnaireWindow::QuestionnaireWindow(const QuestionBank& bank)
    : m_bank(bank)
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
    for (std::size_t page = 0; page < bank.questions.size(); ++page) {
        const int firstButton = int(page) * 4 + 1;
        QWidget* built = QuizPage::build(
            bank.questions[page], [firstButton](int option) { return ObjectNames::optionButton(firstButton + option); },
            [firstButton](int option, int line) { return ObjectNames::optionLine(firstButton + option, line); },
            [this, page](QRadioButton* button, int option) { answered(button, int(page), option); });
        m_notebook->addTab(built, bank.questions[page].tab);
    }
    m_notebook->setCurrentIndex(0);
    connect(m_notebook, &QTabWidget::currentChanged, this, &QuestionnaireWindow::clearVerdict);
    buildReviewPage();

    auto* answer = m_answerLabel = new QLabel(QStringLiteral("Respuesta:"), this);
    answer->setObjectName(ObjectNames::answerLabel);
    answer->move(l.answerLabel);
    answer->adjustSize();
    m_verdict = new QLabel(this);
    m_verdict->setObjectName(ObjectNames::verdictLabel);
    m_verdict->setGeometry(QRect(l.verdictLabel, QSize(l.faces.x() - l.verdictLabel.x() - 4, answer->height())));
    m_happyFace = makeFace(l.happyFaceName, QStringLiteral("happy"), QStringLiteral("Cara sonriente"), l.faces, this);
    m_angryFace = makeFace(l.angryFaceName, QStringLiteral("angry"), QStringLiteral("Cara enfadada"), l.faces, this);

    // Left of "Aceptar", in reading and Tab order: the review's button, and in its place
    // while the review lasts, the review's own.
    const QRect beside(l.acceptButton.x() - 8 - ReviewButtonWidth, l.acceptButton.y(), ReviewButtonWidth,
                       l.acceptButton.height());
    m_reviewButton = makeButton(QStringLiteral("&Repasar las falladas"), ObjectNames::reviewButton, beside, this);
    m_reviewButton->setAccessibleDescription(
        QStringLiteral("Vuelve a preguntar las cuestiones falladas, con las respuestas en otro orden."));
    m_reviewButton->setAutoDefault(false); // as before, Enter on an option presses "Aceptar" alone
    m_reviewButton->hide();
    connect(m_reviewButton, &QPushButton::clicked, this, &QuestionnaireWindow::startReview);
    m_reviewNext = makeButton(QString(), ObjectNames::reviewNextButton, beside, this);
    m_reviewNext->setAutoDefault(false);
    m_reviewNext->hide();
    connect(m_reviewNext, &QPushButton::clicked, this, &QuestionnaireWindow::reviewNext);

    QPushButton* accept = makeButton(QStringLiteral("&Aceptar"), ObjectNames::quizAcceptButton, l.acceptButton, this);
    accept->setIcon(ButtonGlyph::icon(QStringLiteral("tick_red")));
    connect(accept, &QPushButton::clicked, this, &QuestionnaireWindow::accept);

    buildExplanation();
    WindowPlacement::place(this, l.frame.position, l.frame.outerSize + QSize(0, ExplanationRoom), false);
}

QuestionnaireWindow::~QuestionnaireWindow() = default;

void QuestionnaireWindow::buildExplanation()
{
    const QuestionnaireLayout& l = m_bank.layout;
    const int left = l.answerLabel.x();
    const int lines = 2 * fontMetrics().lineSpacing();
    m_whyWrong = new QLabel(this);
    m_whyWrong->setObjectName(ObjectNames::whyWrongLabel);
    m_whyWrong->setTextFormat(Qt::PlainText);
    m_whyWrong->setWordWrap(true);
    m_whyWrong->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_whyWrong->setGeometry(left, l.acceptButton.bottom() + 8, l.notebook.right() - left, lines);
    m_whyWrong->hide();

    m_controlLink = new LinkLabel(this);
    m_controlLink->setObjectName(ObjectNames::whyWrongLink);
    m_controlLink->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
    QFont font = this->font();
    font.setUnderline(true);
    m_controlLink->setFont(font);
    m_controlLink->move(left, m_whyWrong->geometry().bottom() + 3);
    m_controlLink->setAccessibleDescription(QStringLiteral("Abre el panel frontal con ese mando explicado."));
    m_controlLink->hide();
    connect(m_controlLink, &LinkLabel::clicked, this, [this] {
        if (m_bank.showControl && !m_linkedControl.isEmpty())
            m_bank.showControl(m_linkedControl);
    });
}

void QuestionnaireWindow::buildReviewPage()
{
    // A notebook of one page in the notebook's place, so that a question asked again looks
    // as it does in the questionnaire; its tab says which one it is.
    m_reviewPage = new QTabWidget(this);
    m_reviewPage->setObjectName(ObjectNames::reviewPage);
    m_reviewPage->setGeometry(m_bank.layout.notebook);
    m_reviewPage->tabBar()->setFont(m_notebook->tabBar()->font());
    m_reviewPage->hide();
}

void QuestionnaireWindow::answered(QRadioButton* chosen, int question, int option)
{
    const bool correct = m_bank.questions[std::size_t(question)].options[std::size_t(option)].correct;
    learningProgress().recordAnswer(m_bank.instrument, question, correct);
    m_answered.insert(question);
    if (!correct)
        m_missed.insert(question);
    judge(chosen, correct, question, option);
    updateReviewButton();
}

void QuestionnaireWindow::judge(QRadioButton* chosen, bool correct, int question, int option)
{
    m_verdict->setText(correct ? QStringLiteral("CORRECTA") : QStringLiteral("INCORRECTA"));
    m_happyFace->setVisible(correct);
    m_angryFace->setVisible(!correct);

    const WrongAnswerNote* note = correct || !m_bank.wrongAnswerNotes
                                      ? nullptr
                                      : findWrongAnswerNote(m_bank.wrongAnswerNotes(), question + 1, option + 1);
    m_whyWrong->setText(note ? note->text : QString());
    m_whyWrong->setVisible(note);
    m_linkedControl = note ? note->control : QString();
    m_controlLink->setText(note ? note->link : QString());
    m_controlLink->adjustSize();
    m_controlLink->setVisible(note && m_bank.showControl);
    announce(chosen);
}

void QuestionnaireWindow::clearVerdict()
{
    m_verdict->clear();
    m_happyFace->hide();
    m_angryFace->hide();
    m_whyWrong->clear();
    m_whyWrong->hide();
    m_controlLink->hide();
    announce(nullptr);
}

// A screen reader speaks what changes on the control that has the focus, not elsewhere
// in the window: the verdict is given as the chosen option's description (the option
// that has the focus after Space or a click), and as the verdict line's name, which is
// the whole line as it reads ("Respuesta: CORRECTA"; nothing while there is no verdict).
// After INCORRECTA the option's description goes on with why, which the student would
// otherwise find only by reading the window.
void QuestionnaireWindow::announce(QRadioButton* chosen)
{
    const QString line =
        m_verdict->text().isEmpty() ? QString() : m_answerLabel->text() + QLatin1Char(' ') + m_verdict->text();
    m_verdict->setAccessibleName(line);
    if (m_judged && m_judged != chosen)
        m_judged->setAccessibleDescription({});
    m_judged = chosen;
    if (m_judged)
        m_judged->setAccessibleDescription(
            m_whyWrong->text().isEmpty() ? line : line + QStringLiteral(". ") + m_whyWrong->text());
}

// The button shows once every question has been answered, and can be pressed while one
// missed is not yet learned.
void QuestionnaireWindow::updateReviewButton()
{
    const bool reviewing = m_review != nullptr;
    m_reviewButton->setVisible(!reviewing && m_answered.size() == int(m_bank.questions.size()));
    m_reviewButton->setEnabled(!ReviewRound::toReview(m_missed, learningProgress(), m_bank.instrument).isEmpty());
}

void QuestionnaireWindow::startReview()
{
    const QList<int> questions = ReviewRound::toReview(m_missed, learningProgress(), m_bank.instrument);
    if (questions.isEmpty())
        return;
    m_review = std::make_unique<ReviewRound>(m_bank, questions, learningProgress(), m_random);
    clearVerdict();
    m_notebook->hide();
    m_reviewPage->show();
    m_reviewButton->hide();
    m_reviewNext->show();
    askReviewQuestion();
}

void QuestionnaireWindow::askReviewQuestion()
{
    QTabWidget* review = m_reviewPage;
    if (m_reviewQuestion) {
        review->removeTab(0);
        m_reviewQuestion->deleteLater();
    }
    m_judged = nullptr;
    clearVerdict();
    const bool last = m_review->position() + 1 >= m_review->count();
    m_reviewNext->setText(last ? QStringLiteral("&Terminar el repaso") : QStringLiteral("&Siguiente"));
    m_reviewNext->setEnabled(false); // until the question is answered
    const QuizQuestion& asked = m_review->asked();
    m_reviewQuestion = QuizPage::build(
        asked, [](int option) { return ObjectNames::reviewOption(option + 1); },
        [](int option, int line) { return ObjectNames::reviewOption(option + 1) + QStringLiteral("Line%1").arg(line); },
        [this](QRadioButton* button, int shown) { reviewAnswered(button, shown); });
    const QString tab = QStringLiteral("Repaso %1 de %2: %3")
                            .arg(m_review->position() + 1)
                            .arg(m_review->count())
                            .arg(m_bank.questions[std::size_t(m_review->question())].tab);
    review->addTab(m_reviewQuestion, tab);
    // Made after the rest of the window, the options would come last in Tab's order; they
    // come after the review's tab, where they read.
    QWidget* before = review->tabBar();
    for (int option = 1; option <= int(asked.options.size()); ++option) {
        QWidget* button = m_reviewQuestion->findChild<QRadioButton*>(ObjectNames::reviewOption(option));
        setTabOrder(before, button);
        before = button;
    }
    if (QWidget* first = m_reviewQuestion->findChild<QRadioButton*>(ObjectNames::reviewOption(1)))
        first->setFocus();
}

// A question asked again takes one answer: the other options are then closed, and the
// verdict and its explanation stay until the student goes on.
void QuestionnaireWindow::reviewAnswered(QRadioButton* chosen, int shown)
{
    if (!m_review || m_review->answered())
        return;
    const bool correct = m_review->answer(shown);
    for (QRadioButton* option : m_reviewQuestion->findChildren<QRadioButton*>())
        option->setEnabled(option == chosen);
    judge(chosen, correct, m_review->question(), m_review->bankOption(shown));
    m_reviewNext->setEnabled(true);
}

void QuestionnaireWindow::reviewNext()
{
    if (!m_review)
        return;
    if (m_review->finished()) {
        endReview();
        return;
    }
    m_review->next();
    if (!m_review->finished()) {
        askReviewQuestion();
        return;
    }
    // The end: how many are learned, and the way back to the questions.
    QTabWidget* review = m_reviewPage;
    review->removeTab(0);
    m_reviewQuestion->deleteLater();
    clearVerdict();
    auto* end = new QLabel(reviewEnd(m_review->learned(), m_review->count()));
    end->setWordWrap(true);
    end->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    end->setMargin(12);
    m_reviewQuestion = end;
    review->addTab(end, QStringLiteral("Fin del repaso"));
    m_reviewNext->setText(QStringLiteral("&Volver a las cuestiones"));
    m_reviewNext->setEnabled(true);
    m_reviewNext->setFocus();
}

void QuestionnaireWindow::endReview()
{
    QTabWidget* review = m_reviewPage;
    review->removeTab(0);
    m_reviewQuestion->deleteLater();
    m_reviewQuestion = nullptr;
    m_review.reset();
    m_reviewPage->hide();
    m_reviewNext->hide();
    m_notebook->show();
    clearVerdict();
    updateReviewButton();
    if (m_reviewButton->isEnabled())
        m_reviewButton->setFocus();
    else
        m_notebook->setFocus();
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
    if (pageKey && (event->modifiers() & Qt::ControlModifier) && m_notebook->isVisible() && m_notebook->count() > 1) {
        const bool back = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
        const int count = m_notebook->count();
        m_notebook->setCurrentIndex((m_notebook->currentIndex() + (back ? count - 1 : 1)) % count);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
