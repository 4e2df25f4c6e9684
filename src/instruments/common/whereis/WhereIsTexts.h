#pragma once

#include <QString>

// What "¿Dónde está…?" says, apart from the questions, which come from the catalogues.
namespace WhereIsTexts {

inline const QString button = QStringLiteral("¿&Dónde está…?");
// What the button does now, for a screen reader.
inline const QString buttonDescription =
    QStringLiteral("El panel pide señalar sus mandos, diez cada vez, por lo que hace cada uno.");
inline const QString buttonDescriptionDown = QStringLiteral("Deja de preguntar y devuelve el panel a como estaba.");
inline const QString next = QStringLiteral("&Siguiente");
inline const QString again = QStringLiteral("&Otra ronda");
inline const QString right = QStringLiteral("¡Correcto!");
// Told of the framed region, after what it is.
inline const QString framed = QStringLiteral("Recuadrado en rojo: es el mando que se pedía.");

inline QString numbered(int number, int count, const QString& question)
{
    return QStringLiteral("Pregunta %1 de %2. %3").arg(number).arg(count).arg(question);
}

// A control's name as a verdict quotes it: without the full stop some names end with.
inline QString quoted(QString name)
{
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return QStringLiteral("«%1»").arg(name.trimmed());
}

inline QString wrong(const QString& chosen, const QString& asked)
{
    return QStringLiteral("Eso es %1. Lo que se pedía, %2, queda recuadrado en rojo.")
        .arg(quoted(chosen), quoted(asked));
}

inline QString score(int right, int count)
{
    return QStringLiteral("Ronda terminada: has acertado %1 de %2.").arg(right).arg(count);
}

} // namespace WhereIsTexts
