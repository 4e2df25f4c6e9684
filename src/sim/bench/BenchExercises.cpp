#include "sim/bench/BenchExercises.h"

#include "sim/bench/Fluke45Bench.h"
#include "sim/exercise/Differences.h"
#include "sim/fg110/Fg110Display.h"

#include <cmath>
#include <initializer_list>

namespace {

using K = Fluke45Key;
using G = Fg110Key;

const char* const battery = "pila.cir";
const char* const divider = "divisor.cir";
const char* const lampLoop = "lampara.cir";
const char* const network = "rc.cir";

// A number as Spanish writes it, with a decimal comma.
QString spanish(double value, int decimals)
{
    return QString::number(value, 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(','));
}

QList<int> meterKeys(std::initializer_list<Fluke45Key> keys)
{
    QList<int> ids;
    for (Fluke45Key key : keys)
        ids << BenchKey::meter(key);
    return ids;
}

// A solution's keys, written as the steps a student takes.
class Steps {
public:
    explicit Steps(const Fluke45Bench& bench)
        : m_bench(bench)
    { }

    Steps& circuit(const char* fileName)
    {
        m_circuit = m_bench.circuitNamed(QString::fromUtf8(fileName));
        m_keys << BenchKey::chooseCircuit(m_circuit);
        return *this;
    }
    Steps& plug(Lead lead, Jack jack)
    {
        m_keys << BenchKey::plug(lead, jack);
        return *this;
    }
    // The tip on a point of the chosen circuit, by its name; nullptr lifts it.
    Steps& touch(Lead lead, const char* point)
    {
        m_keys << BenchKey::touch(lead, point ? std::optional<int>(pointIndex(point)) : std::nullopt);
        return *this;
    }
    Steps& leads(const char* red, const char* black, Jack redJack = Jack::VoltsOhms)
    {
        return plug(Lead::Red, redJack).plug(Lead::Black, Jack::Common).touch(Lead::Red, red).touch(Lead::Black, black);
    }
    Steps& meter(std::initializer_list<Fluke45Key> keys)
    {
        m_keys << meterKeys(keys);
        return *this;
    }
    Steps& generator(std::initializer_list<Fg110Key> keys)
    {
        for (Fg110Key key : keys)
            m_keys << BenchKey::generator(key);
        return *this;
    }
    Steps& act(BenchAction action, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            m_keys << BenchKey::action(action);
        return *this;
    }
    Steps& openBreak(int index)
    {
        m_keys << BenchKey::openBreak(index);
        return *this;
    }
    operator QList<int>() const { return m_keys; }

private:
    int pointIndex(const char* name) const
    {
        const auto& points = m_bench.circuitAt(m_circuit).testPoints;
        for (std::size_t i = 0; i < points.size(); ++i)
            if (points[i].node.compare(QString::fromUtf8(name), Qt::CaseInsensitive) == 0)
                return int(i);
        return BenchKey::maximumPoints - 1;
    }

    const Fluke45Bench& m_bench;
    int m_circuit = 0;
    QList<int> m_keys;
};

// ---- what the judges compare

QString pointName(const Fluke45Bench& bench, const std::optional<int>& point)
{
    return point ? QStringLiteral("punto %1").arg(bench.pointNames().value(*point)) : QStringLiteral("en el aire");
}

// The circuit; false (nothing more worth comparing) when it is another.
bool onCircuit(Differences& d, const Fluke45Bench& bench, const char* fileName)
{
    const int asked = bench.circuitNamed(QString::fromUtf8(fileName));
    const QString askedTitle = asked < 0 ? QString::fromUtf8(fileName) : bench.circuitAt(asked).title;
    d.compare(QStringLiteral("Circuito"), bench.circuit().title, askedTitle);
    return bench.circuitIndex() == asked;
}

bool meterOn(Differences& d, const Fluke45Bench& bench)
{
    d.require(bench.meter().isOn(), QStringLiteral("Multímetro"), QStringLiteral("apagado"),
              QStringLiteral("encendido"));
    return bench.meter().isOn();
}

void function(Differences& d, const Fluke45Bench& bench, const QString& asked)
{
    d.compare(QStringLiteral("Función"), bench.meter().state().function, asked);
}

// A lead's jack, said plainly when it is the wrong one, and its tip.
void lead(Differences& d, const Fluke45Bench& bench, Lead which, Jack jack, const char* point)
{
    const LeadPlace place = bench.lead(which);
    const QString name = leadName(which);
    if (place.jack != jack)
        d.compare(QStringLiteral("Cable %1").arg(name),
                  place.jack ? QStringLiteral("en un borne equivocado, %1").arg(jackName(*place.jack))
                             : QStringLiteral("fuera del multímetro"),
                  QStringLiteral("en el borne %1").arg(jackName(jack)));
    const QString tip = which == Lead::Red ? QStringLiteral("Punta roja") : QStringLiteral("Punta negra");
    d.compare(tip, pointName(bench, place.point), QStringLiteral("punto %1").arg(QString::fromUtf8(point)));
}

void leads(Differences& d, const Fluke45Bench& bench, const char* red, const char* black,
           Jack redJack = Jack::VoltsOhms)
{
    lead(d, bench, Lead::Red, redJack, red);
    lead(d, bench, Lead::Black, Jack::Common, black);
}

// For a resistance and continuity, the tips may go either way round.
void leadsEitherWay(Differences& d, const Fluke45Bench& bench, const char* first, const char* second)
{
    const auto at = [&bench](Lead which, const char* point) {
        const auto place = bench.lead(which).point;
        return place && bench.pointNames().value(*place).compare(QString::fromUtf8(point), Qt::CaseInsensitive) == 0;
    };
    if (at(Lead::Red, second) && at(Lead::Black, first))
        leads(d, bench, second, first);
    else
        leads(d, bench, first, second);
}

void readingInRange(Differences& d, const Fluke45Bench& bench)
{
    const QString reading = bench.meter().state().reading;
    d.require(!reading.endsWith(QLatin1String("OL")), QStringLiteral("Lectura"), QStringLiteral("OL (fuera de rango)"),
              QStringLiteral("un valor dentro del rango"));
}

// A plain reading: REL, dB, HOLD, MN MX and COMP would show something else.
void noModifiers(Differences& d, const Fluke45Bench& bench)
{
    const QStringList modifiers = bench.meter().state().modifiers;
    d.compare(QStringLiteral("Modificadores"),
              modifiers.isEmpty() ? QStringLiteral("ninguno") : modifiers.join(QLatin1Char(' ')),
              QStringLiteral("ninguno"));
}

void supplyOutput(Differences& d, const Fluke45Bench& bench, bool on)
{
    const auto words = [](bool connected) {
        return connected ? QStringLiteral("conectada") : QStringLiteral("desconectada");
    };
    d.compare(QStringLiteral("Salida de la fuente"), words(bench.supply().outputOn), words(on));
}

void supplyVolts(Differences& d, const Fluke45Bench& bench, double volts)
{
    d.compare(QStringLiteral("Tensión de la fuente"), spanish(bench.supply().setPoint, 1) + QStringLiteral(" V"),
              spanish(volts, 1) + QStringLiteral(" V"));
}

// The generator on with its output on, a sine of an amplitude (none: any).
void generatorSine(Differences& d, const Fluke45Bench& bench, double amplitude)
{
    const Fg110Generator& generator = bench.generator().generator();
    d.require(generator.isOn(), QStringLiteral("Generador"), QStringLiteral("apagado"), QStringLiteral("encendido"));
    if (!generator.isOn())
        return;
    const Fg110Settings& s = generator.settings();
    d.require(s.outputOn, QStringLiteral("Salida CH1 del generador"), QStringLiteral("desactivada"),
              QStringLiteral("activada"));
    d.compare(QStringLiteral("Forma de onda"), fg110WaveformName(s.waveform), fg110WaveformName(Fg110Waveform::Sine));
    d.compare(QStringLiteral("Modo del generador"), fg110ModeLamp(s.mode), fg110ModeLamp(Fg110Mode::Continuous));
    if (amplitude > 0)
        d.compare(QStringLiteral("Amplitud"), engineeringQuantity(s.amplitude, QStringLiteral("Vp-p")),
                  engineeringQuantity(amplitude, QStringLiteral("Vp-p")));
}

// The smallest ohms range that holds a resistance.
QString bestOhmsRange(double ohms)
{
    const auto& ranges = fluke45Function(Fluke45Function::Ohms).ranges;
    for (const auto& range : ranges)
        if (ohms <= range.fullScale)
            return range.name;
    return ranges.back().name;
}

double elementValue(const Fluke45Bench& bench, const char* name)
{
    const Element* element = bench.circuit().element(QString::fromUtf8(name));
    return element ? element->value : 0.0;
}

using Judge = std::function<void(Differences&, const Fluke45Bench&)>;

// The circuit and the meter switched on first: the rest only when they are.
std::function<QStringList(const Fluke45Bench&)> on(const char* fileName, Judge judge)
{
    return [fileName, judge](const Fluke45Bench& bench) {
        Differences d;
        if (onCircuit(d, bench, fileName) && meterOn(d, bench))
            judge(d, bench);
        return d.lines();
    };
}

const QString leadsFirst =
    QStringLiteral("El cable rojo va al borne V Ω ⊣ y el negro a COM, salvo para medir corriente. ");

// The INITIALIZE of the generator (SHIFT, 0), then its output on.
const std::initializer_list<Fg110Key> initializeAndOutput{G::Shift, G::Digit0, G::Channel1};

QList<BenchExercise> makeExercises()
{
    QList<BenchExercise> all;

    all.append({QStringLiteral("Mide la tensión de la pila de 9 V en continua, con la punta roja en + y la negra "
                               "en −."),
                leadsFirst
                    + QStringLiteral("Elige el circuito de la pila. V DC mide tensión continua; el autorrango "
                                     "elige el rango."),
                meterKeys({K::VoltsDc}),
                QStringLiteral("Circuito de la pila; cables en V Ω ⊣ y COM; punta roja en +, negra en −; V DC."),
                [](const Fluke45Bench& b) {
                    return QList<int>(Steps(b).circuit(battery).leads("+", "-").meter({K::VoltsDc}));
                },
                on(battery, [](Differences& d, const Fluke45Bench& b) {
                    function(d, b, QStringLiteral("V DC"));
                    leads(d, b, "+", "-");
                    noModifiers(d, b);
                    readingInRange(d, b);
                })});

    all.append(
        {QStringLiteral("Mide la resistencia oculta R1 del divisor, entre A y B, en el mejor rango manual."),
         leadsFirst
             + QStringLiteral("Desconecta antes la salida de la fuente: un óhmetro no mide bien en un "
                              "circuito alimentado. Con Ω en autorrango, el multímetro elige el mejor "
                              "rango, el menor que no da OL; AUTO lo deja fijo en manual, y ▲ y ▼ lo "
                              "cambian."),
         meterKeys({K::Ohms, K::Auto, K::Up, K::Down}),
         QStringLiteral("Circuito del divisor; salida de la fuente desconectada; cables en V Ω ⊣ y COM; "
                        "puntas en A y B; Ω; AUTO."),
         [](const Fluke45Bench& b) {
             return QList<int>(
                 Steps(b).circuit(divider).act(BenchAction::SupplyOutputOff).leads("A", "B").meter({K::Ohms, K::Auto}));
         },
         on(divider, [](Differences& d, const Fluke45Bench& b) {
             supplyOutput(d, b, false);
             function(d, b, QStringLiteral("Ω"));
             leadsEitherWay(d, b, "A", "B");
             const auto state = b.meter().state();
             d.compare(QStringLiteral("Rango"), state.range + QLatin1Char(' ') + state.rangeMode,
                       bestOhmsRange(elementValue(b, "R1")) + QStringLiteral(" manual"));
             readingInRange(d, b);
         })});

    all.append({QStringLiteral("Pon la fuente a 12 V y mide la tensión de salida del divisor, en B respecto de C."),
                leadsFirst
                    + QStringLiteral("La fuente arranca a 0 V: súbela con el mando grueso (1 V por paso) y el fino "
                                     "(0,1 V). La salida del divisor es la tensión de B respecto de C: punta roja "
                                     "en B, negra en C, con V DC."),
                meterKeys({K::VoltsDc}),
                QStringLiteral("Circuito del divisor; fuente a 12 V con el mando grueso; cables en V Ω ⊣ y COM; "
                               "punta roja en B, negra en C; V DC."),
                [](const Fluke45Bench& b) {
                    return QList<int>(Steps(b)
                                          .circuit(divider)
                                          .act(BenchAction::SupplyOutputOn)
                                          .act(BenchAction::SupplyCoarseUp, 12)
                                          .leads("B", "C")
                                          .meter({K::VoltsDc}));
                },
                on(divider, [](Differences& d, const Fluke45Bench& b) {
                    supplyOutput(d, b, true);
                    supplyVolts(d, b, 12);
                    function(d, b, QStringLiteral("V DC"));
                    leads(d, b, "B", "C");
                    noModifiers(d, b);
                    readingInRange(d, b);
                })});

    all.append({QStringLiteral("Mide la corriente de la lámpara: abre el puente entre B y C y pon el multímetro en "
                               "su lugar, con el cable rojo en el borne adecuado."),
                QStringLiteral("La corriente se mide en serie: con el corte abierto, la punta roja en B y la negra "
                               "en C, toda la corriente pasa por el multímetro. Para unos 100 mA, el cable rojo va "
                               "al borne 100 mA: por V Ω ⊣ apenas pasa corriente y la lámpara se apaga. A DC mide "
                               "corriente continua."),
                meterKeys({K::AmpsDc}),
                QStringLiteral("Circuito de la lámpara; abrir el corte; cable rojo en 100 mA y negro en COM; punta "
                               "roja en B, negra en C; A DC."),
                [](const Fluke45Bench& b) {
                    return QList<int>(
                        Steps(b).circuit(lampLoop).openBreak(0).leads("B", "C", Jack::Milliamps).meter({K::AmpsDc}));
                },
                on(lampLoop, [](Differences& d, const Fluke45Bench& b) {
                    supplyOutput(d, b, true);
                    d.require(b.breakOpen(0), QStringLiteral("Corte entre B y C"), QStringLiteral("cerrado"),
                              QStringLiteral("abierto"));
                    function(d, b, QStringLiteral("A DC"));
                    leads(d, b, "B", "C", Jack::Milliamps);
                    noModifiers(d, b);
                    readingInRange(d, b);
                })});

    all.append({QStringLiteral("Prueba el diodo entre A y B en directa y en inversa, con la fuente desconectada."),
                leadsFirst
                    + QStringLiteral("La prueba de diodos, con la tecla →|·))), hace pasar una corriente de la "
                                     "punta roja a la negra: en directa (roja en el ánodo, A) lee la caída del "
                                     "diodo, algo más de 0,5 V; en inversa (roja en B) lee OL. Cambia las puntas de "
                                     "sitio entre las dos pruebas."),
                meterKeys({K::DiodeContinuity}),
                QStringLiteral("Circuito de la lámpara; salida de la fuente desconectada; cables en V Ω ⊣ y COM; "
                               "punta roja en A, negra en B; →|·))); después punta roja en B y negra en A."),
                [](const Fluke45Bench& b) {
                    return QList<int>(Steps(b)
                                          .circuit(lampLoop)
                                          .act(BenchAction::SupplyOutputOff)
                                          .leads("A", "B")
                                          .meter({K::DiodeContinuity})
                                          .touch(Lead::Red, "B")
                                          .touch(Lead::Black, "A"));
                },
                on(lampLoop, [](Differences& d, const Fluke45Bench& b) {
                    supplyOutput(d, b, false);
                    const auto seen = [&b](const char* test) {
                        return b.diodeTestsSeen().contains(QString::fromUtf8(test));
                    };
                    d.require(seen("A>B"), QStringLiteral("Prueba en directa (roja en A, negra en B)"),
                              QStringLiteral("no hecha"), QStringLiteral("una lectura de la caída del diodo"));
                    d.require(seen("B>A OL"), QStringLiteral("Prueba en inversa (roja en B, negra en A)"),
                              QStringLiteral("no hecha"), QStringLiteral("OL"));
                })});

    all.append({QStringLiteral("Comprueba la continuidad del lazo en el puente entre B y C, con la fuente "
                               "desconectada: el multímetro debe pitar sin parar."),
                leadsFirst
                    + QStringLiteral("La tecla →|·))) da también la prueba de continuidad: con el pitido activado "
                                     "(el display muestra ·))); pulsar otra vez la tecla lo activa o lo desactiva), "
                                     "el multímetro pita sin parar por debajo de 25 mV, como a través de un hilo."),
                meterKeys({K::DiodeContinuity}),
                QStringLiteral("Circuito de la lámpara; salida de la fuente desconectada; cables en V Ω ⊣ y COM; "
                               "puntas en B y C; →|·)))."),
                [](const Fluke45Bench& b) {
                    return QList<int>(Steps(b)
                                          .circuit(lampLoop)
                                          .act(BenchAction::SupplyOutputOff)
                                          .leads("B", "C")
                                          .meter({K::DiodeContinuity}));
                },
                on(lampLoop, [](Differences& d, const Fluke45Bench& b) {
                    supplyOutput(d, b, false);
                    d.require(!b.breakOpen(0), QStringLiteral("Corte entre B y C"), QStringLiteral("abierto"),
                              QStringLiteral("cerrado"));
                    function(d, b, QStringLiteral("diodos"));
                    leadsEitherWay(d, b, "B", "C");
                    d.require(b.meter().settings().beeper, QStringLiteral("Pitido de continuidad"),
                              QStringLiteral("desactivado"), QStringLiteral("activado"));
                    d.require(b.meter().continuousBeep(), QStringLiteral("Pitido continuo"), QStringLiteral("no"),
                              QStringLiteral("sí"));
                })});

    all.append({QStringLiteral("Pon en el FG110 una senoidal de 2 Vp-p y mide en A, respecto de tierra, su valor "
                               "eficaz con V~: unos 0,7 V (2 Vp-p entre 2√2)."),
                leadsFirst
                    + QStringLiteral("En el generador: INITIALIZE (SHIFT y 0), AMPL, 2, V y CH1. En el multímetro, "
                                     "V~ mide el valor eficaz de la alterna: Vp-p ÷ 2√2 en una senoidal, algo menos "
                                     "por la resistencia de salida del generador."),
                meterKeys({K::VoltsAc}) << BenchKey::generator(G::Amplitude) << BenchKey::generator(G::Channel1),
                QStringLiteral("Circuito RC; generador: SHIFT, 0, AMPL, 2, V, CH1; cables en V Ω ⊣ y COM; punta "
                               "roja en A, negra en tierra; V~."),
                [](const Fluke45Bench& b) {
                    return QList<int>(
                        Steps(b)
                            .circuit(network)
                            .generator({G::Shift, G::Digit0, G::Amplitude, G::Digit2, G::UnitMHz, G::Channel1})
                            .leads("A", "gnd")
                            .meter({K::VoltsAc}));
                },
                on(network, [](Differences& d, const Fluke45Bench& b) {
                    generatorSine(d, b, 2.0);
                    function(d, b, QStringLiteral("V~"));
                    leads(d, b, "A", "gnd");
                    noModifiers(d, b);
                    readingInRange(d, b);
                })});

    all.append({QStringLiteral("Con el FG110 dando una senoidal, mide en A a la vez su tensión en V~ (display "
                               "principal) y su frecuencia (display secundario)."),
                leadsFirst
                    + QStringLiteral("2ND y después una tecla de función lleva esa medida al display secundario: "
                                     "V~ en el principal, y luego 2ND y FREQ."),
                meterKeys({K::VoltsAc, K::Second, K::Frequency}),
                QStringLiteral("Circuito RC; generador: SHIFT, 0, CH1; cables en V Ω ⊣ y COM; punta roja en A, "
                               "negra en tierra; V~; 2ND; FREQ."),
                [](const Fluke45Bench& b) {
                    return QList<int>(Steps(b)
                                          .circuit(network)
                                          .generator(initializeAndOutput)
                                          .leads("A", "gnd")
                                          .meter({K::VoltsAc, K::Second, K::Frequency}));
                },
                on(network, [](Differences& d, const Fluke45Bench& b) {
                    generatorSine(d, b, 0);
                    function(d, b, QStringLiteral("V~"));
                    d.compare(QStringLiteral("Display secundario"), b.meter().state().secondary,
                              QStringLiteral("FREQ"));
                    leads(d, b, "A", "gnd");
                    readingInRange(d, b);
                })});

    all.append({QStringLiteral("Con la fuente a 12 V, toma con REL la tensión de A como referencia y mide después "
                               "B: el display muestra lo que cae en R1."),
                leadsFirst
                    + QStringLiteral("Con la punta negra en C y la roja en A, REL guarda la lectura como "
                                     "referencia; al llevar la punta roja a B, el display muestra la diferencia "
                                     "entre B y A (negativa)."),
                meterKeys({K::VoltsDc, K::Relative}),
                QStringLiteral("Circuito del divisor; fuente a 12 V; cables en V Ω ⊣ y COM; punta roja en A, "
                               "negra en C; V DC; REL; punta roja en B."),
                [](const Fluke45Bench& b) {
                    return QList<int>(Steps(b)
                                          .circuit(divider)
                                          .act(BenchAction::SupplyOutputOn)
                                          .act(BenchAction::SupplyCoarseUp, 12)
                                          .leads("A", "C")
                                          .meter({K::VoltsDc, K::Relative})
                                          .touch(Lead::Red, "B"));
                },
                on(divider, [](Differences& d, const Fluke45Bench& b) {
                    supplyOutput(d, b, true);
                    supplyVolts(d, b, 12);
                    function(d, b, QStringLiteral("V DC"));
                    const Fluke45Settings& s = b.meter().settings();
                    d.require(s.relative, QStringLiteral("REL"), QStringLiteral("desactivado"),
                              QStringLiteral("activado"));
                    const QStringList points = b.pointNames();
                    const double atA = b.pointVolts(int(points.indexOf(QStringLiteral("A"))))
                                       - b.pointVolts(int(points.indexOf(QStringLiteral("C"))));
                    d.require(!s.relative || std::abs(s.relativeBase - atA) <= 0.01,
                              QStringLiteral("Referencia de REL"), spanish(s.relativeBase, 3) + QStringLiteral(" V"),
                              QStringLiteral("la tensión de A, %1 V").arg(spanish(atA, 3)));
                    leads(d, b, "B", "C");
                })});

    all.append(
        {QStringLiteral("Mide la salida del divisor (B respecto de C) con MN MX mientras subes la fuente de "
                        "12 V a 15 V o más."),
         leadsFirst
             + QStringLiteral("MN MX guarda la lectura menor y la mayor desde que se pulsa (cada pulsación "
                              "muestra una u otra). Púlsalo con la fuente a 12 V y sube después la tensión "
                              "con el mando grueso."),
         meterKeys({K::VoltsDc, K::MinMax}),
         QStringLiteral("Circuito del divisor; fuente a 12 V; cables en V Ω ⊣ y COM; punta roja en B, negra "
                        "en C; V DC; MN MX; fuente a 15 V."),
         [](const Fluke45Bench& b) {
             return QList<int>(Steps(b)
                                   .circuit(divider)
                                   .act(BenchAction::SupplyOutputOn)
                                   .act(BenchAction::SupplyCoarseUp, 12)
                                   .leads("B", "C")
                                   .meter({K::VoltsDc, K::MinMax})
                                   .act(BenchAction::SupplyCoarseUp, 3));
         },
         on(divider, [](Differences& d, const Fluke45Bench& b) {
             supplyOutput(d, b, true);
             function(d, b, QStringLiteral("V DC"));
             leads(d, b, "B", "C");
             const bool recording = b.meter().settings().minMax != MinMaxShown::Off;
             d.require(recording, QStringLiteral("MN MX"), QStringLiteral("desactivado"), QStringLiteral("activado"));
             const auto [lowest, highest] = b.supplyTurnedDuringMinMax();
             d.require(!recording || (lowest <= 12.05 && highest >= 14.95), QStringLiteral("Fuente durante MN MX"),
                       QStringLiteral("de %1 V a %2 V").arg(spanish(lowest, 1), spanish(highest, 1)),
                       QStringLiteral("de 12 V o menos a 15 V o más"));
             readingInRange(d, b);
         })});

    all.append({QStringLiteral("Mide en dB, sobre 600 Ω, la senoidal del FG110 en A respecto de tierra."),
                leadsFirst
                    + QStringLiteral("dB convierte la lectura de V~ en decibelios sobre la impedancia de referencia "
                                     "(REF Ω: 2ND y dB), que de fábrica es 600 Ω."),
                meterKeys({K::VoltsAc, K::Decibels}),
                QStringLiteral("Circuito RC; generador: SHIFT, 0, CH1; cables en V Ω ⊣ y COM; punta roja en A, "
                               "negra en tierra; V~; dB."),
                [](const Fluke45Bench& b) {
                    return QList<int>(Steps(b)
                                          .circuit(network)
                                          .generator(initializeAndOutput)
                                          .leads("A", "gnd")
                                          .meter({K::VoltsAc, K::Decibels}));
                },
                on(network, [](Differences& d, const Fluke45Bench& b) {
                    generatorSine(d, b, 0);
                    function(d, b, QStringLiteral("V~"));
                    const Fluke45Settings& s = b.meter().settings();
                    d.require(s.decibels, QStringLiteral("dB"), QStringLiteral("desactivado"),
                              QStringLiteral("activado"));
                    d.compare(QStringLiteral("Impedancia de referencia"), QStringLiteral("%1 Ω").arg(s.referenceOhms),
                              QStringLiteral("600 Ω"));
                    leads(d, b, "A", "gnd");
                    readingInRange(d, b);
                })});

    all.append(
        {QStringLiteral("Comprueba con COMP que R2 (entre B y C) está entre LO = 2 kΩ y HI = 2,5 kΩ, con la "
                        "fuente desconectada."),
         leadsFirst
             + QStringLiteral("2ND y ▲ abren el límite HI, 2ND y ▼ el LO, con las cifras de la lectura: ▲ "
                              "sube la cifra elegida, ▼ elige la siguiente y AUTO guarda. Con la punta roja "
                              "levantada la lectura es OL y las cifras empiezan en 0. 2ND y AUTO activa COMP: "
                              "PASS, HI o LO."),
         meterKeys({K::Ohms, K::Auto, K::Second, K::Up, K::Down}),
         QStringLiteral("Circuito del divisor; salida de la fuente desconectada; cables en V Ω ⊣ y COM; "
                        "puntas en B y C; Ω; AUTO (rango manual de 3 kΩ); punta roja levantada; 2ND, ▲, "
                        "▲ ▲, ▼, ▲ cinco veces, AUTO (HI = 2,5 kΩ); 2ND, ▼, ▲ ▲, AUTO (LO = 2 kΩ); punta "
                        "roja en B; 2ND, AUTO."),
         [](const Fluke45Bench& b) {
             return QList<int>(
                 Steps(b)
                     .circuit(divider)
                     .act(BenchAction::SupplyOutputOff)
                     .leads("B", "C")
                     .meter({K::Ohms, K::Auto})
                     .touch(Lead::Red, nullptr)
                     .meter({K::Second, K::Up, K::Up, K::Up, K::Down, K::Up, K::Up, K::Up, K::Up, K::Up, K::Auto})
                     .meter({K::Second, K::Down, K::Up, K::Up, K::Auto})
                     .touch(Lead::Red, "B")
                     .meter({K::Second, K::Auto}));
         },
         on(divider, [](Differences& d, const Fluke45Bench& b) {
             supplyOutput(d, b, false);
             function(d, b, QStringLiteral("Ω"));
             leadsEitherWay(d, b, "B", "C");
             const Fluke45Settings& s = b.meter().settings();
             d.require(s.compare, QStringLiteral("COMP"), QStringLiteral("desactivado"), QStringLiteral("activado"));
             d.compare(QStringLiteral("Límite HI"), engineeringQuantity(s.high, QStringLiteral("Ω")),
                       engineeringQuantity(2500, QStringLiteral("Ω")));
             d.compare(QStringLiteral("Límite LO"), engineeringQuantity(s.low, QStringLiteral("Ω")),
                       engineeringQuantity(2000, QStringLiteral("Ω")));
             d.compare(QStringLiteral("Veredicto"), b.meter().state().secondaryReading, QStringLiteral("PASS"));
         })});

    return all;
}

} // namespace

const QList<BenchExercise>& benchExercises()
{
    static const QList<BenchExercise> all = makeExercises();
    return all;
}

QString benchPreparation(const QList<int>& keysBefore)
{
    const auto has = [&keysBefore](int key) { return keysBefore.contains(key); };
    const int meterPower = BenchKey::meter(K::Power);
    QString text;
    if (has(BenchKey::generator(G::Power)))
        text += QStringLiteral("Enciende el generador FG110 con su tecla POWER. ");
    if (has(BenchKey::generator(G::Shift)))
        text += QStringLiteral("Apaga el SHIFT del generador pulsándolo otra vez. ");
    if (keysBefore.count(meterPower) == 1)
        text += QStringLiteral("Enciende el multímetro con POWER. ");
    if (keysBefore.count(meterPower) >= 2)
        text += QStringLiteral("Apaga y enciende el multímetro con POWER: vuelve a sus ajustes de fábrica. ");
    if (has(BenchKey::touch(Lead::Red, std::nullopt)) || has(BenchKey::touch(Lead::Black, std::nullopt)))
        text += QStringLiteral("Levanta las puntas del circuito antes de mover los cables. ");
    if (has(BenchKey::plug(Lead::Black, std::nullopt)))
        text += QStringLiteral("Desenchufa el cable negro: su borne es COM. ");
    if (has(BenchKey::plug(Lead::Red, std::nullopt)))
        text += QStringLiteral("Desenchufa el cable rojo del borne COM, que es el del negro. ");
    if (has(BenchKey::action(BenchAction::ReplaceFuses)))
        text += QStringLiteral("Cambia el fusible fundido con «Cambiar fusible». ");
    return text;
}

QString benchKeyListing(const Fluke45Bench& bench, const QList<int>& keys)
{
    QStringList steps;
    QStringList points = bench.pointNames();
    const QStringList titles = bench.circuitTitles();
    for (int i = 0; i < keys.size();) {
        const int chosen = keys.at(i) - BenchKey::circuitBase;
        if (chosen >= 0 && chosen < bench.circuitCount()) {
            points.clear();
            for (const TestPoint& point : bench.circuitAt(chosen).testPoints)
                points << point.node;
        }
        int repeat = 1;
        while (i + repeat < keys.size() && keys.at(i + repeat) == keys.at(i))
            ++repeat;
        const QString name = benchKeyName(keys.at(i), points, titles);
        steps << (repeat > 1 ? QStringLiteral("%1 (×%2)").arg(name).arg(repeat) : name);
        i += repeat;
    }
    return steps.join(QStringLiteral("; "));
}
