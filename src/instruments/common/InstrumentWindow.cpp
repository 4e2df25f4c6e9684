#include "InstrumentWindow.h"

#include "FrontPanelExplorer.h"
#include "core/AppState.h"
#include "core/HelpMenuItems.h"
#include "core/Navigation.h"
#include "core/ObjectNames.h"
#include "core/WindowClaims.h"
#include "platform/MessageBoxes.h"
#include "platform/Pictures.h"
#include "platform/SoundCue.h"
#include "platform/WindowPlacement.h"
#include "platform/WindowsFonts.h"
#include "practice/PracticeWindow.h"
#include "quiz/QuestionnaireWindow.h"
#include "widgets/Decorative.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>

InstrumentWindow::InstrumentWindow(const InstrumentDefinition& instrument)
    : m_instrument(instrument)
    , m_data(instrument.window)
    , m_cue(new SoundCue(this))
{
    setObjectName(m_data.frame.objectName);
    m_cue->setObjectName(m_data.cueName);
    setWindowTitle(m_data.frame.caption);
    setFont(WindowsFonts::pixels(QStringLiteral("System"), 13));

    auto* client = new QWidget(this);
    setCentralWidget(client);
    auto* titleArt = new QLabel(client);
    Decorative::mark(titleArt); // the window's title says the same
    titleArt->setObjectName(ObjectNames::titleArt);
    titleArt->setGeometry(m_data.titleArt);
    titleArt->setPixmap(Pictures::get(QStringLiteral("titles/") + m_data.pictureName, m_data.titleArt.size()));
    auto* photograph = new QLabel(client);
    photograph->setObjectName(ObjectNames::photograph);
    photograph->setAccessibleName(instrument.chooser.hint); // the instrument's name, as the chooser gives it
    photograph->setGeometry(m_data.photograph);
    photograph->setPixmap(Pictures::get(QStringLiteral("chooser/") + m_data.pictureName, m_data.photograph.size()));

    m_optionsMenu = menuBar()->addMenu(QStringLiteral("Opciones"));
    m_optionsMenu->setObjectName(ObjectNames::optionsMenu);
    m_frontPanelAction = m_optionsMenu->addAction(QStringLiteral("&Panel frontal"));
    m_frontPanelAction->setObjectName(ObjectNames::frontPanelMenuItem);
    connect(m_frontPanelAction, &QAction::triggered, this, [this] { openFrontPanel(); });
    QAction* cuestiones = m_optionsMenu->addAction(QStringLiteral("&Cuestiones"));
    cuestiones->setObjectName(ObjectNames::questionsMenuItem);
    connect(cuestiones, &QAction::triggered, this, [this] { openQuestionnaire(); });
    if (m_instrument.practice.create) {
        QAction* practica = m_optionsMenu->addAction(QStringLiteral("P&ráctica"));
        practica->setObjectName(ObjectNames::practiceMenuItem);
        connect(practica, &QAction::triggered, this, [this] { PracticeWindow::open(m_instrument.practice); });
    }
    m_optionsMenu->addSeparator()->setObjectName(ObjectNames::optionsSeparator);
    QAction* volver = m_optionsMenu->addAction(QStringLiteral("&Volver"));
    volver->setObjectName(ObjectNames::backMenuItem);
    if (m_data.volverShortcut)
        volver->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    connect(volver, &QAction::triggered, this, &InstrumentWindow::goBack);

    QMenu* ayuda = menuBar()->addMenu(QStringLiteral("Ayuda"));
    ayuda->setObjectName(ObjectNames::helpMenu);
    QAction* help = ayuda->addAction(QStringLiteral("&Ayuda"));
    help->setObjectName(ObjectNames::helpMenuItem);
    connect(help, &QAction::triggered, this, [] { Navigation::showHelp(); });
    HelpMenuItems::addTo(ayuda);

    WindowPlacement::place(this, m_data.frame.position, m_data.frame.outerSize, true);
    m_created = m_cue->open(m_data.soundFile);
    // A new window of the instrument starts with none of its notes open.
    if (m_created && m_instrument.openNotes)
        m_instrument.openNotes().clear();
}

InstrumentWindow::~InstrumentWindow() = default;

QMenu* InstrumentWindow::addNotesMenu()
{
    auto* notes = new QMenu(QStringLiteral("&Notas generales"), m_optionsMenu);
    notes->setObjectName(ObjectNames::generalNotesMenu);
    m_optionsMenu->insertMenu(m_frontPanelAction, notes);
    return notes;
}

FrontPanelExplorer* InstrumentWindow::createFrontPanel(const InstrumentDefinition& instrument)
{
    const FrontPanelDefinition& panel = instrument.panel;
    if (!panel.layout)
        return nullptr;
    return new FrontPanelExplorer(panel.layout(), panel.catalogue(),
                                  panel.stackedCatalogue ? &panel.stackedCatalogue() : nullptr,
                                  instrument.window.pictureName);
}

void InstrumentWindow::openFrontPanel()
{
    if (!m_instrument.panel.layout)
        return;
    if (m_instrument.panel.onePanelRule && !WindowClaims::claim(OneAtATime::FrontPanel))
        return;
    Navigation::present(createFrontPanel(m_instrument));
}

void InstrumentWindow::openQuestionnaire()
{
    if (!m_instrument.questionBank || !WindowClaims::claim(OneAtATime::Questionnaire))
        return;
    Navigation::present(new QuestionnaireWindow(m_instrument.questionBank()));
}

bool InstrumentWindow::noteOpen() const
{
    return m_instrument.openNotes && m_instrument.openNotes().any();
}

void InstrumentWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        playCueOnShow();
}

void InstrumentWindow::playCueOnShow()
{
    if (appState().soundOn)
        m_cue->play();
}

void InstrumentWindow::goBack()
{
    const auto refusal = leavingRefusal(
        m_data.guards, {noteOpen(), WindowClaims::isClaimed(OneAtATime::FrontPanel),
                        WindowClaims::isClaimed(OneAtATime::Questionnaire),
                        WindowClaims::isClaimed(OnePerInstrument::Practice, m_instrument.practice.instrument)});
    if (refusal) {
        MessageBoxes::show(this, refusal->caption, refusal->text, MessageBoxes::Icon::Exclamation);
        return;
    }
    Navigation::backToChooser(this);
}

void InstrumentWindow::closeEvent(QCloseEvent* event)
{
    // The window is never just hidden: either leaving is refused and it stays, or a new
    // chooser takes its place and it is released.
    event->ignore();
    goBack();
}
