#include "PracticeWindow.h"

#include "ExercisePane.h"
#include "PracticePanel.h"
#include "SimulatedInstrument.h"
#include "core/LearningProgress.h"
#include "core/Navigation.h"
#include "platform/WindowsFonts.h"
#include "widgets/Oscilloscope.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPointer<PracticeWindow>& openWindow()
{
    static QPointer<PracticeWindow> window;
    return window;
}
} // namespace

PracticeWindow* PracticeWindow::open(const PracticeDefinition& practice)
{
    if (PracticeWindow* window = openWindow()) {
        window->raise();
        window->activateWindow();
        return window;
    }
    auto* window = new PracticeWindow(practice);
    openWindow() = window;
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

bool PracticeWindow::isOpen()
{
    return !openWindow().isNull();
}

PracticeWindow::PracticeWindow(const PracticeDefinition& practice)
    : m_instrument(practice.create())
{
    setObjectName(practice.objectName);
    setWindowTitle(practice.caption);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(WindowsFonts::pixels(QStringLiteral("MS Sans Serif"), 11));

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    m_panel = new PracticePanel(*m_instrument, this);
    top->addWidget(m_panel, 0, Qt::AlignTop);
    // The oscilloscope on the instrument's output, following it after every key.
    m_scope = new Oscilloscope(this);
    m_scope->setObjectName(QStringLiteral("Osciloscopio"));
    m_scope->setSignal(m_instrument->output());
    connect(m_panel, &PracticePanel::keyPressed, m_scope, [this] { m_scope->setSignal(m_instrument->output()); });
    connect(m_panel, &PracticePanel::keyReleased, m_scope, [this] { m_scope->setSignal(m_instrument->output()); });
    m_scope->setMinimumSize(m_scope->sizeHint());
    top->addWidget(m_scope, 1);
    layout->addLayout(top);
    m_exercises = new ExercisePane(*m_instrument, *m_panel, this);
    layout->addWidget(m_exercises, 1);
    connect(m_exercises, &ExercisePane::exerciseMet, this, [instrument = practice.instrument](int exercise) {
        learningProgress().recordExerciseMet(instrument, QString::number(exercise));
    });
    learningProgress().setOscilloscopeSource([scope = QPointer<Oscilloscope>(m_scope)] {
        return scope ? scope->grab().toImage() : QImage();
    });
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    auto* close = new QPushButton(QStringLiteral("&Cerrar"), this);
    close->setObjectName(QStringLiteral("BotonCerrar"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &PracticeWindow::reject);
    closeRow->addWidget(close);
    layout->addLayout(closeRow);
    resize(sizeHint());
}

PracticeWindow::~PracticeWindow() = default;

void PracticeWindow::reject()
{
    m_exercises->stopDemonstration();
    learningProgress().keepOscilloscope(m_scope->grab().toImage());
    hide();
    // Closed at once for whoever asks whether the practice is open; destroyed later.
    openWindow() = nullptr;
    Navigation::release(this);
}

void PracticeWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    reject();
}
