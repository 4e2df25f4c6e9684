// Circuit files: values with their suffixes, broken files and their messages, the header's
// contents, hidden values drawn within their tolerance, the shipped folder, and the same
// results in a Spanish locale.
#include "sim/circuit/CircuitLibrary.h"
#include "sim/circuit/CircuitSolver.h"
#include "sim/circuit/SpiceValue.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <clocale>
#include <cstdlib>

namespace {
const QString title = QStringLiteral("*# título: Prueba\n");

QString problemOf(const QByteArray& contents)
{
    QString problem;
    CircuitLibrary::read(QStringLiteral("circuits/roto.cir"), contents, problem);
    return problem;
}
} // namespace

class CircuitFilesTest : public QObject {
    Q_OBJECT

private slots:
    void values_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // NaN: refused
        const double refused = std::nan("");
        QTest::addRow("plain") << "470" << 470.0;
        QTest::addRow("decimal point") << "4.7k" << 4700.0;
        QTest::addRow("capital K") << "4.7K" << 4700.0;
        QTest::addRow("meg") << "2.2MEG" << 2.2e6;
        QTest::addRow("Meg") << "2.2Meg" << 2.2e6;
        QTest::addRow("M is milli") << "1M" << 1e-3;
        QTest::addRow("u") << "4.7u" << 4.7e-6;
        QTest::addRow("micro sign") << "4.7µ" << 4.7e-6;
        QTest::addRow("n") << "100n" << 100e-9;
        QTest::addRow("p") << "10p" << 10e-12;
        QTest::addRow("f") << "3f" << 3e-15;
        QTest::addRow("g") << "1g" << 1e9;
        QTest::addRow("t") << "1T" << 1e12;
        QTest::addRow("exponent") << "1e3" << 1000.0;
        QTest::addRow("exponent and suffix") << "1e-3k" << 1.0;
        QTest::addRow("negative") << "-5" << -5.0;
        QTest::addRow("leading point") << ".5" << 0.5;
        QTest::addRow("leading plus") << "+5" << 5.0;
        QTest::addRow("empty") << "" << refused;
        QTest::addRow("suffix alone") << "k" << refused;
        QTest::addRow("unknown suffix") << "1x" << refused;
        QTest::addRow("unit after suffix") << "10uF" << refused;
        QTest::addRow("decimal comma") << "1,5" << refused;
        QTest::addRow("two signs") << "+-1" << refused;
        QTest::addRow("not a number") << "nan" << refused;
        QTest::addRow("infinity") << "inf" << refused;
        QTest::addRow("too large") << "1e308k" << refused;
    }
    void values()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        const auto parsed = parseSpiceValue(text);
        QCOMPARE(parsed.has_value(), !std::isnan(value));
        if (parsed)
            QVERIFY(std::abs(*parsed - value) <= 1e-12 * std::abs(value));
    }

    void brokenFiles_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const QString& text, const char* message) {
            QTest::addRow("%s", name) << text.toUtf8() << QString::fromUtf8(message);
        };
        row("no title", QStringLiteral("R1 a 0 1k\n"),
            "circuits/roto.cir, línea 1: falta el título: la cabecera necesita una línea «*# título: …».");
        row("bad value", title + QStringLiteral("R1 a 0 4k7\n"),
            "circuits/roto.cir, línea 2: «4k7» no es un valor: se escribe un número con un punto decimal y, si hace "
            "falta, "
            "un sufijo como k, meg, m, u, n o p (4.7k, 100n).");
        row("unknown element", title + QStringLiteral("Q1 c b e QMOD\n"),
            "circuits/roto.cir, línea 2: no se entiende «Q1»: una línea de elemento empieza por R, C, V, I, D o X.");
        row("missing value", title + QStringLiteral("* una resistencia\nR1 a 0\n"),
            "circuits/roto.cir, línea 3: a «R1» le faltan datos: se escribe «R1 nodo nodo valor».");
        row("source without value", title + QStringLiteral("V1 a 0 DC\n"),
            "circuits/roto.cir, línea 2: falta el valor de «V1».");
        row("extra word", title + QStringLiteral("R1 a 0 1k 5%\n"),
            "circuits/roto.cir, línea 2: sobra «5%» tras el valor de «R1».");
        row("zero resistance", title + QStringLiteral("R1 a 0 0\n"),
            "circuits/roto.cir, línea 2: la resistencia «R1» debe valer entre 1 mΩ y 1 TΩ.");
        row("same node twice", title + QStringLiteral("R1 a A 1k\n"),
            "circuits/roto.cir, línea 2: los dos nodos de «R1» son el mismo.");
        row("duplicate", title + QStringLiteral("R1 a 0 1k\nr1 a b 2k\n"),
            "circuits/roto.cir, línea 3: el elemento «r1» ya está en la línea 2.");
        row("undefined model", title + QStringLiteral("V1 a 0 5\nD1 a 0 D1N4148\n"),
            "circuits/roto.cir, línea 3: el modelo «D1N4148» del diodo «D1» no está definido (falta su línea .model).");
        row("unknown model parameter", title + QStringLiteral(".model DM D (IS=1n CJO=2p)\n"),
            "circuits/roto.cir, línea 2: el parámetro «CJO» no se admite en .model: se admiten IS, N y RS.");
        row("transistor model", title + QStringLiteral(".model QM NPN (BF=100)\n"),
            "circuits/roto.cir, línea 2: el modelo «QM» es de tipo «NPN»: solo se admiten modelos de diodo (tipo D).");
        row("analysis command", title + QStringLiteral("R1 a 0 1k\n.tran 1u 1m\n"),
            "circuits/roto.cir, línea 3: la orden «.tran» no se admite: se admiten .model y .end.");
        row("lamp without current", title + QStringLiteral("XL1 a 0 LAMP VNOM=12\n"),
            "circuits/roto.cir, línea 2: a «XL1» le falta su corriente nominal (INOM=…).");
        row("lamp colder than hot", title + QStringLiteral("XL1 a 0 LAMP VNOM=12 INOM=0.1 RCOLD=200\n"),
            "circuits/roto.cir, línea 2: la lámpara «XL1» no puede tener en frío más resistencia que encendida (120 "
            "ohmios).");
        row("unknown device", title + QStringLiteral("X1 a 0 MOTOR\n"),
            "circuits/roto.cir, línea 2: «MOTOR» no es un tipo conocido: tras los nodos de «X1» va LAMP o FUSE.");
        row("fuse parameter", title + QStringLiteral("XF1 a 0 FUSE I=1 T=2\n"),
            "circuits/roto.cir, línea 2: el parámetro «T» no se admite en FUSE: se admiten I, R, I2T.");
        row("point off the circuit", title + QStringLiteral("*# punto: Z 10 10\nR1 a 0 1k\n"),
            "circuits/roto.cir, línea 2: el punto «Z» no es un nodo del circuito.");
        row("point without position", title + QStringLiteral("*# punto: a 10\nR1 a 0 1k\n"),
            "circuits/roto.cir, línea 2: un punto se escribe «*# punto: NODO x y», con x e y en píxeles del dibujo.");
        row("hidden capacitor", title + QStringLiteral("*# oculta: C1 10%\nR1 a 0 1k\nC1 a 0 1u\n"),
            "circuits/roto.cir, línea 2: «C1» no es una resistencia del circuito: solo se ocultan resistencias.");
        row("tolerance without percent", title + QStringLiteral("*# oculta: R1 5\nR1 a 0 1k\n"),
            "circuits/roto.cir, línea 2: una resistencia oculta se escribe «*# oculta: R1 5%», con su tolerancia.");
        row("unknown header key", title + QStringLiteral("*# autor: Ana\n"),
            "circuits/roto.cir, línea 2: la clave «autor» no se conoce: la cabecera admite título, tierra, punto, "
            "oculta, "
            "fuente, generador y corte.");
        row("ground named late", title + QStringLiteral("R1 a m 1k\n*# tierra: m\n"),
            "circuits/roto.cir, línea 3: el nodo «m» ya se ha usado: la línea de la tierra va antes que los "
            "elementos.");
        row("no ground", title + QStringLiteral("R1 a b 1k\n"),
            "circuits/roto.cir, línea 3: ningún elemento va a tierra (el nodo 0 o gnd).");
        row("no elements", title, "circuits/roto.cir: el circuito no tiene elementos.");
        row("two sources in parallel", title + QStringLiteral("V1 a 0 5\nV2 a 0 6\n"),
            "circuits/roto.cir: el circuito no tiene una solución única (¿una malla de fuentes de tensión, o un nodo "
            "que nada "
            "sujeta?).");
        QTest::addRow("not UTF-8") << (title.toUtf8() + "* tensi\xf3n\nR1 a 0 1k\n")
                                   << QStringLiteral("circuits/roto.cir: el archivo no está escrito en UTF-8.");
    }
    void brokenFiles()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, message);
        QCOMPARE(problemOf(contents), message);
    }

    void header()
    {
        const QString text =
            QStringLiteral("*# titulo: Lazo\r\n*# tierra: E\n*# fuente: A E 12 0.25\n*# generador: G E\n"
                           "*# corte: B C\n*# punto: b 30 40\n*# oculta: R1 10%\n"
                           "R1 A B\n+ 1k\nR2 C E 1k\nR3 G E 50\n.END\nesto ya no se lee\n");
        QString problem;
        const auto circuit = CircuitLibrary::read(QStringLiteral("circuits/lazo.cir"), text.toUtf8(), problem);
        QVERIFY2(circuit, qPrintable(problem));
        QCOMPARE(circuit->title, QStringLiteral("Lazo"));
        QCOMPARE(circuit->nodeName(0), QStringLiteral("E"));
        QCOMPARE(circuit->testPoints.size(), std::size_t(1));
        QCOMPARE(circuit->testPoints[0].position, QPoint(30, 40));
        QCOMPARE(circuit->findNode(circuit->testPoints[0].node), circuit->findNode(QStringLiteral("B")));
        QCOMPARE(circuit->element(Circuit::supplyName())->supply.setPoint, 12.0);
        QCOMPARE(circuit->element(Circuit::supplyName())->supply.currentLimit, 0.25);
        QCOMPARE(circuit->element(Circuit::generatorName())->seriesResistance, 50.0);
        QCOMPARE(circuit->breaks.size(), std::size_t(1));
        QVERIFY(circuit->element(circuit->breaks[0].link));
        QCOMPARE(circuit->hiddenValues.size(), std::size_t(1));
        QCOMPARE(circuit->hiddenValues[0].nominal, 1000.0);
    }

    void hiddenValuesDrawnWithinTolerance()
    {
        Circuit circuit = CircuitLibrary::load().circuits.front().circuit; // divisor.cir, two hidden at 5 %
        QCOMPARE(circuit.hiddenValues.size(), std::size_t(2));
        const HiddenValue hidden = circuit.hiddenValues[0];
        double lowest = hidden.nominal * 2;
        double highest = 0;
        for (std::uint64_t seed = 0; seed < 2000; ++seed) {
            circuit.drawHiddenValues(seed);
            const double value = circuit.element(hidden.element)->value;
            lowest = std::min(lowest, value);
            highest = std::max(highest, value);
        }
        QVERIFY(lowest >= hidden.nominal * 0.95 && lowest < hidden.nominal * 0.951);
        QVERIFY(highest <= hidden.nominal * 1.05 && highest > hidden.nominal * 1.049);
        circuit.drawHiddenValues(7);
        const double first = circuit.element(hidden.element)->value;
        const double second = circuit.element(circuit.hiddenValues[1].element)->value;
        QVERIFY(first != second * hidden.nominal / circuit.hiddenValues[1].nominal);
        circuit.drawHiddenValues(8);
        QVERIFY(circuit.element(hidden.element)->value != first);
        circuit.drawHiddenValues(7);
        QCOMPARE(circuit.element(hidden.element)->value, first);
    }

    void brokenFileNotOffered()
    {
        QTemporaryDir folder;
        const auto write = [&](const char* name, const QByteArray& contents) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        };
        write("a-bueno.cir", (title + QStringLiteral("R1 a 0 1k\nI1 0 a 1m\n")).toUtf8());
        write("b-roto.cir", (title + QStringLiteral("R1 a 0 1q\n")).toUtf8());
        write("c-enorme.cir", QByteArray(CircuitLibrary::maximumFileSize + 1, '*'));
        write("notas.txt", "no es un circuito");
        const CircuitLibrary library = CircuitLibrary::loadFolder(folder.path());
        QCOMPARE(library.circuits.size(), std::size_t(1));
        QCOMPARE(library.circuits[0].fileName, QStringLiteral("circuits/a-bueno.cir"));
        QCOMPARE(library.problems.size(), 2);
        QVERIFY(library.problems[0].startsWith(QStringLiteral("circuits/b-roto.cir, línea 2: «1q» no es un valor")));
        QCOMPARE(library.problems[1],
                 QStringLiteral("circuits/c-enorme.cir: el archivo es demasiado grande para un circuito."));
    }

    // The shipped circuits read and solve the same whatever the process's locale.
    void shippedCircuitsInASpanishLocale()
    {
        const auto results = [] {
            QStringList lines;
            const CircuitLibrary library = CircuitLibrary::load();
            lines += library.problems;
            for (CircuitFile file : library.circuits) {
                const Solution solution = CircuitSolver::operatingPoint(file.circuit);
                lines << file.fileName + QLatin1Char(' ') + file.circuit.title;
                for (double volts : solution.nodeVoltages)
                    lines << QString::number(volts, 'g', 15);
            }
            return lines;
        };
        const QStringList inC = results();
        QCOMPARE(inC.filter(QStringLiteral(".cir ")).size(), 4);
        QTemporaryDir locales;
        if (!std::setlocale(LC_ALL, "es_ES.UTF-8")) {
            QProcess::execute(QStringLiteral("localedef"),
                              {QStringLiteral("-i"), QStringLiteral("es_ES"), QStringLiteral("-f"),
                               QStringLiteral("UTF-8"), locales.filePath(QStringLiteral("es_ES.UTF-8"))});
            qputenv("LOCPATH", locales.path().toLocal8Bit());
            if (!std::setlocale(LC_ALL, "es_ES.UTF-8"))
                QSKIP("no Spanish locale can be made here");
        }
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        const double cReading = std::strtod("1.5", nullptr);
        const QStringList inSpanish = results();
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
        QCOMPARE(cReading, 1.0); // the locale was in force: the C library stops at the point
        QCOMPARE(inSpanish, inC);
    }
};

QTEST_GUILESS_MAIN(CircuitFilesTest)
#include "tst_circuit_files.moc"
