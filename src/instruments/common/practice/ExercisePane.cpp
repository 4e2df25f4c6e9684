#include "ExercisePane.h"

#include "Demonstration.h"
#include "PracticeObjectNames.h"
#include "PracticePanel.h"
#include "platform/Pictures.h"
#include "sim/common/InstrumentModel.h"

#include <QAccessible>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// What the pane says, apart from the exercises themselves.
namespace Texts {
const QString title = QStringLiteral("Ejercicio %1 de %2");
const QString check = QStringLiteral("Comp&robar");
const QString hint = QStringLiteral("&Pista");
const QString show = QStringLiteral("&Muéstramelo");
const QString showDescription =
    QStringLiteral("Pulsa en el panel, una a una, las teclas de la solución desde el estado actual.");
const QString stop = QStringLiteral("&Detener");
const QString stopDescription = QStringLiteral("Detiene la demostración (también Alt+M o cualquier tecla del panel).");
const QString previous = QStringLiteral("Ejercicio anterior");
const QString next = QStringLiteral("Ejercicio siguiente");
const QString number = QStringLiteral("Ejercicio %1");
const QString numberDone = QStringLiteral("Ejercicio %1, conseguido");
const QString numberDemonstrated = QStringLiteral("Ejercicio %1, visto en una demostración");
const QString hintOne = QStringLiteral("Pista: %1");
const QString hintTwo = QStringLiteral("Pista: %1 Las teclas que intervienen están iluminadas en el panel.");
const QString hintThree = QStringLiteral("Solución: %1");
const QString met = QStringLiteral("¡Muy bien! Has conseguido lo que se pide.");
const QString notMet = QStringLiteral("Todavía no. Esto es lo que difiere:");
const QString demonstrated = QStringLiteral("Demostración terminada: ya se cumple lo que se pide. Para "
                                            "conseguir el ejercicio, hazlo ahora tú.");
const QString metByDemonstration = QStringLiteral("Se cumple, pero lo ha hecho la demostración. Para conseguir "
                                                  "el ejercicio, hazlo tú.");
const QString happyFace = QStringLiteral("Cara sonriente");
const QString unhappyFace = QStringLiteral("Cara enfadada");
const QChar tick = QChar(0x2713);             // met by the student
const QChar demonstratedMark = QChar(0x25B8); // a small "play" triangle: shown, not yet met
} // namespace Texts

constexpr int faceSize = 32;
// Lines of text the pane keeps room for: title, statement, buttons, hint and verdict.
constexpr int minimumRows = 14;

QLabel* makeFace(const QString& objectName, const QString& picture, const QString& spokenName, QWidget* parent)
{
    auto* face = new QLabel(parent);
    face->setObjectName(objectName);
    face->setAccessibleName(spokenName);
    face->setFixedSize(faceSize, faceSize);
    face->setPixmap(Pictures::get(QStringLiteral("quiz/") + picture, {faceSize, faceSize}));
    face->hide();
    return face;
}

QLabel* makeText(const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

ExercisePane::ExercisePane(InstrumentModel& model, PracticePanel& panel, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_panel(panel)
    , m_done(model.exerciseCount(), false)
    , m_demonstrated(model.exerciseCount(), false)
    , m_demonstration(new Demonstration(panel, this))
{
    setObjectName(QLatin1String(PracticeNames::exercises));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* header = new QHBoxLayout;
    m_previous = new QToolButton(this);
    m_previous->setObjectName(QLatin1String(PracticeNames::previousExercise));
    m_previous->setArrowType(Qt::LeftArrow);
    m_previous->setAccessibleName(Texts::previous);
    m_previous->setToolTip(Texts::previous);
    connect(m_previous, &QToolButton::clicked, this, [this] { showExercise(m_current - 1); });
    header->addWidget(m_previous);
    m_title = new QLabel(this);
    m_title->setObjectName(QLatin1String(PracticeNames::exerciseTitle));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    header->addWidget(m_title);
    m_next = new QToolButton(this);
    m_next->setObjectName(QLatin1String(PracticeNames::nextExercise));
    m_next->setArrowType(Qt::RightArrow);
    m_next->setAccessibleName(Texts::next);
    m_next->setToolTip(Texts::next);
    connect(m_next, &QToolButton::clicked, this, [this] { showExercise(m_current + 1); });
    header->addWidget(m_next);
    header->addSpacing(12);
    for (int n = 0; n < model.exerciseCount(); ++n) {
        auto* number = new QToolButton(this);
        number->setObjectName(QString::fromLatin1(PracticeNames::exerciseNumber).arg(n + 1));
        number->setCheckable(true);
        number->setAutoRaise(true);
        connect(number, &QToolButton::clicked, this, [this, n] { showExercise(n); });
        header->addWidget(number);
        m_numbers << number;
    }
    header->addStretch();
    layout->addLayout(header);

    m_statement = makeText(QLatin1String(PracticeNames::statement), this);
    QFont larger = m_statement->font();
    larger.setPixelSize(larger.pixelSize() > 0 ? larger.pixelSize() + 2 : 13);
    m_statement->setFont(larger);
    layout->addWidget(m_statement);

    auto* actions = new QHBoxLayout;
    auto* check = new QPushButton(Texts::check, this);
    check->setObjectName(QLatin1String(PracticeNames::checkButton));
    check->setAutoDefault(false);
    connect(check, &QPushButton::clicked, this, &ExercisePane::check);
    actions->addWidget(check);
    auto* hint = new QPushButton(Texts::hint, this);
    hint->setObjectName(QLatin1String(PracticeNames::hintButton));
    hint->setAutoDefault(false);
    connect(hint, &QPushButton::clicked, this, &ExercisePane::giveHint);
    actions->addWidget(hint);
    m_show = new QPushButton(Texts::show, this);
    m_show->setObjectName(QLatin1String(PracticeNames::showButton));
    m_show->setAutoDefault(false);
    m_show->setAccessibleDescription(Texts::showDescription);
    // As wide as the wider of its two labels, so that the row does not jump.
    m_show->setText(Texts::stop);
    const int stopWidth = m_show->sizeHint().width();
    m_show->setText(Texts::show);
    m_show->setMinimumWidth(std::max(stopWidth, m_show->sizeHint().width()));
    connect(m_show, &QPushButton::clicked, this, &ExercisePane::toggleDemonstration);
    actions->addWidget(m_show);
    // While the button reads "&Detener" (Alt+D), Alt+M, which started it, stops it too.
    m_stopShortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_M), this);
    m_stopShortcut->setEnabled(false);
    connect(m_stopShortcut, &QShortcut::activated, this, &ExercisePane::stopDemonstration);
    actions->addStretch();
    layout->addLayout(actions);

    m_hint = makeText(QLatin1String(PracticeNames::hint), this);
    layout->addWidget(m_hint);

    auto* verdictRow = new QHBoxLayout;
    m_happyFace = makeFace(QLatin1String(PracticeNames::happyFace), QStringLiteral("happy"), Texts::happyFace, this);
    m_unhappyFace =
        makeFace(QLatin1String(PracticeNames::unhappyFace), QStringLiteral("angry"), Texts::unhappyFace, this);
    verdictRow->addWidget(m_happyFace, 0, Qt::AlignTop);
    verdictRow->addWidget(m_unhappyFace, 0, Qt::AlignTop);
    m_verdict = makeText(QLatin1String(PracticeNames::verdict), this);
    verdictRow->addWidget(m_verdict, 1);
    layout->addLayout(verdictRow);
    layout->addStretch();
    setMinimumHeight(minimumRows * fontMetrics().lineSpacing());

    // A verdict speaks of the state it judged: the next key makes it stale.
    connect(&m_panel, &PracticePanel::keyPressed, this, &ExercisePane::studentPressed);
    connect(m_demonstration, &Demonstration::finished, this, [this] { demonstrationEnded(true); });
    connect(m_demonstration, &Demonstration::stopped, this, [this] { demonstrationEnded(false); });
    showExercise(0);
}

void ExercisePane::showExercise(int exercise)
{
    if (exercise < 0 || exercise >= m_model.exerciseCount())
        return;
    stopDemonstration();
    m_current = exercise;
    m_hintLevel = 0;
    m_hint->clear();
    m_panel.lightKeys({});
    clearVerdict();
    m_title->setText(Texts::title.arg(exercise + 1).arg(m_model.exerciseCount()));
    m_statement->setText(m_model.exercise(exercise).statement);
    m_previous->setEnabled(exercise > 0);
    m_next->setEnabled(exercise + 1 < m_model.exerciseCount());
    refreshNumbers();
}

void ExercisePane::check()
{
    const QStringList differences = m_model.differences(m_current);
    const bool met = differences.isEmpty();
    if (met && m_stateFromDemonstration) {
        showVerdict(Texts::metByDemonstration);
        return;
    }
    if (met) {
        m_done[m_current] = true;
        emit exerciseMet(m_current);
    }
    showVerdict(met ? Texts::met : Texts::notMet + QLatin1Char('\n') + differences.join(QLatin1Char('\n')));
    m_happyFace->setVisible(met);
    m_unhappyFace->setVisible(!met);
    refreshNumbers();
}

void ExercisePane::giveHint()
{
    showHint(std::min(m_hintLevel + 1, 3));
}

void ExercisePane::showHint(int level)
{
    const ExerciseText exercise = m_model.exercise(m_current);
    m_hintLevel = level;
    switch (m_hintLevel) {
    case 1:
        m_hint->setText(Texts::hintOne.arg(exercise.whichKeys));
        break;
    case 2:
        m_hint->setText(Texts::hintTwo.arg(exercise.whichKeys));
        m_panel.lightKeys(exercise.keysToLight);
        break;
    default:
        m_hint->setText(Texts::hintThree.arg(exercise.sequenceText));
        m_panel.lightKeys(exercise.keysToLight);
        break;
    }
}

void ExercisePane::toggleDemonstration()
{
    if (m_demonstration->isPlaying()) {
        stopDemonstration();
        return;
    }
    // The sequence being played reads beside it, its keys lit.
    showHint(3);
    clearVerdict();
    m_stateFromDemonstration = true;
    m_show->setText(Texts::stop);
    m_show->setAccessibleDescription(Texts::stopDescription);
    m_stopShortcut->setEnabled(true);
    m_demonstration->start(m_model.keysBeforeSequence() + m_model.exercise(m_current).sequence);
}

void ExercisePane::stopDemonstration()
{
    m_demonstration->stop();
}

void ExercisePane::demonstrationEnded(bool finished)
{
    m_show->setText(Texts::show);
    m_show->setAccessibleDescription(Texts::showDescription);
    m_stopShortcut->setEnabled(false);
    if (!finished)
        return;
    m_demonstrated[m_current] = true;
    showVerdict(Texts::demonstrated);
    refreshNumbers();
}

void ExercisePane::studentPressed()
{
    // A verdict speaks of the state it judged: the next key makes it stale. A key the
    // demonstration presses is the demonstration's; one the student presses (which has
    // stopped it) makes the state the student's again.
    clearVerdict();
    if (!m_demonstration->isPlaying())
        m_stateFromDemonstration = false;
}

void ExercisePane::showVerdict(const QString& text)
{
    m_verdict->setText(text);
    m_happyFace->hide();
    m_unhappyFace->hide();
    // Qt 6.4 has no announcement event: the label, named by its text, reports its new name
    // and raises an alert, so that a screen reader may speak it while the focus stays put.
    QAccessibleEvent nameChanged(m_verdict, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    QAccessibleEvent alert(m_verdict, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void ExercisePane::clearVerdict()
{
    // Cleared only when it says something: clearing lays the whole window out again.
    if (!m_verdict->text().isEmpty())
        m_verdict->clear();
    m_happyFace->hide();
    m_unhappyFace->hide();
}

void ExercisePane::refreshNumbers()
{
    for (int n = 0; n < m_numbers.size(); ++n) {
        QToolButton* number = m_numbers[n];
        const bool demonstratedOnly = m_demonstrated[n] && !m_done[n];
        const QString mark = m_done[n]          ? QString(Texts::tick)
                             : demonstratedOnly ? QString(Texts::demonstratedMark)
                                                : QString();
        number->setText(QString::number(n + 1) + mark);
        const QString name = m_done[n]          ? Texts::numberDone
                             : demonstratedOnly ? Texts::numberDemonstrated
                                                : Texts::number;
        number->setAccessibleName(name.arg(n + 1));
        number->setToolTip(name.arg(n + 1));
        number->setChecked(n == m_current);
    }
}
