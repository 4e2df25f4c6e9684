#include "instruments/fluke45/practice/Fluke45BenchView.h"

#include "instruments/common/practice/PanelKeyButton.h"
#include "instruments/common/practice/PracticePanel.h"
#include "instruments/fg110/practice/Fg110Face.h"
#include "instruments/fluke45/practice/CircuitPicture.h"
#include "instruments/fluke45/practice/Fluke45Beeper.h"
#include "instruments/fluke45/practice/Fluke45PanelKeys.h"
#include "instruments/fluke45/practice/GeneratorOnBench.h"
#include "instruments/fluke45/practice/LeadsOverlay.h"
#include "instruments/fluke45/practice/SupplyControls.h"
#include "sim/bench/Fluke45Bench.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// How near a jack a click puts the plug in it, in picture pixels.
constexpr double jackRadius = 16;
// How often the bench is looked at between keys, for what time changes (a fuse heating, a
// lamp warming, the continuous beep).
constexpr int followMilliseconds = 100;
// The bench's state in words, beside the panel.
constexpr int readingWidth = 215;
} // namespace

Fluke45BenchView::Fluke45BenchView(Fluke45Bench& bench, PracticePanel& panel, QWidget& exercises, QWidget* parent)
    : QWidget(parent)
    , m_bench(bench)
    , m_panel(panel)
    , m_generator(std::make_unique<GeneratorOnBench>(bench))
    , m_generatorFace(std::make_unique<Fg110Face>(bench.generator()))
    , m_beeper(new Fluke45Beeper(this))
{
    setObjectName(QStringLiteral("Banco"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    top->addWidget(&panel, 0, Qt::AlignTop | Qt::AlignLeft);
    m_reading = new QLabel(this);
    m_reading->setObjectName(QStringLiteral("EstadoBanco"));
    m_reading->setWordWrap(true);
    m_reading->setFocusPolicy(Qt::TabFocus);
    m_reading->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    // Of a fixed size, so that a new reading is only painted, never a new layout of the window.
    m_reading->setFixedSize(readingWidth, Fluke45PanelPlaces::picture.height());
    top->addWidget(m_reading, 1);
    layout->addLayout(top);
    layout->addWidget(newLeadsRow());
    auto* bottom = new QHBoxLayout;
    m_circuit = new CircuitPicture(this);
    m_circuit->setObjectName(QStringLiteral("Circuito"));
    m_circuit->setAccessibleName(QStringLiteral("Circuito"));
    connect(m_circuit, &CircuitPicture::pointClicked, this, &Fluke45BenchView::pointClicked);
    m_circuit->setLampBrightness([this](const QString& lamp) { return m_bench.lampBrightness(lamp); });
    bottom->addWidget(m_circuit, 1);
    bottom->addWidget(newSources(exercises), 0);
    layout->addLayout(bottom, 1);

    orderTabs(exercises);
    panel.installEventFilter(this);
    connect(&panel, &PracticePanel::keyPressed, this, &Fluke45BenchView::follow);
    connect(&panel, &PracticePanel::keyReleased, this, &Fluke45BenchView::follow);
    auto* clock = new QTimer(this);
    clock->setInterval(followMilliseconds);
    connect(clock, &QTimer::timeout, this, &Fluke45BenchView::followTime);
    clock->start();

    m_overlay = new LeadsOverlay(
        [this](int lead) {
            LeadsOverlay::Ends ends;
            const LeadPlace place = m_bench.lead(Lead(lead));
            if (place.jack) {
                const QPointF jack = Fluke45PanelPlaces::jacks[int(*place.jack)];
                ends.plug = m_panel.mapTo(this, jack);
                // Dangling, it hangs outside the jacks' block, clear of the other jacks.
                ends.hang =
                    jack.x() < Fluke45PanelPlaces::jacks[int(Jack::Amps)].x() ? QPointF(-40, 110) : QPointF(45, 110);
            }
            const QStringList points = m_bench.pointNames();
            if (place.point && *place.point < points.size())
                ends.tip = m_circuit->mapTo(this, m_circuit->placeOf(points.at(*place.point)));
            return ends;
        },
        this);
    // The cables hang behind the controls under the meter and beside the board.
    QList<const QWidget*> clear{m_reading, m_tabs};
    for (const QWidget* control : m_chooser->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        clear << control;
    m_overlay->keepClearOf(clear);
    follow();
}

Fluke45BenchView::~Fluke45BenchView() = default;

QWidget* Fluke45BenchView::newLeadsRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* chooserLabel = new QLabel(QStringLiteral("C&ircuito:"), row);
    m_chooser = new QComboBox(row);
    m_chooser->setObjectName(QStringLiteral("ElegirCircuito"));
    m_chooser->addItems(m_bench.circuitTitles());
    // As wide as its longest title: every circuit's name is read whole.
    m_chooser->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    chooserLabel->setBuddy(m_chooser);
    connect(m_chooser, &QComboBox::activated, this, [this](int index) { press(BenchKey::chooseCircuit(index)); });
    layout->addWidget(chooserLabel);
    layout->addWidget(m_chooser);
    for (Lead lead : {Lead::Red, Lead::Black}) {
        auto* control = new LeadControl(lead, row);
        control->setObjectName(lead == Lead::Red ? QStringLiteral("CableRojo") : QStringLiteral("CableNegro"));
        connect(control, &LeadControl::plugTo, this,
                [this, lead](std::optional<Jack> jack) { press(BenchKey::plug(lead, jack)); });
        connect(control, &LeadControl::tipTo, this,
                [this, lead](std::optional<int> point) { press(BenchKey::touch(lead, point)); });
        connect(control, &LeadControl::endPicked, this, [this, lead](LeadControl::End end) {
            m_inHand = std::pair{lead, end};
            m_leads[std::size_t(lead == Lead::Red ? Lead::Black : Lead::Red)]->setPicked(std::nullopt);
        });
        m_leads[std::size_t(lead)] = control;
        layout->addWidget(control, 1);
    }
    m_break = new QPushButton(row);
    m_break->setObjectName(QStringLiteral("BotonPuente"));
    m_break->setAutoDefault(false);
    connect(m_break, &QPushButton::clicked, this,
            [this] { press(m_bench.breakOpen(0) ? BenchKey::closeBreak(0) : BenchKey::openBreak(0)); });
    layout->addWidget(m_break);
    m_fuse = new QPushButton(QStringLiteral("Cambiar &fusible"), row);
    m_fuse->setObjectName(QStringLiteral("BotonCambiarFusible"));
    m_fuse->setAutoDefault(false);
    connect(m_fuse, &QPushButton::clicked, this, [this] { press(BenchKey::action(BenchAction::ReplaceFuses)); });
    layout->addWidget(m_fuse);
    if (!m_bench.problems().isEmpty()) {
        // A circuit file that did not read is said here, and not offered.
        m_chooser->setToolTip(m_bench.problems().join(QLatin1Char('\n')));
        m_chooser->setAccessibleDescription(m_bench.problems().join(QLatin1Char(' ')));
    }
    return row;
}

QWidget* Fluke45BenchView::newSources(QWidget& exercises)
{
    auto* tabs = m_tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("Fuentes"));
    // Tab reaches the tabs once, where they read: at their bar, not again where the tab
    // widget stands in the chain (through its focus proxy it would hand the focus to its bar).
    tabs->setFocusProxy(nullptr);
    tabs->setFocusPolicy(Qt::NoFocus);
    tabs->tabBar()->setFocusPolicy(Qt::TabFocus);
    tabs->addTab(&exercises, QStringLiteral("Ejercicios"));
    m_supply = new SupplyControls(m_bench, tabs);
    connect(m_supply, &SupplyControls::pressed, this, &Fluke45BenchView::press);
    tabs->addTab(m_supply, QStringLiteral("Fuente de alimentación"));
    // The FG110's panel is made when its tab is first shown: many a student never turns to it.
    auto* generatorPage = new QWidget(tabs);
    auto* generatorLayout = new QVBoxLayout(generatorPage);
    generatorLayout->setContentsMargins(0, 0, 0, 0);
    generatorPage->setMinimumSize(m_generatorFace->pictureSize());
    const int generatorTab = tabs->addTab(generatorPage, QStringLiteral("Generador FG110"));
    connect(tabs, &QTabWidget::currentChanged, this, [this, generatorPage, generatorLayout, generatorTab](int tab) {
        if (tab != generatorTab || m_generatorPanel)
            return;
        m_generatorPanel = new PracticePanel(*m_generator, *m_generatorFace, generatorPage);
        m_generatorPanel->setObjectName(QStringLiteral("PanelGenerador"));
        connect(m_generatorPanel, &PracticePanel::keyPressed, this, &Fluke45BenchView::follow);
        generatorLayout->addWidget(m_generatorPanel, 0, Qt::AlignTop | Qt::AlignLeft);
    });
    return tabs;
}

// Tab goes as one reads: the panel's keys, the bench's state beside them, the leads' row,
// the tabs, the page shown, the other pages' controls, and last the window's own.
void Fluke45BenchView::orderTabs(QWidget& exercises)
{
    QList<QWidget*> order{m_panel.keyButton(BenchKey::meter(Fluke45Key::Power)), m_reading, m_chooser};
    for (LeadControl* lead : m_leads)
        order << lead;
    order << m_break << m_fuse << m_tabs->tabBar();
    QList<QWidget*> pane;
    for (QWidget* w : exercises.findChildren<QWidget*>())
        if (w->focusPolicy() & Qt::TabFocus)
            pane << w;
    for (QWidget* w = exercises.nextInFocusChain(); w != &exercises && pane.contains(w); w = w->nextInFocusChain())
        order << w;
    for (QWidget* w : std::as_const(pane))
        if (!order.contains(w))
            order << w;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Fluke45BenchView::press(int key)
{
    m_panel.press(key);
    m_panel.release(key);
}

void Fluke45BenchView::pointClicked(const QString& point)
{
    if (!m_inHand || m_inHand->second != LeadControl::End::Tip)
        return;
    const int index = int(m_bench.pointNames().indexOf(point));
    const Lead lead = m_inHand->first;
    m_inHand.reset();
    m_leads[std::size_t(lead)]->setPicked(std::nullopt);
    if (index >= 0)
        press(BenchKey::touch(lead, index));
}

bool Fluke45BenchView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_panel && event->type() == QEvent::MouseButtonPress && m_inHand
        && m_inHand->second == LeadControl::End::Plug) {
        const QPointF at = static_cast<QMouseEvent*>(event)->position();
        for (int jack = 0; jack < jackCount; ++jack) {
            const QPointF d = at - Fluke45PanelPlaces::jacks[jack];
            if (std::hypot(d.x(), d.y()) <= jackRadius) {
                const Lead lead = m_inHand->first;
                m_inHand.reset();
                m_leads[std::size_t(lead)]->setPicked(std::nullopt);
                press(BenchKey::plug(lead, Jack(jack)));
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Fluke45BenchView::followTime()
{
    m_beeper->follow(m_bench.takeSounds());
    m_circuit->followLamps();
    m_supply->follow();
    const QString reading = m_bench.benchReading();
    if (m_reading->text() != reading) {
        m_reading->setText(reading);
        m_reading->setAccessibleName(reading);
    }
}

void Fluke45BenchView::follow()
{
    const QStringList jacks = m_bench.jackNames();
    const QStringList points = m_bench.pointNames();
    for (LeadControl* control : m_leads)
        control->showPlace(m_bench.lead(control->lead()), jacks, points,
                           m_bench.lead(control->lead() == Lead::Red ? Lead::Black : Lead::Red).jack);
    if (m_bench.circuitCount() > 0 && m_chooser->currentIndex() != m_bench.circuitIndex())
        m_chooser->setCurrentIndex(m_bench.circuitIndex());
    // The board drawn again only when it changes: another circuit, or its break.
    const std::pair shown{m_bench.circuitCount() > 0 ? m_bench.circuitIndex() : -1, m_bench.breakOpen(0)};
    if (shown != m_boardShown) {
        m_boardShown = shown;
        m_circuit->setCircuit(m_bench.circuitCount() > 0 ? &m_bench.circuit() : nullptr);
    }
    const bool hasBreak = m_bench.circuitCount() > 0 && !m_bench.circuit().breaks.empty();
    m_break->setVisible(hasBreak);
    if (hasBreak) {
        const CircuitBreak& gap = m_bench.circuit().breaks.front();
        const QString between =
            m_bench.circuit().nodeName(gap.first) + QStringLiteral("–") + m_bench.circuit().nodeName(gap.second);
        m_break->setText(m_bench.breakOpen(0) ? QStringLiteral("Cerrar el &puente ") + between
                                              : QStringLiteral("Abrir el &puente ") + between);
    }
    followTime();
    m_overlay->follow();
}
