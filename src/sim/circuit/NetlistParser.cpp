#include "sim/circuit/NetlistParser.h"

#include "sim/circuit/SpiceValue.h"

#include <QHash>

#include <cmath>
#include <optional>

namespace NetlistParser {
namespace {

QString quoted(const QString& text)
{
    return QStringLiteral("«%1»").arg(text);
}

// A line as the file gives it, or several joined by SPICE's "+" continuation.
struct SourceLine {
    int number = 0;
    QString text;
};

// A line cut into words; parentheses and commas separate like blanks, and "KEY = value"
// is one word "KEY=value".
QStringList wordsOf(QString text)
{
    text.replace(QLatin1Char('('), QLatin1Char(' ')).replace(QLatin1Char(')'), QLatin1Char(' '));
    text.replace(QLatin1Char(','), QLatin1Char(' '));
    // Blanks run together, then none around an equals sign. Plain string work, not a
    // regular expression: the bench's window reads its circuits without the regex engine.
    text = text.simplified();
    text.replace(QStringLiteral(" = "), QStringLiteral("=")).replace(QStringLiteral(" ="), QStringLiteral("="));
    text.replace(QStringLiteral("= "), QStringLiteral("="));
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

struct PendingDiode {
    QString element;
    QString model;
    int line = 0;
};

struct PendingPoint {
    QString node;
    QPoint position;
    int line = 0;
};

struct PendingHidden {
    QString element;
    double tolerance = 0.0;
    int line = 0;
};

class Reader {
public:
    NetlistParse run(const QString& text)
    {
        const QStringList rawLines = text.split(QLatin1Char('\n'));
        std::vector<SourceLine> lines;
        for (int i = 0; i < rawLines.size(); ++i) {
            QString line = rawLines[i];
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            const QString trimmed = line.trimmed();
            if (trimmed.startsWith(QLatin1Char('+')) && !lines.empty()
                && !lines.back().text.startsWith(QLatin1Char('*')))
                lines.back().text += QLatin1Char(' ') + trimmed.mid(1);
            else
                lines.push_back({i + 1, trimmed});
        }
        for (const SourceLine& line : lines) {
            if (!readLine(line))
                return m_result;
            if (m_ended)
                break;
        }
        if (finish(int(rawLines.size())))
            m_result.ok = true;
        return m_result;
    }

private:
    bool fail(int line, const QString& message)
    {
        m_result.errorLine = line;
        m_result.error = message;
        m_result.ok = false;
        return false;
    }

    Circuit& circuit() { return m_result.circuit; }

    bool readLine(const SourceLine& line)
    {
        const QString& text = line.text;
        if (text.isEmpty())
            return true;
        if (text.startsWith(QLatin1String("*#")))
            return readHeader(line.number, text.mid(2).trimmed());
        if (text.startsWith(QLatin1Char('*')))
            return true;
        const QStringList words = wordsOf(text);
        if (words.isEmpty())
            return true;
        if (words[0].startsWith(QLatin1Char('.')))
            return readCommand(line.number, words);
        return readElement(line.number, words);
    }

    bool readCommand(int line, const QStringList& words)
    {
        const QString command = words[0].toLower();
        if (command == QLatin1String(".end")) {
            m_ended = true;
            return true;
        }
        if (command != QLatin1String(".model"))
            return fail(line,
                        QStringLiteral("la orden %1 no se admite: se admiten .model y .end.").arg(quoted(words[0])));
        if (words.size() < 3)
            return fail(line,
                        QStringLiteral("a .model le faltan datos: se escribe «.model NOMBRE D (IS=… N=… RS=…)»."));
        if (words[2].compare(QLatin1String("D"), Qt::CaseInsensitive) != 0)
            return fail(line, QStringLiteral("el modelo %1 es de tipo %2: solo se admiten modelos de diodo (tipo D).")
                                  .arg(quoted(words[1]), quoted(words[2])));
        DiodeModel model;
        for (int i = 3; i < words.size(); ++i) {
            const auto [key, value] = parameter(line, words[i]);
            if (!value)
                return false;
            if (key == QLatin1String("is") && *value > 0)
                model.saturationCurrent = *value;
            else if (key == QLatin1String("n") && *value >= 0.1 && *value <= 10)
                model.emission = *value;
            else if (key == QLatin1String("rs") && *value >= 0)
                model.seriesResistance = *value;
            else if (key == QLatin1String("is") || key == QLatin1String("n") || key == QLatin1String("rs"))
                return fail(line, QStringLiteral("el valor de %1 está fuera de margen.").arg(key.toUpper()));
            else
                return fail(line, QStringLiteral("el parámetro %1 no se admite en .model: se admiten IS, N y RS.")
                                      .arg(quoted(words[i].section(QLatin1Char('='), 0, 0))));
        }
        m_models.insert(words[1].toLower(), model);
        return true;
    }

    // "KEY=value": the key in lower case and the value, or a failure.
    std::pair<QString, std::optional<double>> parameter(int line, const QString& word)
    {
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        if (equals <= 0) {
            fail(line, QStringLiteral("se esperaba un parámetro «NOMBRE=valor» y se encontró %1.").arg(quoted(word)));
            return {};
        }
        const QString key = word.left(equals).toLower();
        const auto value = parseSpiceValue(word.mid(equals + 1));
        if (!value)
            badValue(line, word.mid(equals + 1));
        return {key, value};
    }

    bool badValue(int line, const QString& text)
    {
        return fail(line, QStringLiteral("%1 no es un valor: se escribe un número con un punto decimal y, si hace "
                                         "falta, un sufijo como k, meg, m, u, n o p (4.7k, 100n).")
                              .arg(quoted(text)));
    }

    bool readElement(int line, const QStringList& words)
    {
        const QString& name = words[0];
        const QChar kind = name[0].toUpper();
        static const QString letters = QStringLiteral("RCVIDX");
        if (!letters.contains(kind))
            return fail(line, QStringLiteral("no se entiende %1: una línea de elemento empieza por R, C, V, I, D o X.")
                                  .arg(quoted(name)));
        if (int(circuit().elements().size()) >= maximumElements)
            return fail(line,
                        QStringLiteral("el circuito tiene demasiados elementos: %1 como mucho.").arg(maximumElements));
        if (const auto earlier = m_elementLines.constFind(name.toLower()); earlier != m_elementLines.constEnd())
            return fail(line, QStringLiteral("el elemento %1 ya está en la línea %2.").arg(quoted(name)).arg(*earlier));
        static const QHash<QChar, QString> shapes = {
            {QLatin1Char('R'), QStringLiteral("R1 nodo nodo valor")},
            {QLatin1Char('C'), QStringLiteral("C1 nodo nodo valor")},
            {QLatin1Char('V'), QStringLiteral("V1 nodo+ nodo- valor")},
            {QLatin1Char('I'), QStringLiteral("I1 nodo+ nodo- valor")},
            {QLatin1Char('D'), QStringLiteral("D1 ánodo cátodo modelo")},
            {QLatin1Char('X'), QStringLiteral("X1 nodo nodo LAMP parámetros")}};
        if (words.size() < 4)
            return fail(line,
                        QStringLiteral("a %1 le faltan datos: se escribe «%2».").arg(quoted(name), shapes.value(kind)));
        if (words[1].contains(QLatin1Char('=')) || words[2].contains(QLatin1Char('=')))
            return fail(line,
                        QStringLiteral("a %1 le faltan nodos: se escribe «%2».").arg(quoted(name), shapes.value(kind)));
        Element element;
        element.name = name;
        element.first = circuit().node(words[1]);
        element.second = circuit().node(words[2]);
        if (circuit().nodeCount() > maximumElements + 1)
            return fail(line,
                        QStringLiteral("el circuito tiene demasiados nodos: %1 como mucho.").arg(maximumElements));
        if (element.first == element.second)
            return fail(line, QStringLiteral("los dos nodos de %1 son el mismo.").arg(quoted(name)));
        if (kind == QLatin1Char('D')) {
            element.kind = ElementKind::Diode;
            m_diodes.push_back({name, words[3], line});
            if (words.size() > 4)
                return fail(line, QStringLiteral("sobra %1 tras el modelo del diodo.").arg(quoted(words[4])));
        } else if (kind == QLatin1Char('X')) {
            if (!readDevice(line, words, element))
                return false;
        } else if (!readValue(line, words, kind, element)) {
            return false;
        }
        m_elementLines.insert(name.toLower(), line);
        circuit().attach(std::move(element));
        return true;
    }

    bool readValue(int line, const QStringList& words, QChar kind, Element& element)
    {
        qsizetype at = 3;
        const bool source = kind == QLatin1Char('V') || kind == QLatin1Char('I');
        if (source && words[at].compare(QLatin1String("DC"), Qt::CaseInsensitive) == 0)
            ++at;
        if (at >= words.size())
            return fail(line, QStringLiteral("falta el valor de %1.").arg(quoted(element.name)));
        if (at + 1 < words.size())
            return fail(
                line, QStringLiteral("sobra %1 tras el valor de %2.").arg(quoted(words[at + 1]), quoted(element.name)));
        const auto value = parseSpiceValue(words[at]);
        if (!value)
            return badValue(line, words[at]);
        element.value = *value;
        switch (kind.unicode()) {
        case 'R':
            element.kind = ElementKind::Resistor;
            if (*value < 1e-3 || *value > 1e12)
                return fail(
                    line, QStringLiteral("la resistencia %1 debe valer entre 1 mΩ y 1 TΩ.").arg(quoted(element.name)));
            break;
        case 'C':
            element.kind = ElementKind::Capacitor;
            if (*value <= 0 || *value > 1)
                return fail(line, QStringLiteral("el condensador %1 debe valer más de 0 y no más de 1 faradio.")
                                      .arg(quoted(element.name)));
            break;
        default:
            element.kind = kind == QLatin1Char('V') ? ElementKind::VoltageSource : ElementKind::CurrentSource;
            if (std::abs(*value) > 1e4)
                return fail(
                    line,
                    QStringLiteral("la fuente %1 no puede pasar de 10 kV ni de 10 kA.").arg(quoted(element.name)));
            break;
        }
        return true;
    }

    // "X… n1 n2 LAMP VNOM=12 INOM=0.1 [RCOLD=…] [TAU=…]" or "X… n1 n2 FUSE I=0.5 [R=…] [I2T=…]".
    bool readDevice(int line, const QStringList& words, Element& element)
    {
        const QString type = words[3].toUpper();
        QHash<QString, double> values;
        for (qsizetype i = 4; i < words.size(); ++i) {
            const auto [key, value] = parameter(line, words[i]);
            if (!value)
                return false;
            if (!(*value > 0))
                return fail(line, QStringLiteral("%1 debe valer más de 0.").arg(quoted(key.toUpper())));
            values.insert(key, *value);
        }
        const auto require = [&](const char* key, const QString& what) {
            if (values.contains(QLatin1String(key)))
                return true;
            return fail(line, QStringLiteral("a %1 le falta %2 (%3=…).")
                                  .arg(quoted(element.name), what, QString::fromLatin1(key).toUpper()));
        };
        const auto onlyKnown = [&](const QStringList& known) {
            for (auto it = values.cbegin(); it != values.cend(); ++it)
                if (!known.contains(it.key()))
                    return fail(line,
                                QStringLiteral("el parámetro %1 no se admite en %2: se admiten %3.")
                                    .arg(quoted(it.key().toUpper()), type, known.join(QStringLiteral(", ")).toUpper()));
            return true;
        };
        if (type == QLatin1String("LAMP")) {
            if (!onlyKnown(
                    {QStringLiteral("vnom"), QStringLiteral("inom"), QStringLiteral("rcold"), QStringLiteral("tau")})
                || !require("vnom", QStringLiteral("su tensión nominal"))
                || !require("inom", QStringLiteral("su corriente nominal")))
                return false;
            element.kind = ElementKind::Lamp;
            element.lamp.ratedVoltage = values.value(QStringLiteral("vnom"));
            element.lamp.ratedCurrent = values.value(QStringLiteral("inom"));
            element.lamp.coldResistance = values.value(QStringLiteral("rcold"), element.lamp.hotResistance() / 10.0);
            element.lamp.timeConstant = values.value(QStringLiteral("tau"), 0.05);
            if (element.lamp.coldResistance > element.lamp.hotResistance())
                return fail(line, QStringLiteral(
                                      "la lámpara %1 no puede tener en frío más resistencia que encendida (%2 ohmios).")
                                      .arg(quoted(element.name))
                                      .arg(element.lamp.hotResistance()));
            return true;
        }
        if (type == QLatin1String("FUSE")) {
            if (!onlyKnown({QStringLiteral("i"), QStringLiteral("r"), QStringLiteral("i2t")})
                || !require("i", QStringLiteral("su corriente nominal")))
                return false;
            element.kind = ElementKind::Fuse;
            element.fuse.ratedCurrent = values.value(QStringLiteral("i"));
            element.fuse.resistance = values.value(QStringLiteral("r"), element.fuse.resistance);
            element.fuse.meltingIntegral = values.value(QStringLiteral("i2t"), element.fuse.meltingIntegral);
            return true;
        }
        return fail(line, QStringLiteral("%1 no es un tipo conocido: tras los nodos de %2 va LAMP o FUSE.")
                              .arg(quoted(words[3]), quoted(element.name)));
    }

    bool readHeader(int line, const QString& text)
    {
        const qsizetype colon = text.indexOf(QLatin1Char(':'));
        const QString key = text.left(colon).trimmed().toLower();
        const QString rest = colon < 0 ? QString() : text.mid(colon + 1).trimmed();
        const QStringList words = rest.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (colon < 0)
            return fail(line, QStringLiteral("a la línea de cabecera le faltan los dos puntos: «*# clave: valor»."));
        if (key == u"título" || key == QLatin1String("titulo")) {
            if (rest.isEmpty())
                return fail(line, QStringLiteral("el título está vacío."));
            circuit().title = rest;
            return true;
        }
        if (key == QLatin1String("tierra")) {
            if (words.size() != 1 || words[0] == QLatin1String("0")
                || words[0].compare(QLatin1String("gnd"), Qt::CaseInsensitive) == 0)
                return fail(line, QStringLiteral("la tierra se nombra con una sola palabra: «*# tierra: NOMBRE»."));
            if (!circuit().nameGround(words[0]))
                return fail(
                    line, QStringLiteral("el nodo %1 ya se ha usado: la línea de la tierra va antes que los elementos.")
                              .arg(quoted(words[0])));
            return true;
        }
        if (key == QLatin1String("punto")) {
            bool xOk = false;
            bool yOk = false;
            const int x = words.value(1).toInt(&xOk);
            const int y = words.value(2).toInt(&yOk);
            if (words.size() != 3 || !xOk || !yOk || x < 0 || y < 0 || x > 10000 || y > 10000)
                return fail(
                    line, QStringLiteral("un punto se escribe «*# punto: NODO x y», con x e y en píxeles del dibujo."));
            m_points.push_back({words[0], QPoint(x, y), line});
            return true;
        }
        if (key == QLatin1String("oculta")) {
            const QString tolerance = words.value(1);
            const std::optional<double> parsed =
                tolerance.endsWith(QLatin1Char('%')) ? parseSpiceValue(tolerance.chopped(1)) : std::nullopt;
            const double percent = parsed.value_or(-1.0);
            if (words.size() != 2 || percent < 0 || percent >= 100)
                return fail(line,
                            QStringLiteral("una resistencia oculta se escribe «*# oculta: R1 5%», con su tolerancia."));
            m_hidden.push_back({words[0], percent / 100.0, line});
            return true;
        }
        if (key == QLatin1String("fuente") || key == QLatin1String("generador")) {
            const bool supply = key == QLatin1String("fuente");
            // The optional numbers after the nodes, with their defaults.
            const double defaults[2] = {supply ? 0.0 : 50.0, 1.0};
            double numbers[2] = {defaults[0], defaults[1]};
            bool valid = words.size() >= 2 && words.size() <= (supply ? 4 : 3)
                         && words[0].compare(words[1], Qt::CaseInsensitive) != 0;
            for (qsizetype i = 2; valid && i < words.size(); ++i) {
                const std::optional<double> number = parseSpiceValue(words[i]);
                valid = number.has_value();
                numbers[i - 2] = number.value_or(defaults[i - 2]);
            }
            if (!valid)
                return fail(
                    line, supply ? QStringLiteral("la fuente se escribe «*# fuente: nodo+ nodo- [voltios [amperios]]».")
                                 : QStringLiteral("el generador se escribe «*# generador: nodo+ nodo- [ohmios]»."));
            if (circuit().element(supply ? Circuit::supplyName() : Circuit::generatorName()))
                return fail(line, supply ? QStringLiteral("el circuito ya tiene una fuente.")
                                         : QStringLiteral("el circuito ya tiene un generador."));
            Element element;
            element.first = circuit().node(words[0]);
            element.second = circuit().node(words[1]);
            if (supply) {
                element.kind = ElementKind::PowerSupply;
                element.name = Circuit::supplyName();
                element.supply.setPoint = std::clamp(numbers[0], 0.0, SupplySettings::maximumVoltage);
                element.supply.currentLimit = std::clamp(numbers[1], 0.0, SupplySettings::maximumCurrent);
            } else {
                element = Elements::testSource(Circuit::generatorName(), element.first, element.second, 0.0,
                                               std::clamp(numbers[0], 1e-3, 1e6));
            }
            circuit().attach(std::move(element));
            return true;
        }
        if (key == QLatin1String("corte")) {
            if (words.size() != 2 || words[0].compare(words[1], Qt::CaseInsensitive) == 0)
                return fail(line, QStringLiteral("un corte se escribe «*# corte: nodo nodo»."));
            if (circuit().breaks.size() >= 10)
                return fail(line, QStringLiteral("el circuito tiene demasiados cortes: 10 como mucho."));
            CircuitBreak cut;
            cut.link = QStringLiteral("LINK%1").arg(circuit().breaks.size() + 1);
            cut.first = circuit().node(words[0]);
            cut.second = circuit().node(words[1]);
            circuit().breaks.push_back(cut);
            circuit().attach(Elements::link(cut.link, cut.first, cut.second));
            return true;
        }
        return fail(line, QStringLiteral("la clave %1 no se conoce: la cabecera admite título, tierra, punto, oculta, "
                                         "fuente, generador y corte.")
                              .arg(quoted(key)));
    }

    // What can be checked only once every line is read.
    bool finish(int lastLine)
    {
        for (const PendingDiode& diode : m_diodes) {
            const auto model = m_models.constFind(diode.model.toLower());
            if (model == m_models.constEnd())
                return fail(diode.line,
                            QStringLiteral("el modelo %1 del diodo %2 no está definido (falta su línea .model).")
                                .arg(quoted(diode.model), quoted(diode.element)));
            circuit().element(diode.element)->diode = *model;
        }
        if (circuit().title.isEmpty())
            return fail(1, QStringLiteral("falta el título: la cabecera necesita una línea «*# título: …»."));
        for (const PendingPoint& point : m_points) {
            if (circuit().findNode(point.node) < 0)
                return fail(point.line,
                            QStringLiteral("el punto %1 no es un nodo del circuito.").arg(quoted(point.node)));
            circuit().testPoints.push_back({point.node, point.position});
        }
        for (const PendingHidden& hidden : m_hidden) {
            const Element* resistor = circuit().element(hidden.element);
            if (!resistor || resistor->kind != ElementKind::Resistor)
                return fail(hidden.line,
                            QStringLiteral("%1 no es una resistencia del circuito: solo se ocultan resistencias.")
                                .arg(quoted(hidden.element)));
            circuit().hiddenValues.push_back({resistor->name, resistor->value, hidden.tolerance});
        }
        if (circuit().elements().empty())
            return fail(0, QStringLiteral("el circuito no tiene elementos."));
        const bool grounded =
            std::any_of(circuit().elements().begin(), circuit().elements().end(),
                        [](const Element& element) { return element.first == 0 || element.second == 0; });
        if (!grounded)
            return fail(lastLine, QStringLiteral("ningún elemento va a tierra (el nodo 0 o gnd)."));
        return true;
    }

    NetlistParse m_result;
    bool m_ended = false;
    QHash<QString, DiodeModel> m_models;
    QHash<QString, int> m_elementLines;
    std::vector<PendingDiode> m_diodes;
    std::vector<PendingPoint> m_points;
    std::vector<PendingHidden> m_hidden;
};

} // namespace

NetlistParse parse(const QString& text)
{
    return Reader().run(text);
}

} // namespace NetlistParser
