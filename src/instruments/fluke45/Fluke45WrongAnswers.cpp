#include "Fluke45WrongAnswers.h"

// Each note links to the front panel's row of the keys it names; the row's links open the
// trainer that explains each key.
const WrongAnswerNotes& fluke45WrongAnswers()
{
    static const QString functionKeys = "Botones de función";
    static const QString functionKeysLink = "Los botones de función en el panel frontal";
    static const QString secondKey = "Tecla Shift";
    static const QString secondKeyLink = "La tecla 2ND en el panel frontal";
    static const QString rangeKeys = "Botones de rango";
    static const QString modifiers = "Modificadores";
    static const QString modifiersLink = "Los modificadores de función en el panel frontal";
    static const WrongAnswerNotes notes{
        {1, 1,
         "Tras 2ND, el botón A- lleva al display secundario la corriente continua, no la frecuencia; la frecuencia "
         "de la corriente alterna se lee pulsando 2ND y después FREQ.",
         functionKeys, functionKeysLink},
        {1, 2,
         "El botón A- mide corriente continua, no alterna, y FREQ pulsado antes de 2ND mide la frecuencia en el "
         "display primario, no en el secundario.",
         functionKeys, functionKeysLink},
        {1, 3,
         "El botón A- mide corriente continua; para medir una corriente alterna en el display primario hay que "
         "pulsar el botón A~.",
         functionKeys, functionKeysLink},
        {2, 1,
         "Sin 2ND, HOLD solo entra en el modo Touch Hold o sale de él; el umbral es su función secundaria (THRESH), "
         "y su elección se termina con AUTO.",
         secondKey, secondKeyLink},
        {2, 2, "Tras elegir la opción con las flechas, la elección del umbral se termina pulsando AUTO, no HOLD.",
         rangeKeys, "Los botones de rango (AUTO y las flechas) en el panel frontal"},
        {2, 4,
         "Falta pulsar 2ND antes de HOLD: sin esa tecla, HOLD entra en el modo Touch Hold o sale de él, y no abre la "
         "lista del umbral (THRESH).",
         secondKey, secondKeyLink},
        {3, 2,
         "En modo COMP, el display secundario indica «HI» si la lectura queda por encima del intervalo, «PASS» si "
         "está dentro y «LO» si es menor que el límite inferior.",
         rangeKeys, "Los botones de rango (COMP) en el panel frontal"},
        {3, 3,
         "En modo COMP el multímetro sí mide: el display primario muestra la lectura, y el secundario, con «LO», "
         "indica que queda por debajo del límite inferior.",
         rangeKeys, "Los botones de rango (COMP) en el panel frontal"},
        {3, 4,
         "También es menor que el límite superior una lectura dentro del intervalo, que el display secundario "
         "indica con «PASS»; «LO» indica que queda por debajo del límite inferior.",
         rangeKeys, "Los botones de rango (COMP) en el panel frontal"},
        {4, 1,
         "Comprobar si una lectura cae dentro de un intervalo dado es lo que hace el modo COMP; el modificador "
         "MN MX guarda las lecturas máxima y mínima.",
         modifiers, modifiersLink},
        {4, 2,
         "El umbral de medición estable es el del modo Touch Hold, y se elige con 2ND y HOLD (THRESH); MN MX no "
         "fija ningún valor, sino que guarda los que se miden.",
         modifiers, modifiersLink},
        {4, 4,
         "Una de las anteriores es cierta: el modificador MN MX guarda las entradas máxima y mínima medidas desde "
         "que se selecciona.",
         modifiers, modifiersLink},
    };
    return notes;
}
