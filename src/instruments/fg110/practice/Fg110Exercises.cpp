#include "instruments/fg110/practice/Fg110Exercises.h"

#include "instruments/common/practice/Differences.h"

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

void offset(Differences& d, const Fg110Settings& s, double asked)
{
    d.compare(QStringLiteral("Desplazamiento"), engineeringQuantity(s.offset, QStringLiteral("V")),
              engineeringQuantity(asked, QStringLiteral("V")));
}

void level(Differences& d, const QString& what, double found, double asked)
{
    d.compare(what, engineeringQuantity(found, QStringLiteral("V")), engineeringQuantity(asked, QStringLiteral("V")));
}

QString rangeName(Fg110Range range)
{
    return range == Fg110Range::OneVolt ? QStringLiteral("1 V") : QStringLiteral("10 V");
}

// Every sequence ends with CH1, which turns the output on from the factory settings.
const QString inOutput = QStringLiteral(" Si CH1 ya está encendido, sáltate esa tecla.");

ExerciseSet<Fg110Generator> makeExercises()
{
    ExerciseSet<Fg110Generator> all;

    all.append({QStringLiteral("Enciende el generador y activa la salida CH1."),
                QStringLiteral("Solo necesitas dos teclas: POWER, que enciende el aparato, y CH1, que deja "
                               "salir la señal por el borne."),
                keys({K::Power, K::Channel1}),
                QStringLiteral("Si el display está apagado, pulsa POWER. Después pulsa CH1: su piloto se "
                               "enciende."),
                keys({K::Channel1}),
                signalAtOutput({})});

    all.append({QStringLiteral("Genera una onda senoidal de 5 kHz."),
                QStringLiteral("La senoidal es la forma de onda de fábrica. Elige la frecuencia con FREQ, "
                               "escribe el valor en el teclado numérico y termina con una tecla de unidad."),
                keys({K::Frequency, K::Digit5, K::UnitKHz, K::Channel1}),
                QStringLiteral("FREQ, 5, kHz, CH1.") + inOutput,
                keys({K::Frequency, K::Digit5, K::UnitKHz, K::Channel1}),
                signalAtOutput([](Differences& d, const Fg110Settings& s) {
                    waveform(d, s, Fg110Waveform::Sine);
                    mode(d, s, Fg110Mode::Continuous);
                    frequency(d, s, 5e3);
                })});

    all.append({QStringLiteral("Genera una onda cuadrada de 250 Hz y 4 Vp-p."),
                QStringLiteral("FUNC cambia la forma de onda; FREQ y AMPL eligen qué valor escribes con el "
                               "teclado numérico; la tecla de unidad termina cada valor (la amplitud en V)."),
                keys({K::Function, K::Frequency, K::Amplitude, K::Digit2, K::Digit5, K::Digit0, K::Digit4,
                      K::UnitHz, K::UnitMHz, K::Channel1}),
                QStringLiteral("FUNC (cuadrada), FREQ, 2, 5, 0, Hz, AMPL, 4, V (la tecla MHz), CH1.") + inOutput,
                keys({K::Function, K::Frequency, K::Digit2, K::Digit5, K::Digit0, K::UnitHz, K::Amplitude,
                      K::Digit4, K::UnitMHz, K::Channel1}),
                signalAtOutput([](Differences& d, const Fg110Settings& s) {
                    waveform(d, s, Fg110Waveform::Square);
                    mode(d, s, Fg110Mode::Continuous);
                    frequency(d, s, 250);
                    amplitude(d, s, 4);
                })});

    all.append({QStringLiteral("Añade a una onda triangular de 1 kHz un desplazamiento de +2 V."),
                QStringLiteral("Pulsa FUNC hasta ver la onda triangular; la frecuencia de fábrica ya es "
                               "1 kHz. El desplazamiento se escribe tras pulsar OFFSET y se termina en V."),
                keys({K::Function, K::Offset, K::Digit2, K::UnitMHz, K::Channel1}),
                QStringLiteral("FUNC tres veces (triangular), OFFSET, 2, V (la tecla MHz), CH1.") + inOutput,
                keys({K::Function, K::Function, K::Function, K::Offset, K::Digit2, K::UnitMHz, K::Channel1}),
                signalAtOutput([](Differences& d, const Fg110Settings& s) {
                    waveform(d, s, Fg110Waveform::Triangle);
                    mode(d, s, Fg110Mode::Continuous);
                    frequency(d, s, 1e3);
                    offset(d, s, 2);
                })});

    all.append({QStringLiteral("Con el rango de salida de 1 V, ajusta una amplitud de 500 mVp-p."),
                QStringLiteral("RANGE pasa del rango de 10 V al de 1 V. Después elige AMPL y escribe la "
                               "amplitud, terminando en mV."),
                keys({K::Range, K::Amplitude, K::Digit5, K::Digit0, K::UnitKHz, K::Channel1}),
                QStringLiteral("RANGE, AMPL, 5, 0, 0, mV (la tecla kHz), CH1.") + inOutput,
                keys({K::Range, K::Amplitude, K::Digit5, K::Digit0, K::Digit0, K::UnitKHz, K::Channel1}),
                signalAtOutput([](Differences& d, const Fg110Settings& s) {
                    mode(d, s, Fg110Mode::Continuous);
                    d.compare(QStringLiteral("Rango de salida"), rangeName(s.range), rangeName(Fg110Range::OneVolt));
                    amplitude(d, s, 0.5);
                })});

    all.append({QStringLiteral("Genera pulsos de 10 kHz con una relación pulso/período del 25 %."),
                QStringLiteral("FUNC llega a la onda de pulsos; FREQ fija la frecuencia. La relación "
                               "pulso/período es la función DUTY: SHIFT y después PHASE; se termina en %."),
                keys({K::Function, K::Frequency, K::Shift, K::Phase, K::Digit1, K::Digit0, K::Digit2, K::Digit5,
                      K::UnitKHz, K::UnitMilliHz, K::Channel1}),
                QStringLiteral("FUNC cuatro veces (pulsos), FREQ, 1, 0, kHz, SHIFT, PHASE (DUTY), 2, 5, % "
                               "(la tecla mHz), CH1.")
                    + inOutput,
                keys({K::Function, K::Function, K::Function, K::Function, K::Frequency, K::Digit1, K::Digit0,
                      K::UnitKHz, K::Shift, K::Phase, K::Digit2, K::Digit5, K::UnitMilliHz, K::Channel1}),
                signalAtOutput([](Differences& d, const Fg110Settings& s) {
                    waveform(d, s, Fg110Waveform::Pulse);
                    mode(d, s, Fg110Mode::Continuous);
                    frequency(d, s, 1e4);
                    d.compare(QStringLiteral("Relación pulso/período"), engineeringQuantity(s.duty, QStringLiteral("%")),
                              engineeringQuantity(25, QStringLiteral("%")));
                })});

    all.append({QStringLiteral("Ajusta el período de una onda senoidal a 2 ms."),
                QStringLiteral("El período es la función PERIOD: SHIFT y después FREQ. Escribe el valor y "
                               "termina en msec."),
                keys({K::Shift, K::Frequency, K::Digit2, K::UnitKHz, K::Channel1}),
                QStringLiteral("SHIFT, FREQ (PERIOD), 2, msec (la tecla kHz), CH1.") + inOutput,
                keys({K::Shift, K::Frequency, K::Digit2, K::UnitKHz, K::Channel1}),
                signalAtOutput([](Differences& d, const Fg110Settings& s) {
                    waveform(d, s, Fg110Waveform::Sine);
                    mode(d, s, Fg110Mode::Continuous);
                    d.compare(QStringLiteral("Período"), engineeringQuantity(1 / s.frequency, QStringLiteral("s")),
                              engineeringQuantity(2e-3, QStringLiteral("s")));
                })});

    all.append({QStringLiteral("Prepara niveles TTL sobre una onda cuadrada de 100 kHz."),
                QStringLiteral("FUNC da la onda cuadrada y FREQ su frecuencia. Los niveles TTL (5 V arriba, "
                               "0 V abajo) los pone de una vez la función TTL: SHIFT y después 1."),
                keys({K::Function, K::Frequency, K::Digit1, K::Digit0, K::UnitKHz, K::Shift, K::Channel1}),
                QStringLiteral("FUNC (cuadrada), FREQ, 1, 0, 0, kHz, SHIFT, 1 (TTL), CH1.") + inOutput,
                keys({K::Function, K::Frequency, K::Digit1, K::Digit0, K::Digit0, K::UnitKHz, K::Shift, K::Digit1,
                      K::Channel1}),
                signalAtOutput([](Differences& d, const Fg110Settings& s) {
                    waveform(d, s, Fg110Waveform::Square);
                    mode(d, s, Fg110Mode::Continuous);
                    frequency(d, s, 1e5);
                    level(d, QStringLiteral("Nivel alto"), s.offset + s.amplitude / 2, 5);
                    level(d, QStringLiteral("Nivel bajo"), s.offset - s.amplitude / 2, 0);
                })});

    all.append({QStringLiteral("En modo TRIG, programa ráfagas de 3 ciclos de una onda senoidal disparadas por "
                               "el flanco de bajada."),
                QStringLiteral("MODE lleva al modo TRIG. Los ciclos de cada ráfaga son la función BURST "
                               "(SHIFT y 4) y el flanco, la función SLOPE (SHIFT y 5), que se cambia con la "
                               "rueda o los cursores."),
                keys({K::Mode, K::Shift, K::Digit4, K::Digit3, K::UnitHz, K::Digit5, K::KnobUp, K::Channel1}),
                QStringLiteral("MODE (TRIG), SHIFT, 4 (BURST), 3, una tecla de unidad, SHIFT, 5 (SLOPE), "
                               "rueda hasta ver nEg, CH1.")
                    + inOutput,
                keys({K::Mode, K::Shift, K::Digit4, K::Digit3, K::UnitHz, K::Shift, K::Digit5, K::KnobUp,
                      K::Channel1}),
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
                QStringLiteral("FUNC llega a la onda rampa y FREQ fija su frecuencia. La inversión es la "
                               "función INVERSE: SHIFT y después FUNC."),
                keys({K::Function, K::Frequency, K::Digit2, K::UnitKHz, K::Shift, K::Channel1}),
                QStringLiteral("FUNC dos veces (rampa), FREQ, 2, kHz, SHIFT, FUNC (INVERSE), CH1.") + inOutput,
                keys({K::Function, K::Function, K::Frequency, K::Digit2, K::UnitKHz, K::Shift, K::Function,
                      K::Channel1}),
                signalAtOutput([](Differences& d, const Fg110Settings& s) {
                    waveform(d, s, Fg110Waveform::Ramp);
                    mode(d, s, Fg110Mode::Continuous);
                    frequency(d, s, 2e3);
                    const auto yesNo = [](bool b) { return b ? QStringLiteral("sí") : QStringLiteral("no"); };
                    d.compare(QStringLiteral("Inversión"), yesNo(s.inverted), yesNo(true));
                })});

    all.append({QStringLiteral("Ajusta la frecuencia más alta que admite una onda triangular."),
                QStringLiteral("Pulsa FUNC hasta la onda triangular y escribe con FREQ su frecuencia máxima: "
                               "las ondas triangular, rampa y de pulsos llegan a 100 kHz."),
                keys({K::Function, K::Frequency, K::Digit1, K::Digit0, K::UnitKHz, K::Channel1}),
                QStringLiteral("FUNC tres veces (triangular), FREQ, 1, 0, 0, kHz, CH1.") + inOutput,
                keys({K::Function, K::Function, K::Function, K::Frequency, K::Digit1, K::Digit0, K::Digit0,
                      K::UnitKHz, K::Channel1}),
                signalAtOutput([](Differences& d, const Fg110Settings& s) {
                    waveform(d, s, Fg110Waveform::Triangle);
                    mode(d, s, Fg110Mode::Continuous);
                    frequency(d, s, Fg110Limits::highestOtherFrequency);
                })});

    all.append({QStringLiteral("Guarda el ajuste actual en la memoria 4, inicializa el generador y recupera el "
                               "ajuste."),
                QStringLiteral("Cambia antes algún ajuste, para que no sea el de fábrica. STORE (SHIFT y "
                               "RECALL) guarda en la memoria de la tecla numérica que pulses después; "
                               "INITIALIZE es SHIFT y 0; RECALL recupera la memoria."),
                keys({K::Shift, K::Recall, K::Digit4, K::Digit0}),
                QStringLiteral("Por ejemplo: FREQ, 2, kHz, CH1; SHIFT, RECALL (STORE), 4; SHIFT, 0 "
                               "(INITIALIZE); RECALL, 4."),
                keys({K::Frequency, K::Digit2, K::UnitKHz, K::Channel1, K::Shift, K::Recall, K::Digit4, K::Shift,
                      K::Digit0, K::Recall, K::Digit4}),
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
