#include "sim/bench/Fluke45Bench.h"

class BenchSolve {};

Fluke45Bench::Fluke45Bench(std::uint64_t seed) : Fluke45Bench(CircuitLibrary::load(), seed) {}

Fluke45Bench::Fluke45Bench(CircuitLibrary library, std::uint64_t /*seed*/)
    : m_circuits(std::move(library.circuits)), m_problems(library.problems)
{
}

Fluke45Bench::~Fluke45Bench() = default;

void Fluke45Bench::press(int) {}
void Fluke45Bench::release(int) {}
void Fluke45Bench::tick(int) {}
QString Fluke45Bench::displayReading() const { return m_meter.display().reading(); }
bool Fluke45Bench::shiftLit() const { return false; }
int Fluke45Bench::exerciseCount() const { return 0; }
ExerciseText Fluke45Bench::exercise(int) const { return {}; }
QStringList Fluke45Bench::differences(int) const { return {}; }
QList<int> Fluke45Bench::keysBeforeSequence() const { return {}; }
QStringList Fluke45Bench::jackNames() const { return {}; }
QStringList Fluke45Bench::pointNames() const { return {}; }
LeadPlace Fluke45Bench::lead(Lead l) const { return m_leads.at(std::size_t(l)); }
QString Fluke45Bench::benchReading() const { return {}; }
QString Fluke45Bench::keyName(int key) const { return benchKeyName(key, pointNames(), circuitTitles()); }
QStringList Fluke45Bench::circuitTitles() const { return {}; }
const Circuit& Fluke45Bench::circuit() const { return m_circuits.at(std::size_t(m_circuitIndex)).circuit; }
bool Fluke45Bench::hasSupply() const { return false; }
bool Fluke45Bench::hasGenerator() const { return false; }
bool Fluke45Bench::breakOpen(int) const { return false; }
bool Fluke45Bench::supplyLimiting() const { return false; }
double Fluke45Bench::supplyVolts() const { return 0; }
double Fluke45Bench::supplyAmps() const { return 0; }
bool Fluke45Bench::fuseOpen(Jack) const { return false; }
double Fluke45Bench::lampBrightness(const QString&) const { return 0; }
double Fluke45Bench::pointVolts(int) const { return 0; }
void Fluke45Bench::resolve() {}
void Fluke45Bench::chooseCircuit(int) {}
