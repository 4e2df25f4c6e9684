#pragma once

#include "sim/bench/BenchKey.h"
#include "sim/circuit/CircuitLibrary.h"
#include "sim/common/InstrumentInputs.h"
#include "sim/common/InstrumentModel.h"
#include "sim/fg110/Fg110Model.h"
#include "sim/fluke45/Fluke45Meter.h"

#include <QSet>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class BenchSolve;
struct BenchWiring;

// The Fluke 45 on a bench: the meter, one circuit of the library (chosen by the student),
// the power supply's settings, the FG110 as a source, the two leads and the meter's input
// fuses. Every key and tick re-solves the circuit with the meter's own elements attached
// between the nodes the leads reach (an operating point, or whole periods of a transient
// when the generator drives the circuit) and gives the meter what its jacks see. Hidden
// values are drawn once per bench from its seed.
class Fluke45Bench : public InstrumentModel, public InstrumentInputs {
public:
    static constexpr std::uint64_t defaultSeed = 45;

    // The circuits of the library found on disk, or those given (for tests).
    explicit Fluke45Bench(std::uint64_t seed = defaultSeed);
    Fluke45Bench(CircuitLibrary library, std::uint64_t seed);
    ~Fluke45Bench() override;
    Fluke45Bench(const Fluke45Bench&) = delete;
    Fluke45Bench& operator=(const Fluke45Bench&) = delete;

    // InstrumentModel: keys are BenchKey's.
    void press(int key) override;
    void release(int key) override;
    void tick(int milliseconds) override;
    // Both displays, as the meter's reading says them.
    QString displayReading() const override;
    // A digit blinks while the number editor is open.
    bool blinks() const override;
    bool shiftLit() const override;
    InstrumentInputs* inputs() override { return this; }
    int exerciseCount() const override;
    ExerciseText exercise(int n) const override;
    QStringList differences(int n) const override;
    QList<int> keysBeforeSequence() const override;

    // InstrumentInputs.
    QStringList jackNames() const override;
    QStringList pointNames() const override;
    LeadPlace lead(Lead lead) const override;

    // The bench in words: the circuit, where each lead is, the supply's settings and CC
    // lamp, the generator, a blown fuse.
    QString benchReading() const;
    // A key's name in Spanish, points and circuits named as on this bench.
    QString keyName(int key) const;

    const Fluke45Meter& meter() const { return m_meter; }
    // The generator, driven by its own keys through `press(BenchKey::generator(...))`;
    // the window reads its display and draws its panel from it.
    const Fg110Model& generator() const { return m_generator; }

    // The circuits offered, their titles, the problems of those that did not read.
    int circuitCount() const { return int(m_circuits.size()); }
    QStringList circuitTitles() const;
    const QStringList& problems() const { return m_problems; }
    int circuitIndex() const { return m_circuitIndex; }
    const Circuit& circuitAt(int index) const;
    // The index of the circuit read from a file (its name, "pila.cir"), or -1.
    int circuitNamed(const QString& fileName) const;
    // The chosen circuit as it was read, its hidden values drawn, every break closed
    // (`breakOpen` tells which the student has opened), without the meter's elements.
    const Circuit& circuit() const;
    // The circuit the bench solved last, the meter's elements included, its sources driven
    // as the bench drives them (the generator's waveform set when it varies in time).
    const Circuit& solvedCircuit() const;
    // Whether the circuit has a supply or a generator connected, and a break open.
    bool hasSupply() const;
    bool hasGenerator() const;
    bool breakOpen(int index) const;

    const SupplySettings& supply() const { return m_supply; }
    // The supply's CC lamp: it holds the current at its limit.
    bool supplyLimiting() const;
    // What the supply delivers now, at its terminals.
    double supplyVolts() const;
    double supplyAmps() const;

    // Whether the fuse of a current input has opened (Milliamps or Amps).
    bool fuseOpen(Jack jack) const;
    // How bright each lamp of the circuit is, 0 dark to 1 at its rating, by element name.
    double lampBrightness(const QString& element) const;
    // The voltage at a test point over the circuit's ground, for a check; not shown.
    double pointVolts(int point) const;

    // The meter's sounds since the last call.
    std::vector<Fluke45Sound> takeSounds() { return m_meter.takeSounds(); }

    // What the bench remembers of the measurements made on this circuit, for the
    // exercises that ask for more than one: the diode tests seen with the circuit
    // unpowered, as "A>B" (red on A, black on B) with " OL" when the display read an
    // overload...
    const QSet<QString>& diodeTestsSeen() const { return m_diodeSeen; }
    // ...and the lowest and highest set points of the supply while MN MX recorded.
    std::pair<double, double> supplyTurnedDuringMinMax() const { return m_minMaxSupply; }

private:
    void act(BenchAction action);
    void turnSupply(double volts);
    void plugLead(Lead lead, std::optional<Jack> jack);
    void setBreak(int index, bool open);
    void chooseCircuit(int index);
    BenchWiring wiring() const;
    void resolve();
    void noteWhatIsMeasured();

    Fluke45Meter m_meter;
    Fg110Model m_generator;
    std::vector<CircuitFile> m_circuits;
    QStringList m_problems;
    int m_circuitIndex = 0;
    std::vector<std::vector<bool>> m_breaksOpen; // per circuit
    SupplySettings m_supply;
    std::array<LeadPlace, leadCount> m_leads;
    bool m_milliampsFuseOpen = false;
    bool m_ampsFuseOpen = false;
    std::unique_ptr<BenchSolve> m_solve;
    QSet<QString> m_diodeSeen;
    std::pair<double, double> m_minMaxSupply{0.0, 0.0};
};
