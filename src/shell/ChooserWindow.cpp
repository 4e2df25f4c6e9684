#include "ChooserWindow.h"

#include "AboutBox.h"
#include "ChooserPicture.h"
#include "ChooserTitleBox.h"
#include "PageCurl.h"
#include "Program.h"
#include "core/AppState.h"
#include "core/FormReference.h"
#include "core/HelpMenuItems.h"
#include "core/Navigation.h"
#include "core/ObjectNames.h"
#include "instruments/InstrumentWindows.h"
#include "platform/Pictures.h"
#include "platform/ScreenCursors.h"
#include "platform/SoundCue.h"
#include "platform/WindowPlacement.h"
#include "platform/WindowsFonts.h"
#include "widgets/Decorative.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QMenuBar>
#include <algorithm>

namespace {
constexpr int FrameInterval = 300; // ms between the animation's frames
constexpr int FrameCount = 4;      // the picture and its three frames
} // namespace

ChooserWindow::ChooserWindow()
    : m_pageSound(new SoundCue(this))
{
    setObjectName(ObjectNames::chooserWindow);
    setWindowTitle(QStringLiteral("Tutorial del Riverazadidi"));
    setFont(WindowsFonts::pixels(QStringLiteral("System"), 14));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* client = new QWidget(this);
    setCentralWidget(client);
    auto* groupBox = new ChooserTitleBox(QStringLiteral("Elija uno de los aparatos:"), client);
    groupBox->setObjectName(ObjectNames::chooserPicturesBox);
    groupBox->setFont(WindowsFonts::pixels(QStringLiteral("Garamond"), 19, true));
    groupBox->setGeometry(12, 13, 445, 260);
    buildPictures(groupBox);
    buildMenu();
    WindowPlacement::place(this, {195, 102}, {475, 331}, true);

    m_animationTimer.setInterval(FrameInterval);
    connect(&m_animationTimer, &QTimer::timeout, this, &ChooserWindow::advanceAnimation);

    if (!m_pageSound->open(QStringLiteral("SOND\\PAGINA.WAV")))
        return;
    registerCursorAndSoundMark();
    m_created = true;
}

ChooserWindow::~ChooserWindow() = default;

void ChooserWindow::buildPictures(QGroupBox* groupBox)
{
    m_pictures.reserve(InstrumentRegistry::all().size());
    for (const InstrumentRegistry::Entry& instrument : InstrumentRegistry::all()) {
        const ChooserEntry& entry = instrument.definition.chooser;
        auto* panel = new QFrame(groupBox);
        Decorative::markFrameOnly(panel);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setLineWidth(1);
        panel->setGeometry(entry.panel);

        PictureSet set{instrument.id, &entry, nullptr, {}};
        // The frames lie beneath the picture, hidden; their bitmaps are drawn when the
        // picture is first turned.
        for (int i = 0; i < 3; ++i) {
            auto* frame = new QLabel(panel);
            Decorative::mark(frame); // the turning page says nothing a screen reader should read
            frame->setObjectName(entry.frameObjectNames[i]);
            frame->setGeometry(QRect(entry.framesAt, entry.frameSizes[i]));
            frame->hide();
            set.frames[i] = frame;
        }
        set.main = new ChooserPicture(panel);
        set.main->setObjectName(entry.mainObjectName);
        set.main->setPixmap(Pictures::get(entry.pictureName, entry.main.size()));
        set.main->setGeometry(entry.main);
        set.main->setToolTip(entry.hint);
        set.main->setAccessibleName(entry.hint); // the instrument's name
        m_pictures.push_back(set);
    }
    for (PictureSet& set : m_pictures)
        connect(set.main, &ChooserPicture::clicked, this, [this, &set] { startAnimation(set); });
}

void ChooserWindow::buildMenu()
{
    QMenu* archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
    QAction* salir = archivo->addAction(QStringLiteral("&Salir"));
    salir->setObjectName(ObjectNames::exitMenuItem);
    salir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(salir, &QAction::triggered, this, &QWidget::close);

    QMenu* instrumento = menuBar()->addMenu(QStringLiteral("&Instrumento"));
    QMenu* multimetros = instrumento->addMenu(QStringLiteral("Multímetros"));
    auto addInstrument = [this](QMenu* menu, InstrumentId instrument) {
        const ChooserEntry& entry = InstrumentRegistry::definition(instrument).chooser;
        QAction* item = menu->addAction(entry.menuText);
        item->setObjectName(entry.menuObjectName);
        connect(item, &QAction::triggered, this, [this, instrument] { navigateTo(instrument); });
    };
    const std::vector<InstrumentId>& multimeters = InstrumentRegistry::multimeterMenuOrder();
    for (InstrumentId instrument : multimeters)
        addInstrument(multimetros, instrument);
    for (const InstrumentRegistry::Entry& instrument : InstrumentRegistry::all())
        if (std::find(multimeters.begin(), multimeters.end(), instrument.id) == multimeters.end())
            addInstrument(instrumento, instrument.id);

    QMenu* opciones = menuBar()->addMenu(QStringLiteral("&Opciones"));
    m_soundAction = opciones->addAction(QStringLiteral("Sonido"));
    m_soundAction->setObjectName(ObjectNames::soundMenuItem);
    m_soundAction->setCheckable(true);
    connect(m_soundAction, &QAction::triggered, this, [this] { appState().soundOn = m_soundAction->isChecked(); });

    QMenu* ayuda = menuBar()->addMenu(QStringLiteral("Ayuda"));
    ayuda->addAction(QStringLiteral("&Contenidos"))->setObjectName(ObjectNames::contentsMenuItem);
    HelpMenuItems::addTo(ayuda);
    ayuda->addSeparator();
    QAction* acerca = ayuda->addAction(QStringLiteral("&Acerca de Dorvex..."));
    acerca->setObjectName(ObjectNames::aboutMenuItem);
    connect(acerca, &QAction::triggered, this, [] {
        if (AboutBox* about = formReference<AboutBox>())
            about->showModally();
    });
}

void ChooserWindow::registerCursorAndSoundMark()
{
    ScreenCursors::registerCursor(ScreenCursors::PointingHand, ScreenCursors::pointingCursor());
    m_soundAction->setChecked(appState().soundOn);
}

void ChooserWindow::startAnimation(PictureSet& set)
{
    for (int step = 1; step <= 3; ++step) {
        QLabel* frame = set.frames[step - 1];
        if (frame->pixmap().isNull())
            frame->setPixmap(PageCurl::frame(set.main->pixmap(), set.entry->frameSizes[step - 1], step));
    }
    m_animated = &set;
    m_frameCounter = 0;
    if (!m_animationTimer.isActive())
        m_animationTimer.start(); // a running timer keeps its rhythm
    if (appState().soundOn)
        m_pageSound->play();
}

void ChooserWindow::advanceAnimation()
{
    if (!m_animated)
        return;
    PictureSet& set = *m_animated;
    const int k = ++m_frameCounter;
    QWidget* frameList[FrameCount] = {set.main, set.frames[0], set.frames[1], set.frames[2]};
    frameList[k - 1]->hide();
    if (k < FrameCount) {
        frameList[k]->show();
        return;
    }
    // The last frame: the timer stops before the instrument opens, so that no tick can
    // arrive while an error about the instrument's sound is on screen.
    m_pageSound->stop();
    m_animationTimer.stop();
    m_animated = nullptr;
    if (!InstrumentWindows::open(set.instrument, this))
        restore(set);
}

void ChooserWindow::restore(PictureSet& set)
{
    for (QLabel* frame : set.frames)
        frame->hide();
    set.main->show();
}

void ChooserWindow::navigateTo(InstrumentId instrument)
{
    m_pageSound->stop();
    if (InstrumentWindows::open(instrument, this)) {
        // Any animation is abandoned with the chooser.
        m_animationTimer.stop();
        m_animated = nullptr;
    }
}

void ChooserWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    Program::end();
}
