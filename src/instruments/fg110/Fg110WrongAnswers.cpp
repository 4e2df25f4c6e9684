#include "Fg110WrongAnswers.h"

// Each note links to the row of the key it names, on the normal picture or, for a SHIFT
// function, on the SHIFT picture.
const WrongAnswerNotes& fg110WrongAnswers()
{
    static const QString modeKey = "Selección de modo";
    static const QString modeKeyLink = "La tecla MODE en el panel frontal";
    static const QString funcKey = "Forma de función de salida";
    static const QString funcKeyLink = "La tecla FUNC en el panel frontal";
    static const QString burstKey = "Fijación de impulsos";
    static const QString burstKeyLink = "La tecla BURST en el panel frontal";
    static const QString rangeKey = "Rango de salida";
    static const QString rangeKeyLink = "La tecla RANGE en el panel frontal";
    static const WrongAnswerNotes notes{
        {1, 1,
         "La tecla MODE cambia el modo de salida (CONT, TRIG, GATE o DC); la forma de onda, y con ella el "
         "indicador senoidal, se elige con la tecla FUNC.",
         modeKey, modeKeyLink},
        {1, 3,
         "La tecla AMPL sirve para fijar la amplitud del voltaje de salida; los 100 kHz son una frecuencia, que se "
         "introduce después de pulsar FREQ.",
         "Establecer amplitud", "La tecla AMPL en el panel frontal"},
        {1, 4,
         "El indicador señalado es el de la onda cuadrada, y se pide una senoidal; además, AMPL fija la amplitud, "
         "no la frecuencia.",
         funcKey, funcKeyLink},
        {2, 1,
         "La forma de onda, aquí la rampa, se elige con la tecla FUNC; MODE solo cambia el modo de salida: "
         "CONT, TRIG, GATE o DC.",
         modeKey, modeKeyLink},
        {2, 2,
         "La tecla mHz da milihercios, la milésima parte de un hercio; los megahercios se introducen con la "
         "tecla MHz.",
         "Selección de unidades", "Las teclas de unidad en el panel frontal"},
        {2, 3,
         "Las flechas de cursor recorren los dígitos del display y no dan unidades: el valor tecleado se acaba "
         "con la tecla MHz. Además, la rampa se elige con FUNC, no con MODE.",
         "Cursores", "Las teclas de cursor en el panel frontal"},
        {3, 1,
         "El 5 de BURST es el número de veces que se emite la onda, no una frecuencia: la rampa sale con la "
         "frecuencia fijada con FREQ.",
         burstKey, burstKeyLink},
        {3, 2,
         "El 5 de BURST no es una amplitud, sino el número de veces que se emite la onda; tras esas cinco veces "
         "la salida se detiene, sin esperar otra pulsación de MAN TRIG.",
         burstKey, burstKeyLink},
        {3, 3,
         "En modo TRIG, la tecla FUNC ofrece las ondas senoidal, rampa, triangular y de pulsos; la única que este "
         "modo no admite es la cuadrada.",
         funcKey, funcKeyLink},
        {4, 1,
         "Es cierto, pero no es todo: con «1V» seleccionado, todas las características del voltaje se multiplican "
         "por 1/10, también los niveles alto y bajo.",
         rangeKey, rangeKeyLink},
        {4, 2,
         "Es cierto, pero no es todo: con «1V» seleccionado, todas las características del voltaje se multiplican "
         "por 1/10, también la amplitud y el nivel de continua.",
         rangeKey, rangeKeyLink},
        {4, 4,
         "Las dos primeras son ciertas: con «1V» seleccionado, todas las características del voltaje se "
         "multiplican por 1/10.",
         rangeKey, rangeKeyLink},
    };
    return notes;
}
