#include "sim/circuit/CircuitLibrary.h"

#include "sim/circuit/CircuitPaths.h"
#include "sim/circuit/CircuitSolver.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

QString circuitProblem(const QString& fileName, int line, const QString& message)
{
    if (line <= 0)
        return QStringLiteral("%1: %2").arg(fileName, message);
    return QStringLiteral("%1, línea %2: %3").arg(fileName).arg(line).arg(message);
}

std::optional<Circuit> CircuitLibrary::read(const QString& fileName, const QByteArray& contents, QString& problem)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(contents);
    if (decoder.hasError()) {
        problem = circuitProblem(fileName, 0, QStringLiteral("el archivo no está escrito en UTF-8."));
        return std::nullopt;
    }
    NetlistParse parse = NetlistParser::parse(text);
    if (!parse.ok) {
        problem = circuitProblem(fileName, parse.errorLine, parse.error);
        return std::nullopt;
    }
    Circuit trial = parse.circuit;
    const Solution solution = CircuitSolver::operatingPoint(trial);
    if (!solution.solved()) {
        problem = circuitProblem(fileName, 0, CircuitSolver::statusText(solution.status) + QLatin1Char('.'));
        return std::nullopt;
    }
    return std::move(parse.circuit);
}

CircuitLibrary CircuitLibrary::loadFolder(const QString& folder)
{
    CircuitLibrary library;
    const QDir directory(folder);
    // The suffix compared by hand: a name filter is a wildcard pattern, which QDir turns
    // into a regular expression and so maps the expression library for the run.
    const QStringList names = directory.entryList(QDir::Files, QDir::Name);
    for (const QString& name : names) {
        if (!name.endsWith(QLatin1String(".cir"), Qt::CaseInsensitive))
            continue;
        const QString fileName = QStringLiteral("circuits/") + name;
        QFile file(directory.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            library.problems << circuitProblem(fileName, 0, QStringLiteral("no se puede abrir el archivo."));
            continue;
        }
        if (file.size() > maximumFileSize) {
            library.problems << circuitProblem(fileName, 0,
                                               QStringLiteral("el archivo es demasiado grande para un circuito."));
            continue;
        }
        QString problem;
        if (auto circuit = read(fileName, file.readAll(), problem))
            library.circuits.push_back({fileName, std::move(*circuit)});
        else
            library.problems << problem;
    }
    return library;
}

CircuitLibrary CircuitLibrary::load()
{
    const QString folder = CircuitPaths::circuitsFolder();
    if (folder.isEmpty()) {
        CircuitLibrary library;
        library.problems << QStringLiteral("No se encuentra la carpeta de circuitos «circuits».");
        return library;
    }
    return loadFolder(folder);
}
