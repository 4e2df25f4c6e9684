#include "Fluke45PanelCatalogue.h"

#include "Fluke45ObjectNames.h"
#include "TrainerSet.h"

// Links open the key trainers: 1 the modifier keys, 2 the range keys, 3 the function keys.
const ControlCatalogue& fluke45PanelCatalogue()
{
    // The range keys come before the function keys, so a click on AUTO, where the two
    // overlap, explains the range keys.
    static const ControlCatalogue catalogue{
        {
            .left = 230,
            .top = 47,
            .right = 497,
            .bottom = 123,
            .caption = "Display primario",
            .name = "Display primario",
            .description =
                {
                    "Es el display más grande del multímetro, en",
                    "el que se pueden visualizar medidas.",
                    "Las lecturas afectadas por los modificadores",
                    "REL, MN MX, HOLD o dB, sólo se pueden ",
                    "visualizar en este display.",
                },
            .usage = {""},
            .related = {{"Mostrar los modificadores de función.", Fluke45Trainer::ModifierKeys}},
        },
        {
            .left = 498,
            .top = 45,
            .right = 628,
            .bottom = 110,
            .caption = "Display secundario",
            .name = "Display secundario",
            .description =
                {
                    "Es el display más pequeño, en la parte",
                    "derecha.",
                    "En él no se pueden mostrar las lecturas",
                    "afectadas por modificadores de función.",
                },
            .usage = {"La tecla \"2ND\" activa y desactiva el display secundario."},
            .related = {{"Mostrar los modificadores de función.", Fluke45Trainer::ModifierKeys}},
        },
        {
            .left = 37,
            .top = 42,
            .right = 80,
            .bottom = 88,
            .caption = "Voltios,ohmios,diodos",
            .name = "Terminal de entrada de voltios,ohmios,diodos.",
            .description =
                {
                    "Permite medir Voltajes en corriente continua y ",
                    "alterna, resistencias y realizar test de diodos.",
                },
            .usage =
                {
                    "1.-Conectando la clavija correspondiente al terminal.",
                    "2.-Pulsando la tecla de función a medir adecuada.",
                    "3.-Seleccionar el rango de medida con los botones de rango.",
                },
            .related = {{"Mostrar los botones de rango.", Fluke45Trainer::RangeKeys}},
            .whereIsClause =
                "permite medir voltajes en corriente continua y alterna, resistencias y realizar test de diodos",
        },
        {
            .left = 104,
            .top = 42,
            .right = 146,
            .bottom = 86,
            .caption = "Amperios",
            .name = "Terminal de entrada de Amperios.",
            .description =
                {
                    "Esta terminal permite medir corrientes",
                    "y frecuencias.",
                },
            .usage =
                {
                    "1.- Conectar la clavija correspondiente al terminal.",
                    "2.- Seleccionar la función A~ o FREQ.",
                    "3.-Seleccionar el rango de medida con los botones de rango.",
                },
        },
        {
            .left = 38,
            .top = 112,
            .right = 81,
            .bottom = 157,
            .caption = "Terminal común",
            .name = "Terminal de retorno de medidas.",
            .description = {"Este terminal provee el cierre del circuito de medición."},
            .usage =
                {
                    "La segunda clavija necesaria para tomar la medida ",
                    "(voltaje, resistencia...), va siempre conectada a este",
                    "terminal.",
                },
        },
        {
            .left = 100,
            .top = 108,
            .right = 152,
            .bottom = 162,
            .caption = "Miliamperios",
            .name = "Terminal de entrada de miliamperios.",
            .description = {"Permite medir miliamperios en corriente contínua o alterna, y frecuencias."},
            .usage =
                {
                    "1.-Conectando la clavija correspondiente al terminal.",
                    "2.-Pulsando la tecla de función a medir adecuada(amperios en ",
                    "   contínua o alterna, o frecuencia).",
                    "3.-Seleccionar el rango de medida con los botones de rango.",
                },
            .whereIsClause = "permite medir corrientes pequeñas, continuas o alternas, y frecuencias",
        },
        {
            .left = 385,
            .top = 210,
            .right = 545,
            .bottom = 251,
            .caption = "Botones de rango",
            .name = "Botones de rango.",
            .description =
                {
                    "Se usan para seleccionar el rango en el que se",
                    "realizará la medida.",
                },
            .usage =
                {
                    "Pulsando el botón AUTO, se alterna entre el autorango y el rango manual.",
                    "Con los botones de flecha, se puede variar el rango hacia arriba o ",
                    "hacia abajo, en modo manual.",
                    "En modo autorango, el propio multímetro decide cuál es la escala",
                    "de medición más adecuada para la función de entrada.",
                    "",
                    "El display secundario no puede tener modo manual, siempre autorango.",
                },
            .related = {{"Mostrar los botones de rango.", Fluke45Trainer::RangeKeys}},
        },
        {
            .left = 222,
            .top = 163,
            .right = 437,
            .bottom = 248,
            .caption = "Botones de función",
            .name = "Botones de función",
            .description = {"Permiten determinar la función que se medirá en el multímetro( voltaje, corriente...), "
                            "continua o alterna."},
            .usage =
                {
                    "La pulsación de los botones por separado o de varios de ellos a la",
                    "vez, determina qué función será la que mida el multímetro.",
                    "Si se pulsa un botón de función después de pulsar el botón \"2ND\",",
                    "la función se mide en el display secundario.",
                    "",
                    "Para ver una explicación detallada, pulsar el acceso \"Mostrar los",
                    "botones de función\" del apartado \"Temas relacionados\", más ",
                    "abajo.",
                },
            .related = {{"Mostrar los botones de función.", Fluke45Trainer::FunctionKeys}},
        },
        {
            .left = 669,
            .top = 166,
            .right = 713,
            .bottom = 194,
            .caption = "Tecla Shift",
            .name = "Tecla shift.",
            .description = {"Permite alternar entre las funciones de los botones."},
            .usage =
                {
                    "La pulsación de la tecla activa las funciones secundarias de las ",
                    "teclas, y la activación y desactivación del display secundario.",
                    "La pulsación de la tecla 2nd y la posterior pulsación de una tecla",
                    "que no tenga función secundaria, activa la función de dicha tecla ",
                    "en el display secundario.",
                },
        },
        {
            .left = 666,
            .top = 222,
            .right = 712,
            .bottom = 248,
            .caption = "Frecuencia de medida",
            .name = "Tecla rate.",
            .description =
                {
                    "Sirve para especificar la frecuencia de ",
                    "muestreo(medida) de una función.",
                },
            .usage =
                {
                    "Pulsándola, se puede cambiar de frecuencia de muestreo.",
                    " - Cuando la función a medir es la frecuencia (FREQ), la ",
                    "   frecuencia de muestreo es un factor de la frecuencia que",
                    "   se está midiendo.",
                    " - Cuando la función que se mide es cualquier otra, las",
                    "   pulsaciones dela tecla RATE, permiten alternar entre",
                    "   las tres velocidades distintas de muestreo: Lenta (Slow),",
                    "   Media (Medium) y Rápida (Fast), representadas en el display",
                    "   con los indicadores S,M y F.",
                },
        },
        {
            .left = 604,
            .top = 266,
            .right = 650,
            .bottom = 294,
            .caption = "Encendido/Apagado",
            .name = "Tecla POWER.",
            .description = {"Permite encender y apagar el multímetro."},
            .usage = {"Por simple pulsación."},
        },
        {
            .left = 557,
            .top = 166,
            .right = 657,
            .bottom = 249,
            .caption = "Modificadores",
            .name = "Modificadores de función.",
            .description = {"Permiten realizar una acción sobre una función de entrada."},
            .usage =
                {
                    "1.- Pulsar un botón de función para seleccionar una función ",
                    "    primaria.",
                    "2.- Pulsar un botón modificador de función (o varios),",
                    "    para realizar la acción deseada sobre la entrada.",
                    "",
                    "Los modificadores de función no se pueden emplear con una",
                    "función leída en el display secundario.",
                },
            .related = {{"Mostrar los modificadores de función.", Fluke45Trainer::ModifierKeys}},
        },
    };
    return catalogue;
}

const ExplorerLayout& fluke45PanelLayout()
{
    static const ExplorerLayout layout{
        .frame = {Fluke45Names::panel, "Panel Frontal del multímetro FLUKE 45", {11, -2}, {785, 590}},
        .picture = "panels/fluke45",
        .map = {7, 1, 759, 304},
        .fieldsPanel = {4, 310, 769, 252},
        .nameBox = {11, 6, 319, 62},
        .nameField = {7, 20, 309, 37},
        .descriptionBox = {13, 68, 315, 118},
        .descriptionField = {9, 22, 298, 84},
        .usageBox = {333, 7, 429, 178},
        .usageField = {10, 22, 409, 145},
        .relatedTopicsBox = QRect{15, 191, 659, 54},
        .closeFrame = {688, 514},
        .button = {4, 4},
        .links = {.places = {{Fluke45Names::linkLabel1, {66, 24}},
                             {Fluke45Names::linkLabel2, {278, 25}},
                             {Fluke45Names::linkLabel3, {490, 26}}},
                  .fontFamily = "Arial",
                  .pixelHeight = 13,
                  .bold = false},
        .openRelatedTopic = [](int topic) { TrainerSet::open(Fluke45Trainer(topic)); },
        .closeRelatedWindows = TrainerSet::closeAll,
        .whereIsButton = QRect{584, 519, 90, 27},
    };
    return layout;
}
