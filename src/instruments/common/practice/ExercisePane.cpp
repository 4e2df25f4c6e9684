#include "ExercisePane.h"

#include "PracticePanel.h"
#include "SimulatedInstrument.h"
#include "platform/Pictures.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// What the pane says, apart from the exercises themselves.
namespace Texts {
const QString title = QStringLiteral("Ejercicio %1 de %2");
const QString check = QStringLiteral("Comp&robar");
const QString hint = QStringLiteral("&Pista");
const QString previous = QStringLiteral("Ejercicio anterior");
const QString next = QStringLiteral("Ejercicio siguiente");
const QString number = QStringLiteral("Ejercicio %1");
const QString numberDone = QStringLiteral("Ejercicio %1, conseguido");
const QString hintOne = QStringLiteral("Pista: %1");
const QString hintTwo = QStringLiteral("Pista: %1 Las teclas que intervienen están iluminadas en el panel.");
const QString hintThree = QStringLiteral("Solución: %1");
const QString met = QStringLiteral("¡Muy bien! Has conseguido lo que se pide.");
const QString notMet = QStringLiteral("Todavía no. Esto es lo que difiere:");
const QString happyFace = QStringLiteral("Cara sonriente");
const QString unhappyFace = QStringLiteral("Cara enfadada");
const QChar tick = QChar(0x2713);
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

ExercisePane::ExercisePane(SimulatedInstrument& instrument, PracticePanel& panel, QWidget* parent)
    : QWidget(parent)
    , m_instrument(instrument)
    , m_panel(panel)
    , m_done(instrument.exerciseCount(), false)
{
    setObjectName(QStringLiteral("Ejercicios"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* header = new QHBoxLayout;
    m_previous = new QToolButton(this);
    m_previous->setObjectName(QStringLiteral("EjercicioAnterior"));
    m_previous->setArrowType(Qt::LeftArrow);
    m_previous->setAccessibleName(Texts::previous);
    m_previous->setToolTip(Texts::previous);
    connect(m_previous, &QToolButton::clicked, this, [this] { showExercise(m_current - 1); });
    header->addWidget(m_previous);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("TituloEjercicio"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    header->addWidget(m_title);
    m_next = new QToolButton(this);
    m_next->setObjectName(QStringLiteral("EjercicioSiguiente"));
    m_next->setArrowType(Qt::RightArrow);
    m_next->setAccessibleName(Texts::next);
    m_next->setToolTip(Texts::next);
    connect(m_next, &QToolButton::clicked, this, [this] { showExercise(m_current + 1); });
    header->addWidget(m_next);
    header->addSpacing(12);
    for (int n = 0; n < instrument.exerciseCount(); ++n) {
        auto* number = new QToolButton(this);
        number->setObjectName(QStringLiteral("Ejercicio%1").arg(n + 1));
        number->setCheckable(true);
        number->setAutoRaise(true);
        connect(number, &QToolButton::clicked, this, [this, n] { showExercise(n); });
        header->addWidget(number);
        m_numbers << number;
    }
    header->addStretch();
    layout->addLayout(header);

    m_statement = makeText(QStringLiteral("Enunciado"), this);
    QFont larger = m_statement->font();
    larger.setPixelSize(larger.pixelSize() > 0 ? larger.pixelSize() + 2 : 13);
    m_statement->setFont(larger);
    layout->addWidget(m_statement);

    auto* actions = new QHBoxLayout;
    auto* check = new QPushButton(Texts::check, this);
    check->setObjectName(QStringLiteral("BotonComprobar"));
    check->setAutoDefault(false);
    connect(check, &QPushButton::clicked, this, &ExercisePane::check);
    actions->addWidget(check);
    auto* hint = new QPushButton(Texts::hint, this);
    hint->setObjectName(QStringLiteral("BotonPista"));
    hint->setAutoDefault(false);
    connect(hint, &QPushButton::clicked, this, &ExercisePane::giveHint);
    actions->addWidget(hint);
    actions->addStretch();
    layout->addLayout(actions);

    m_hint = makeText(QStringLiteral("Pista"), this);
    layout->addWidget(m_hint);

    auto* verdictRow = new QHBoxLayout;
    m_happyFace = makeFace(QStringLiteral("CaraContenta"), QStringLiteral("happy"), Texts::happyFace, this);
    m_unhappyFace = makeFace(QStringLiteral("CaraTriste"), QStringLiteral("angry"), Texts::unhappyFace, this);
    verdictRow->addWidget(m_happyFace, 0, Qt::AlignTop);
    verdictRow->addWidget(m_unhappyFace, 0, Qt::AlignTop);
    m_verdict = makeText(QStringLiteral("Resultado"), this);
    verdictRow->addWidget(m_verdict, 1);
    layout->addLayout(verdictRow);
    layout->addStretch();
    setMinimumHeight(minimumRows * fontMetrics().lineSpacing());

    // A verdict speaks of the state it judged: the next key makes it stale.
    connect(&m_panel, &PracticePanel::keyPressed, this, &ExercisePane::clearVerdict);
    showExercise(0);
}

void ExercisePane::showExercise(int exercise)
{
    if (exercise < 0 || exercise >= m_instrument.exerciseCount())
        return;
    m_current = exercise;
    m_hintLevel = 0;
    m_hint->clear();
    m_panel.lightKeys({});
    clearVerdict();
    m_title->setText(Texts::title.arg(exercise + 1).arg(m_instrument.exerciseCount()));
    m_statement->setText(m_instrument.exercise(exercise).statement);
    m_previous->setEnabled(exercise > 0);
    m_next->setEnabled(exercise + 1 < m_instrument.exerciseCount());
    refreshNumbers();
}

void ExercisePane::check()
{
    const QStringList differences = m_instrument.differences(m_current);
    const bool met = differences.isEmpty();
    if (met)
        m_done[m_current] = true;
    m_verdict->setText(met ? Texts::met : Texts::notMet + QLatin1Char('\n') + differences.join(QLatin1Char('\n')));
    m_happyFace->setVisible(met);
    m_unhappyFace->setVisible(!met);
    refreshNumbers();
}

void ExercisePane::giveHint()
{
    const ExerciseText exercise = m_instrument.exercise(m_current);
    m_hintLevel = std::min(m_hintLevel + 1, 3);
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

void ExercisePane::clearVerdict()
{
    m_verdict->clear();
    m_happyFace->hide();
    m_unhappyFace->hide();
}

void ExercisePane::refreshNumbers()
{
    for (int n = 0; n < m_numbers.size(); ++n) {
        QToolButton* number = m_numbers[n];
        number->setText(m_done[n] ? QString::number(n + 1) + Texts::tick : QString::number(n + 1));
        number->setAccessibleName((m_done[n] ? Texts::numberDone : Texts::number).arg(n + 1));
        number->setChecked(n == m_current);
    }
}
