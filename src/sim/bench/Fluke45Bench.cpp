#include "sim/bench/Fluke45Bench.h"

#include "sim/bench/BenchExercises.h"
#include "sim/bench/BenchSolve.h"

#include <algorithm>
#include <cmath>

namespace {

// The supply's knobs turn in steps: coarse and fine for the voltage, one for the limit.
constexpr double coarseVolts = 1.0;
constexpr double fineVolts = 0.1;
constexpr double limitStep = 0.1;
// How many times the meter and the circuit are solved again after a key at most: a
// change of the meter's load (autorange between ohms ranges) asks for one more.
constexpr int maximumPasses = 3;

double stepped(double value, double step, double lowest, double highest)
{
    // Steps land on whole tenths, whatever rounding earlier steps left.
    return std::clamp(std::round((value + step) * 100.0) / 100.0, lowest, highest);
}

} // namespace

Fluke45Bench::Fluke45Bench(std::uint64_t seed)
    : Fluke45Bench(CircuitLibrary::load(), seed)
{ }

Fluke45Bench::Fluke45Bench(CircuitLibrary library, std::uint64_t seed)
    : m_circuits(std::move(library.circuits))
    , m_problems(std::move(library.problems))
{
    for (std::size_t i = 0; i < m_circuits.size(); ++i) {
        m_circuits[i].circuit.drawHiddenValues(seed + i);
        m_breaksOpen.emplace_back(m_circuits[i].circuit.breaks.size(), false);
    }
    m_leads[std::size_t(Lead::Red)].jack = Jack::VoltsOhms;
    m_leads[std::size_t(Lead::Black)].jack = Jack::Common;
    chooseCircuit(0);
}

Fluke45Bench::~Fluke45Bench() = default;

// ---- keys

void Fluke45Bench::press(int key)
{
    using namespace BenchKey;
    if (const auto meterKey = BenchKey::meterKey(key)) {
        m_meter.press(*meterKey);
    } else if (const auto generatorKey = BenchKey::generatorKey(key)) {
        m_generator.press(int(*generatorKey));
    } else if (const auto action = actionKey(key)) {
        act(*action);
    } else if (key >= plugBase && key < plugBase + leadCount * 10) {
        const int jack = (key - plugBase) % 10;
        plugLead(Lead((key - plugBase) / 10), jack < jackCount ? std::optional<Jack>(Jack(jack)) : std::nullopt);
    } else if (key >= touchBase && key < touchBase + leadCount * 100) {
        const int point = (key - touchBase) % 100;
        LeadPlace& place = m_leads[std::size_t((key - touchBase) / 100)];
        if (point == maximumPoints)
            place.point.reset();
        else if (point < int(circuit().testPoints.size()))
            place.point = point;
    } else if (key >= closeBreakBase && key < closeBreakBase + 50) {
        setBreak(key - closeBreakBase, false);
    } else if (key >= openBreakBase && key < openBreakBase + 50) {
        setBreak(key - openBreakBase, true);
    } else if (key >= circuitBase && key < circuitBase + 100) {
        chooseCircuit(key - circuitBase);
    }
    resolve();
}

void Fluke45Bench::release(int key)
{
    if (const auto meterKey = BenchKey::meterKey(key))
        m_meter.release(*meterKey);
    else if (const auto generatorKey = BenchKey::generatorKey(key))
        m_generator.release(int(*generatorKey));
    resolve();
}

void Fluke45Bench::tick(int milliseconds)
{
    m_meter.tick(milliseconds);
    m_generator.tick(milliseconds);
    resolve();
}

void Fluke45Bench::act(BenchAction action)
{
    switch (action) {
    case BenchAction::SupplyCoarseUp:
        turnSupply(+coarseVolts);
        break;
    case BenchAction::SupplyCoarseDown:
        turnSupply(-coarseVolts);
        break;
    case BenchAction::SupplyFineUp:
        turnSupply(+fineVolts);
        break;
    case BenchAction::SupplyFineDown:
        turnSupply(-fineVolts);
        break;
    case BenchAction::SupplyLimitUp:
        m_supply.currentLimit = stepped(m_supply.currentLimit, limitStep, 0, SupplySettings::maximumCurrent);
        break;
    case BenchAction::SupplyLimitDown:
        m_supply.currentLimit = stepped(m_supply.currentLimit, -limitStep, 0, SupplySettings::maximumCurrent);
        break;
    case BenchAction::SupplyOutputOn:
        m_supply.outputOn = true;
        break;
    case BenchAction::SupplyOutputOff:
        m_supply.outputOn = false;
        break;
    case BenchAction::ReplaceFuses:
        m_milliampsFuseOpen = false;
        m_ampsFuseOpen = false;
        break;
    }
}

void Fluke45Bench::turnSupply(double volts)
{
    m_supply.setPoint = stepped(m_supply.setPoint, volts, 0, SupplySettings::maximumVoltage);
}

// A jack takes one plug: a lead plugged where the other is goes nowhere.
void Fluke45Bench::plugLead(Lead lead, std::optional<Jack> jack)
{
    const Lead other = lead == Lead::Red ? Lead::Black : Lead::Red;
    if (jack && m_leads[std::size_t(other)].jack == jack)
        return;
    m_leads[std::size_t(lead)].jack = jack;
}

void Fluke45Bench::setBreak(int index, bool open)
{
    if (m_breaksOpen.empty())
        return;
    auto& breaks = m_breaksOpen[std::size_t(m_circuitIndex)];
    if (index >= 0 && index < int(breaks.size()))
        breaks[std::size_t(index)] = open;
}

// A circuit is put on the bench as it comes: its breaks closed, its parts cold and the
// supply set as its file says. Tips on points it does not have are lifted.
void Fluke45Bench::chooseCircuit(int index)
{
    if (index < 0 || index >= circuitCount())
        return;
    m_circuitIndex = index;
    const Circuit& chosen = circuit();
    std::fill(m_breaksOpen[std::size_t(index)].begin(), m_breaksOpen[std::size_t(index)].end(), false);
    if (const Element* supply = chosen.element(Circuit::supplyName()))
        m_supply = supply->supply;
    for (LeadPlace& place : m_leads)
        if (place.point && *place.point >= int(chosen.testPoints.size()))
            place.point.reset();
    m_diodeSeen.clear();
    m_solve = std::make_unique<BenchSolve>(chosen);
}

// ---- solving

BenchWiring Fluke45Bench::wiring() const
{
    BenchWiring wiring;
    const Circuit& chosen = circuit();
    for (const LeadPlace& place : m_leads) {
        if (!place.jack || !place.point)
            continue;
        const int node = chosen.findNode(chosen.testPoints.at(std::size_t(*place.point)).node);
        if (node >= 0)
            wiring.jackNodes[std::size_t(*place.jack)] = node;
    }
    wiring.breaksOpen = m_breaksOpen[std::size_t(m_circuitIndex)];
    wiring.supply = m_supply;
    wiring.generatorOn = m_generator.generator().isOn();
    wiring.generator = m_generator.generator().settings();
    wiring.load = m_meter.load();
    wiring.milliampsFuseOpen = m_milliampsFuseOpen;
    wiring.ampsFuseOpen = m_ampsFuseOpen;
    return wiring;
}

// Solves with the meter's present load and gives the meter what its jacks see; when the
// reading changes the load (autorange moving between ohms ranges), once more.
void Fluke45Bench::resolve()
{
    if (!m_solve)
        return;
    for (int pass = 0; pass < maximumPasses; ++pass) {
        if (!m_solve->solve(wiring(), m_generator.output().value_or(ScopeSignal{})))
            break;
        m_milliampsFuseOpen = m_solve->milliampsFuseOpen();
        m_ampsFuseOpen = m_solve->ampsFuseOpen();
        m_meter.setSignals(m_solve->meterSignals());
    }
    noteWhatIsMeasured();
}

// What the bench remembers of the measurements made on this circuit: a diode's test in
// each direction, and how far the supply was turned while MN MX recorded.
void Fluke45Bench::noteWhatIsMeasured()
{
    const Fluke45Settings& settings = m_meter.settings();
    if (settings.minMax == MinMaxShown::Off || !m_meter.isOn())
        m_minMaxSupply = {m_supply.setPoint, m_supply.setPoint};
    else
        m_minMaxSupply = {std::min(m_minMaxSupply.first, m_supply.setPoint),
                          std::max(m_minMaxSupply.second, m_supply.setPoint)};
    const LeadPlace& red = lead(Lead::Red);
    const LeadPlace& black = lead(Lead::Black);
    // A diode tested in a powered circuit reads the circuit as much as the diode.
    const bool powered =
        (hasSupply() && m_supply.outputOn)
        || (hasGenerator() && m_generator.generator().isOn() && m_generator.generator().settings().outputOn);
    if (!powered && m_meter.isOn() && settings.function == Fluke45Function::Diode && red.jack == Jack::VoltsOhms
        && red.point && black.jack == Jack::Common && black.point) {
        const QStringList points = pointNames();
        const bool overload = m_meter.state().reading.endsWith(QLatin1String("OL"));
        m_diodeSeen.insert(points.at(*red.point) + QLatin1Char('>') + points.at(*black.point)
                           + (overload ? QStringLiteral(" OL") : QString()));
    }
}

// ---- what is shown

QString Fluke45Bench::displayReading() const
{
    return m_meter.display().reading();
}

bool Fluke45Bench::blinks() const
{
    const Fluke45Display display = m_meter.display();
    return display.primary.blinkingDigit >= 0 || display.secondary.blinkingDigit >= 0;
}

bool Fluke45Bench::shiftLit() const
{
    return m_meter.display().has(Fluke45Annunciator::Second);
}

int Fluke45Bench::exerciseCount() const
{
    return int(benchExercises().size());
}

// The hints start from this state: what must be done before the solution (switching
// something on, a fuse, the leads) is said first, its keys lit, and the listing is what
// "Muéstramelo" plays.
ExerciseText Fluke45Bench::exercise(int n) const
{
    const BenchExercise& e = benchExercises().at(n);
    const QList<int> before = keysBeforeSequence();
    const QList<int> keys = e.sequence(*this);
    const QString preparation = benchPreparation(before);
    QList<int> lit = e.keysToLight;
    for (int key : before)
        if ((BenchKey::meterKey(key) || BenchKey::generatorKey(key)) && !lit.contains(key))
            lit << key;
    return {e.statement, preparation + e.whichKeys, lit,
            preparation + e.sequenceText + QStringLiteral(" Teclas: ") + benchKeyListing(*this, before + keys)
                + QLatin1Char('.'),
            keys};
}

QStringList Fluke45Bench::differences(int n) const
{
    return benchExercises().at(n).differences(*this);
}

// Only what the state asks for, since the third hint lists these keys: the generator on
// with SHIFT off as its own model asks; the meter on at its factory settings (POWER, or
// POWER twice); both tips lifted, so that no plug moved afterwards puts a current input
// across a source; a plug pulled out where it would keep the other from its jack (a
// solution plugs the red lead, then the black one into COM); a blown fuse replaced.
QList<int> Fluke45Bench::keysBeforeSequence() const
{
    QList<int> keys;
    for (int key : m_generator.keysBeforeSequence())
        keys << BenchKey::generatorBase + key;
    if (!m_meter.isOn())
        keys << BenchKey::meter(Fluke45Key::Power);
    else if (!m_meter.atFactorySettings())
        keys << BenchKey::meter(Fluke45Key::Power) << BenchKey::meter(Fluke45Key::Power);
    for (Lead lead : {Lead::Red, Lead::Black})
        if (m_leads[std::size_t(lead)].point)
            keys << BenchKey::touch(lead, std::nullopt);
    const std::optional<Jack> blackJack = m_leads[std::size_t(Lead::Black)].jack;
    if (blackJack && blackJack != Jack::Common)
        keys << BenchKey::plug(Lead::Black, std::nullopt);
    if (m_leads[std::size_t(Lead::Red)].jack == Jack::Common)
        keys << BenchKey::plug(Lead::Red, std::nullopt);
    if (m_milliampsFuseOpen || m_ampsFuseOpen)
        keys << BenchKey::action(BenchAction::ReplaceFuses);
    return keys;
}

QStringList Fluke45Bench::jackNames() const
{
    QStringList names;
    for (int jack = 0; jack < jackCount; ++jack)
        names << jackName(Jack(jack));
    return names;
}

QStringList Fluke45Bench::pointNames() const
{
    QStringList names;
    for (const TestPoint& point : circuit().testPoints)
        names << point.node;
    return names;
}

LeadPlace Fluke45Bench::lead(Lead lead) const
{
    return m_leads.at(std::size_t(lead));
}

QString Fluke45Bench::keyName(int key) const
{
    return benchKeyName(key, pointNames(), circuitTitles());
}

QStringList Fluke45Bench::circuitTitles() const
{
    QStringList titles;
    for (const CircuitFile& file : m_circuits)
        titles << file.circuit.title;
    return titles;
}

int Fluke45Bench::circuitNamed(const QString& fileName) const
{
    for (int i = 0; i < circuitCount(); ++i)
        if (m_circuits[std::size_t(i)].fileName.endsWith(fileName))
            return i;
    return -1;
}

const Circuit& Fluke45Bench::circuit() const
{
    return circuitAt(m_circuitIndex);
}

const Circuit& Fluke45Bench::solvedCircuit() const
{
    return m_solve ? m_solve->circuit() : circuit();
}

const Circuit& Fluke45Bench::circuitAt(int index) const
{
    static const Circuit none;
    return index < 0 || index >= circuitCount() ? none : m_circuits.at(std::size_t(index)).circuit;
}

bool Fluke45Bench::hasSupply() const
{
    return circuit().element(Circuit::supplyName()) != nullptr;
}

bool Fluke45Bench::hasGenerator() const
{
    return circuit().element(Circuit::generatorName()) != nullptr;
}

bool Fluke45Bench::breakOpen(int index) const
{
    const auto& breaks = m_breaksOpen.empty() ? std::vector<bool>{} : m_breaksOpen[std::size_t(m_circuitIndex)];
    return index >= 0 && index < int(breaks.size()) && breaks[std::size_t(index)];
}

bool Fluke45Bench::supplyLimiting() const
{
    return hasSupply() && m_solve && m_solve->supplyLimiting();
}

double Fluke45Bench::supplyVolts() const
{
    return m_solve ? m_solve->supplyVolts() : 0.0;
}

double Fluke45Bench::supplyAmps() const
{
    return m_solve ? m_solve->supplyAmps() : 0.0;
}

bool Fluke45Bench::fuseOpen(Jack jack) const
{
    return jack == Jack::Milliamps ? m_milliampsFuseOpen : jack == Jack::Amps && m_ampsFuseOpen;
}

double Fluke45Bench::lampBrightness(const QString& element) const
{
    return m_solve ? std::clamp(m_solve->lampHeat(element), 0.0, 1.0) : 0.0;
}

double Fluke45Bench::pointVolts(int point) const
{
    const Circuit& chosen = circuit();
    if (!m_solve || point < 0 || point >= int(chosen.testPoints.size()))
        return 0.0;
    return m_solve->nodeVolts(chosen.findNode(chosen.testPoints.at(std::size_t(point)).node));
}
