#include "PracticeWindow.h"

#include "ExercisePane.h"
#include "PracticeObjectNames.h"
#include "PracticePanel.h"
#include "core/LearningProgress.h"
#include "core/Navigation.h"
#include "core/WindowClaims.h"
#include "platform/WindowsFonts.h"
#include "widgets/Oscilloscope.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHash>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The open practice of each instrument, by its short name, to bring to the front.
QHash<QString, QPointer<PracticeWindow>>& openWindows()
{
    static QHash<QString, QPointer<PracticeWindow>> windows;
    return windows;
}
} // namespace

PracticeWindow* PracticeWindow::open(const PracticeDefinition& practice)
{
    if (!WindowClaims::claim(OnePerInstrument::Practice, practice.instrument)) {
        PracticeWindow* window = openWindows().value(practice.instrument);
        if (window) {
            window->raise();
            window->activateWindow();
        }
        return window;
    }
    auto* window = new PracticeWindow(practice);
    openWindows().insert(practice.instrument, window);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

PracticeWindow::PracticeWindow(const PracticeDefinition& practice)
    : m_name(practice.instrument)
    , m_instrument(practice.create())
{
    setObjectName(practice.objectName);
    setWindowTitle(practice.caption);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(WindowsFonts::pixels(QStringLiteral("MS Sans Serif"), 11));

    auto* layout = new QVBoxLayout(this);
    m_panel = new PracticePanel(*m_instrument.model, *m_instrument.face, this);
    m_exercises = new ExercisePane(*m_instrument.model, *m_panel, this);
    if (m_instrument.bench) {
        // An instrument on a bench lays out the panel and the exercises among its bench.
        layout->addWidget(m_instrument.bench(*m_panel, *m_exercises, this), 1);
    } else {
        auto* top = new QHBoxLayout;
        top->addWidget(m_panel, 0, Qt::AlignTop);
        if (m_instrument.model->output())
            addOscilloscope(top);
        layout->addLayout(top);
        layout->addWidget(m_exercises, 1);
    }
    connect(m_exercises, &ExercisePane::exerciseMet, this, [instrument = practice.instrument](int exercise) {
        learningProgress().recordExerciseMet(instrument, QString::number(exercise));
    });
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    auto* close = new QPushButton(QStringLiteral("&Cerrar"), this);
    close->setObjectName(QLatin1String(PracticeNames::closeButton));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &PracticeWindow::reject);
    closeRow->addWidget(close);
    layout->addLayout(closeRow);
    resize(sizeHint());
}

// The oscilloscope on the instrument's output, following it after every key.
void PracticeWindow::addOscilloscope(QBoxLayout* row)
{
    m_scope = new Oscilloscope(this);
    m_scope->setObjectName(QLatin1String(PracticeNames::oscilloscope));
    const auto follow = [this] { m_scope->setSignal(m_instrument.model->output().value_or(ScopeSignal{})); };
    follow();
    connect(m_panel, &PracticePanel::keyPressed, m_scope, follow);
    connect(m_panel, &PracticePanel::keyReleased, m_scope, follow);
    m_scope->setMinimumSize(m_scope->sizeHint());
    row->addWidget(m_scope, 1);
    learningProgress().setOscilloscopeSource(
        [scope = QPointer<Oscilloscope>(m_scope)] { return scope ? scope->grab().toImage() : QImage(); });
}

PracticeWindow::~PracticeWindow()
{
    releaseClaim();
}

void PracticeWindow::releaseClaim()
{
    // Only the window the claim was made for gives it up: one left over from before a
    // start-up, whose claim was dropped then, leaves its successor's alone.
    if (openWindows().value(m_name) != this)
        return;
    openWindows().remove(m_name);
    WindowClaims::release(OnePerInstrument::Practice, m_name);
}

void PracticeWindow::reject()
{
    m_exercises->stopDemonstration();
    if (m_scope)
        learningProgress().keepOscilloscope(m_scope->grab().toImage());
    hide();
    // Closed at once for whoever asks whether the practice is open; destroyed later.
    releaseClaim();
    Navigation::release(this);
}

void PracticeWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    reject();
}
