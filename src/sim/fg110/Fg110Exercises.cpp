#include "sim/fg110/Fg110Exercises.h"

#include "sim/exercise/Differences.h"

#include <initializer_list>

namespace {

using K = Fg110Key;

QList<int> keys(std::initializer_list<Fg110Key> list)
{
    QList<int> ids;
    for (Fg110Key key : list)
        ids << int(key);
    return ids;
}

// The settings judged, once the generator is on; a signal counts only at the output.
using Judge = std::function<void(Differences&, const Fg110Settings&)>;

std::function<QStringList(const Fg110Generator&)> signalAtOutput(Judge judge)
{
    return [judge](const Fg110Generator& generator) {
        Differences d;
        d.require(generator.isOn(), QStringLiteral("Generador"), QStringLiteral("apagado"),
                  QStringLiteral("encendido"));
        if (!generator.isOn())
            return d.lines();
        d.require(generator.settings().outputOn, QStringLiteral("Salida CH1"), QStringLiteral("desactivada"),
                  QStringLiteral("activada"));
        if (judge)
            judge(d, generator.settings());
        return d.lines();
    };
}

void waveform(Differences& d, const Fg110Settings& s, Fg110Waveform asked)
{
    d.compare(QStringLiteral("Forma de onda"), fg110WaveformName(s.waveform), fg110WaveformName(asked));
}

void mode(Differences& d, const Fg110Settings& s, Fg110Mode asked)
{
    d.compare(QStringLiteral("Modo"), fg110ModeLamp(s.mode), fg110ModeLamp(asked));
}

void frequency(Differences& d, const Fg110Settings& s, double asked)
{
    d.compare(QStringLiteral("Frecuencia"), engineeringQuantity(s.frequency, QStringLiteral("Hz")),
              engineeringQuantity(asked, QStringLiteral("Hz")));
}

void amplitude(Differences& d, const Fg110Settings& s, double asked)
{
    d.compare(QStringLiteral("Amplitud"), engineeringQuantity(s.amplitude, QStringLiteral("Vp-p")),
              engineeringQuantity(asked, QStringLiteral("Vp-p")));
}

// An offset reads with its sign, as it is asked: "+2 V", "-2 V", "0 V".
QString signedVolts(double volts)
{
    const QString quantity = engineeringQuantity(volts, QStringLiteral("V"));
    return volts > 0 ? QLatin1Char('+') + quantity : quantity;
}

void offset(Differences& d, const Fg110Settings& s, double asked)
{
    d.compare(QStringLiteral("Desplazamiento"), signedVolts(s.offset), signedVolts(asked));
}

void level(Differences& d, const QString& what, double found, double asked)
{
    d.compare(what, engineeringQuantity(found, QStringLiteral("V")), engineeringQuantity(asked, QStringLiteral("V")));
}

QString rangeName(Fg110Range range)
{
    return range == Fg110Range::OneVolt ? QStringLiteral("1 V") : QStringLiteral("10 V");
}

// Every sequence starts with INITIALIZE, so that it reaches its goal from whatever the
// student left on the panel, and ends with CH1, which INITIALIZE has left off.
const QString fromAnyState =
    QStringLiteral(" Empezar por INITIALIZE devuelve los ajustes de fábrica (las memorias se conservan), así que la "
                   "secuencia sirve desde cualquier estado.");
const QString initialize = QStringLiteral("Empieza por INITIALIZE (SHIFT y 0), que devuelve los ajustes de fábrica. ");

// A level-3 hint: the sequence, from INITIALIZE on.
QString solution(const char* keys)
{
    return QStringLiteral("SHIFT, 0 (INITIALIZE), ") + QString::fromUtf8(keys) + fromAnyState;
}

QList<int> fromInitialize(std::initializer_list<Fg110Key> list)
{
    return keys({K::Shift, K::Digit0}) + keys(list);
}

ExerciseSet<Fg110Generator> makeExercises()
{
    ExerciseSet<Fg110Generator> all;

    all.append({QStringLiteral("Enciende el generador y activa la salida CH1."),
                QStringLiteral("Si el display está apagado, POWER enciende el aparato. INITIALIZE (SHIFT y 0) "
                               "devuelve los ajustes de fábrica, con la salida desactivada, y CH1 deja salir "
                               "la señal por el borne: su piloto se enciende."),
                keys({K::Power, K::Shift, K::Digit0, K::Channel1}), solution("CH1."), fromInitialize({K::Channel1}),
                signalAtOutput({})});

    all.append({QStringLiteral("Genera una onda senoidal de 5 kHz."),
                initialize
                    + QStringLiteral("La senoidal es la forma de onda de fábrica. Elige la frecuencia con FREQ, "
                                     "escribe el valor en el teclado numérico, termínalo con una tecla de unidad "
                                     "y activa la salida con CH1."),
                keys({K::Shift, K::Digit0, K::Frequency, K::Digit5, K::UnitKHz, K::Channel1}),
                solution("FREQ, 5, kHz, CH1."), fromInitialize({K::Frequency, K::Digit5, K::UnitKHz, K::Channel1}),
                signalAtOutput([](Differences& d, const Fg110Settings& s) {
                    waveform(d, s, Fg110Waveform::Sine);
                    mode(d, s, Fg110Mode::Continuous);
                    frequency(d, s, 5e3);
                })});

    all.append({QStringLiteral("Genera una onda cuadrada de 250 Hz y 4 Vp-p."),
                initialize
                    + QStringLiteral("Desde la senoidal, FUNC pasa a la cuadrada; FREQ y AMPL eligen qué valor "
                                     "escribes con el teclado numérico; la tecla de unidad termina cada valor (la "
                                     "amplitud en V) y CH1 activa la salida."),
                keys({K::Shift, K::Digit0, K::Function, K::Frequency, K::Amplitude, K::Digit2, K::Digit5, K::Digit4,
                      K::UnitHz, K::UnitMHz, K::Channel1}),
                solution("FUNC (cuadrada), FREQ, 2, 5, 0, Hz, AMPL, 4, V (la tecla MHz), CH1."),
                fromInitialize({K::Function, K::Frequency, K::Digit2, K::Digit5, K::Digit0, K::UnitHz, K::Amplitude,
                                K::Digit4, K::UnitMHz, K::Channel1}),
                signalAtOutput([](Differences& d, const Fg110Settings& s) {
                    waveform(d, s, Fg110Waveform::Square);
                    mode(d, s, Fg110Mode::Continuous);
                    frequency(d, s, 250);
                    amplitude(d, s, 4);
                })});

    all.append({QStringLiteral("Añade a una onda triangular de 1 kHz un desplazamiento de +2 V."),
                initialize
                    + QStringLiteral("Así la frecuencia es ya 1 kHz. Pulsa FUNC hasta ver la onda triangular. El "
                                     "desplazamiento se escribe tras pulsar OFFSET y se termina en V; CH1 activa "
                                     "la salida."),
                keys({K::Shift, K::Digit0, K::Function, K::Offset, K::Digit2, K::UnitMHz, K::Channel1}),
                solution("FUNC tres veces (triangular), OFFSET, 2, V (la tecla MHz), CH1."),
                fromInitialize({K::Function, K::Function, K::Function, K::Offset, K::Digit2, K::UnitMHz, K::Channel1}),
                signalAtOutput([](Differences& d, const Fg110Settings& s) {
                    waveform(d, s, Fg110Waveform::Triangle);
                    mode(d, s, Fg110Mode::Continuous);
                    frequency(d, s, 1e3);
                    offset(d, s, 2);
                })});

    all.append({QStringLiteral("Con el rango de salida de 1 V, ajusta una amplitud de 500 mVp-p."),
                initialize
                    + QStringLiteral("Así el rango es el de 10 V y RANGE lo pasa al de 1 V. Después elige AMPL, "
                                     "escribe la amplitud terminando en mV y activa la salida con CH1."),
                keys({K::Shift, K::Digit0, K::Range, K::Amplitude, K::Digit5, K::Digit0, K::UnitKHz, K::Channel1}),
                solution("RANGE (1 V), AMPL, 5, 0, 0, mV (la tecla kHz), CH1."),
                fromInitialize({K::Range, K::Amplitude, K::Digit5, K::Digit0, K::Digit0, K::UnitKHz, K::Channel1}),
                signalAtOutput([](Differences& d, const Fg110Settings& s) {
                    d.compare(QStringLiteral("Rango de salida"), rangeName(s.range), rangeName(Fg110Range::OneVolt));
                    amplitude(d, s, 0.5);
                })});

    all.append({QStringLiteral("Genera pulsos de 10 kHz con una relación pulso/período del 25 %."),
                initialize
                    + QStringLiteral("FUNC llega a la onda de pulsos; FREQ fija la frecuencia. La relación "
                                     "pulso/período es la función DUTY: SHIFT y después PHASE; se termina en %. "
                                     "CH1 activa la salida."),
                keys({K::Shift, K::Digit0, K::Function, K::Frequency, K::Phase, K::Digit1, K::Digit2, K::Digit5,
                      K::UnitKHz, K::UnitMilliHz, K::Channel1}),
                solution("FUNC cuatro veces (pulsos), FREQ, 1, 0, kHz, SHIFT, PHASE (DUTY), 2, 5, % "
                         "(la tecla mHz), CH1."),
                fromInitialize({K::Function, K::Function, K::Function, K::Function, K::Frequency, K::Digit1, K::Digit0,
                                K::UnitKHz, K::Shift, K::Phase, K::Digit2, K::Digit5, K::UnitMilliHz, K::Channel1}),
                signalAtOutput([](Differences& d, const Fg110Settings& s) {
                    waveform(d, s, Fg110Waveform::Pulse);
                    mode(d, s, Fg110Mode::Continuous);
                    frequency(d, s, 1e4);
                    d.compare(QStringLiteral("Relación pulso/período"),
                              engineeringQuantity(s.duty, QStringLiteral("%")),
                              engineeringQuantity(25, QStringLiteral("%")));
                })});

    all.append({QStringLiteral("Ajusta el período de una onda senoidal a 2 ms."),
                initialize
                    + QStringLiteral("Así la onda es ya senoidal. El período es la función PERIOD: SHIFT y "
                                     "después FREQ. Escribe el valor, termina en msec y activa la salida con CH1."),
                keys({K::Shift, K::Digit0, K::Frequency, K::Digit2, K::UnitKHz, K::Channel1}),
                solution("SHIFT, FREQ (PERIOD), 2, msec (la tecla kHz), CH1."),
                fromInitialize({K::Shift, K::Frequency, K::Digit2, K::UnitKHz, K::Channel1}),
                signalAtOutput([](Differences& d, const Fg110Settings& s) {
                    waveform(d, s, Fg110Waveform::Sine);
                    mode(d, s, Fg110Mode::Continuous);
                    d.compare(QStringLiteral("Período"), engineeringQuantity(1 / s.frequency, QStringLiteral("s")),
                              engineeringQuantity(2e-3, QStringLiteral("s")));
                })});

    all.append({QStringLiteral("Prepara niveles TTL sobre una onda cuadrada de 100 kHz."),
                initialize
                    + QStringLiteral("Desde la senoidal, FUNC da la onda cuadrada y FREQ su frecuencia. Los "
                                     "niveles TTL (5 V arriba, 0 V abajo) los pone de una vez la función TTL: "
                                     "SHIFT y después 1. CH1 activa la salida."),
                keys({K::Shift, K::Digit0, K::Function, K::Frequency, K::Digit1, K::UnitKHz, K::Channel1}),
                solution("FUNC (cuadrada), FREQ, 1, 0, 0, kHz, SHIFT, 1 (TTL), CH1."),
                fromInitialize({K::Function, K::Frequency, K::Digit1, K::Digit0, K::Digit0, K::UnitKHz, K::Shift,
                                K::Digit1, K::Channel1}),
                signalAtOutput([](Differences& d, const Fg110Settings& s) {
                    waveform(d, s, Fg110Waveform::Square);
                    mode(d, s, Fg110Mode::Continuous);
                    frequency(d, s, 1e5);
                    level(d, QStringLiteral("Nivel alto"), s.offset + s.amplitude / 2, 5);
                    level(d, QStringLiteral("Nivel bajo"), s.offset - s.amplitude / 2, 0);
                })});

    all.append({QStringLiteral("En modo TRIG, programa ráfagas de 3 ciclos de una onda senoidal disparadas por "
                               "el flanco de bajada."),
                initialize
                    + QStringLiteral("Desde el modo CONT, MODE lleva al modo TRIG. Los ciclos de cada ráfaga son "
                                     "la función BURST (SHIFT y 4) y el flanco, la función SLOPE (SHIFT y 5): un "
                                     "paso de la rueda de ajuste hacia arriba o el cursor derecho muestran nEg "
                                     "(bajada). CH1 activa la salida."),
                keys({K::Shift, K::Digit0, K::Mode, K::Digit4, K::Digit3, K::UnitHz, K::Digit5, K::KnobUp,
                      K::CursorRight, K::Channel1}),
                solution("MODE (TRIG), SHIFT, 4 (BURST), 3, Hz (sirve cualquier tecla de unidad), SHIFT, 5 "
                         "(SLOPE), un paso de la rueda hacia arriba (nEg), CH1."),
                fromInitialize(
                    {K::Mode, K::Shift, K::Digit4, K::Digit3, K::UnitHz, K::Shift, K::Digit5, K::KnobUp, K::Channel1}),
                signalAtOutput([](Differences& d, const Fg110Settings& s) {
                    waveform(d, s, Fg110Waveform::Sine);
                    mode(d, s, Fg110Mode::Triggered);
                    d.compare(QStringLiteral("Ciclos por ráfaga"), QString::number(s.burst), QStringLiteral("3"));
                    const auto name = [](Fg110Slope slope) {
                        return slope == Fg110Slope::Positive ? QStringLiteral("subida") : QStringLiteral("bajada");
                    };
                    d.compare(QStringLiteral("Flanco de disparo"), name(s.slope), name(Fg110Slope::Negative));
                })});

    all.append({QStringLiteral("Invierte una onda rampa de 2 kHz."),
                initialize
                    + QStringLiteral("Así la onda no está invertida. FUNC llega a la onda rampa y FREQ fija su "
                                     "frecuencia. La inversión es la función INVERSE: SHIFT y después FUNC. CH1 "
                                     "activa la salida."),
                keys({K::Shift, K::Digit0, K::Function, K::Frequency, K::Digit2, K::UnitKHz, K::Channel1}),
                solution("FUNC dos veces (rampa), FREQ, 2, kHz, SHIFT, FUNC (INVERSE), CH1."),
                fromInitialize({K::Function, K::Function, K::Frequency, K::Digit2, K::UnitKHz, K::Shift, K::Function,
                                K::Channel1}),
                signalAtOutput([](Differences& d, const Fg110Settings& s) {
                    waveform(d, s, Fg110Waveform::Ramp);
                    mode(d, s, Fg110Mode::Continuous);
                    frequency(d, s, 2e3);
                    const auto yesNo = [](bool b) { return b ? QStringLiteral("sí") : QStringLiteral("no"); };
                    d.compare(QStringLiteral("Inversión"), yesNo(s.inverted), yesNo(true));
                })});

    all.append({QStringLiteral("Ajusta la frecuencia más alta que admite una onda triangular."),
                initialize
                    + QStringLiteral("Pulsa FUNC hasta la onda triangular y escribe con FREQ su frecuencia "
                                     "máxima: las ondas triangular, rampa y de pulsos llegan a 100 kHz. CH1 "
                                     "activa la salida."),
                keys({K::Shift, K::Digit0, K::Function, K::Frequency, K::Digit1, K::UnitKHz, K::Channel1}),
                solution("FUNC tres veces (triangular), FREQ, 1, 0, 0, kHz, CH1."),
                fromInitialize({K::Function, K::Function, K::Function, K::Frequency, K::Digit1, K::Digit0, K::Digit0,
                                K::UnitKHz, K::Channel1}),
                signalAtOutput([](Differences& d, const Fg110Settings& s) {
                    waveform(d, s, Fg110Waveform::Triangle);
                    mode(d, s, Fg110Mode::Continuous);
                    frequency(d, s, Fg110Limits::highestOtherFrequency);
                })});

    all.append({QStringLiteral("Guarda el ajuste actual en la memoria 4, inicializa el generador y recupera el "
                               "ajuste."),
                QStringLiteral("El ajuste guardado no debe ser el de fábrica: cambia antes alguno. STORE "
                               "(SHIFT y RECALL) guarda en la memoria de la tecla numérica que pulses después; "
                               "INITIALIZE (SHIFT y 0) devuelve los ajustes de fábrica y conserva las "
                               "memorias; RECALL recupera la memoria."),
                keys({K::Shift, K::Recall, K::Digit4, K::Digit0}),
                QStringLiteral("Por ejemplo: SHIFT, 0 (INITIALIZE); FREQ, 2, kHz, CH1; SHIFT, RECALL (STORE), "
                               "4; SHIFT, 0 (INITIALIZE); RECALL, 4.")
                    + fromAnyState,
                fromInitialize({K::Frequency, K::Digit2, K::UnitKHz, K::Channel1, K::Shift, K::Recall, K::Digit4,
                                K::Shift, K::Digit0, K::Recall, K::Digit4}),
                [](const Fg110Generator& generator) {
                    Differences d;
                    d.require(generator.isOn(), QStringLiteral("Generador"), QStringLiteral("apagado"),
                              QStringLiteral("encendido"));
                    if (!generator.isOn())
                        return d.lines();
                    const auto& stored = generator.memory(4);
                    const QString what = QStringLiteral("Memoria 4");
                    d.require(stored.has_value(), what, QStringLiteral("vacía"), QStringLiteral("un ajuste guardado"));
                    if (!stored)
                        return d.lines();
                    d.require(*stored != fg110FactorySettings(), what, QStringLiteral("el ajuste de fábrica"),
                              QStringLiteral("un ajuste distinto del de fábrica"));
                    d.require(generator.initializedAfterStoring(4), QStringLiteral("Inicialización"),
                              QStringLiteral("ninguna después de guardar"), QStringLiteral("una después de guardar"));
                    d.require(generator.settings() == *stored, QStringLiteral("Ajuste actual"),
                              QStringLiteral("distinto del de la memoria 4"), QStringLiteral("el de la memoria 4"));
                    return d.lines();
                }});
    return all;
}

} // namespace

const ExerciseSet<Fg110Generator>& fg110Exercises()
{
    static const ExerciseSet<Fg110Generator> all = makeExercises();
    return all;
}

QList<int> fg110KeysBeforeSequence(const Fg110Generator& generator)
{
    if (!generator.isOn())
        return keys({K::Power});
    // SHIFT, 0 would put the lit SHIFT out and type a 0: SHIFT first puts it out.
    if (generator.display().shiftLamp)
        return keys({K::Shift});
    return {};
}

QString fg110Preparation(const QList<int>& keysBefore, const QList<int>& exerciseKeys)
{
    const int power = int(K::Power);
    const int shift = int(K::Shift);
    QString sentences;
    if (keysBefore.contains(power) && !exerciseKeys.contains(power))
        sentences += QStringLiteral("El generador está apagado: enciéndelo primero con POWER. ");
    // SHIFT, 0 with the lamp lit would put it out and type a 0.
    if (keysBefore.contains(shift))
        sentences += QStringLiteral("El piloto de SHIFT está encendido: pulsa SHIFT una vez para apagarlo. ");
    return sentences;
}
