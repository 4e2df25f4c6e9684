#include "Fg110Catalogues.h"

#include "Fg110ObjectNames.h"
#include "Fg110TextPages.h"

#include <algorithm>

const ControlCatalogue& fg110NormalCatalogue()
{
    static const ControlCatalogue catalogue{
        {
            .left = 120,
            .top = 108,
            .right = 160,
            .bottom = 126,
            .caption = "Rango de salida",
            .name = "Tecla para escalar el voltaje de salida",
            .description = {"Esta tecla sirve para cambiar el orden de las características del voltaje de salida."},
            .usage =
                {
                    "Al pulsar la tecla, la selección del rango cambia alternativamente entre \"1V\" y \"10V\".",
                    "Con \"1V\" seleccionado, todas las características del voltaje se multiplican por 1/10.",
                    "Con \"10V\" seleccionado, todas las características del voltaje se multiplican por 10.",
                },
        },
        {
            .left = 15,
            .top = 206,
            .right = 65,
            .bottom = 224,
            .caption = "Encendido/Apagado",
            .name = "Botón de encendido",
            .description = {"Botón que activa y desactiva el aparato."},
            .usage = {"Pulsando este botón, el aparato se apaga y se enciende alternativamente."},
        },
        {
            .left = 22,
            .top = 107,
            .right = 67,
            .bottom = 127,
            .caption = "Activación local/manual",
            .name = "Tecla de activación local/manual",
            .description = {"Esta tecla activa los modos remoto y local."},
            .usage =
                {
                    "Pulsando esta tecla, se activan alternativamente los modos local y remoto.",
                    "En modo local, el aparato se maneja mediante las teclas de su panel frontal.",
                    "En modo remoto, el control se ejerce a distancia. No lo usaremos.",
                },
        },
        {
            .left = 72,
            .top = 140,
            .right = 113,
            .bottom = 159,
            .caption = "Cambio de funciones",
            .name = "Tecla shift",
            .description = {"Tecla de cambio de funciones del panel frontal."},
            .usage = {"Pulsando esta tecla, se activan y desactivan alternativamente las funcionesescritas en azul "
                      "sobre las teclas del panel frontal."},
            .whereIsClause = "activa y desactiva las funciones escritas en azul sobre las teclas",
        },
        {
            .left = 170,
            .top = 108,
            .right = 210,
            .bottom = 126,
            .caption = "Selección de modo",
            .name = "Tecla MODE",
            .description = {"Esta tecla sirve para cambiar el modo de la señal de salida."},
            .usage = {"Pulsando esta tecla se encienden alternativamente en el display las opciones de modo \"CONT\", "
                      "\"TRIG\", \"GATE\" y \"DC\"."},
            .related = {{"Modos de salida", Fg110Page::OutputModes}},
        },
        {
            .left = 121,
            .top = 140,
            .right = 162,
            .bottom = 159,
            .caption = "Restauración de opciones",
            .name = "Tecla recall.",
            .description = {"Esta tecla restaura un conjunto de opciones previamente salvadas."},
            .usage =
                {
                    "1.- Pulsar la tecla RECALL (\"rEcALL\" aparece en el display).",
                    "2.- Pulsar una de las teclas numéricas en la que previamente se hayan salvado unas opciones.",
                    "Las opciones se restauran y entran en efecto inmediatamente.",
                },
        },
        {
            .left = 169,
            .top = 139,
            .right = 210,
            .bottom = 159,
            .caption = "Forma de función de salida",
            .name = "Tecla Func",
            .description = {"Esta tecla permite cambiar la forma de la onda de la función de salida."},
            .usage =
                {
                    "Si el modo de salida es \"CONT\":",
                    "   Pulsando la tecla FUNC, la forma de la señal de salida cambia alternativamente entre ",
                    "   \"onda senoidal\", \"onda cuadrada\", \"onda rampa\", \"onda triangular\", y",
                    "   \"onda de pulsos\".",
                    "Si el modo de salida es \"TRIGGER\" o \"GATE\":",
                    "   La tecla FUNC cambia alternativamente entre \"onda senoidal\", \"onda rampa\",",
                    "   \"onda triangular\", y \"onda de pulsos\".",
                },
            .related = {{"Modos de salida", Fg110Page::OutputModes}},
        },
        {
            .left = 226,
            .top = 107,
            .right = 268,
            .bottom = 127,
            .caption = "Establecer frecuencia",
            .name = "Tecla Freq",
            .description = {"Esta tecla permite establecer la frecuencia de la señal de salida."},
            .usage =
                {
                    "1.- Pulsar la tecla FREQ. En el display aparece la palabra FREQ.",
                    "2.- Dos opciones:",
                    "     a) Con las teclas numéricas.",
                    "        Se introduce la cantidad de frecuencia deseada con las teclas numéricas,",
                    "        dando sus unidades con las teclas de unidad (MHz,kHZ...).",
                    "        Con la flecha izquierda de cursor, se borra un dígito tecleado erróneamente.",
                    "     b) Con la rueda de ajuste / cursores.",
                    "        Con las flechas de cursor, seleccionar el dígito a modificar (dicho dígito",
                    "        parpadeará en el display).",
                    "        Después, con la rueda darle el valor desado al dígito seleccionado.",
                },
            .related = {{"Precauciones", Fg110Page::FrequencyRanges}},
        },
        {
            .left = 275,
            .top = 108,
            .right = 316,
            .bottom = 127,
            .caption = "Establecer amplitud",
            .name = "Tecla ampl",
            .description = {"Permite determinar la amplitud del voltaje de salida."},
            .usage =
                {
                    "1.- Pulsar la tecla AMPL (en el display aparece \"AMPL\" iluminada).",
                    "2.- Dos opciones:",
                    "    a) Con las teclas de cursor elegir un dígito y con la rueda de ajuste",
                    "       cambiar el valor de dicho dígito, para cada dígito de la amplitud.",
                    "    b) Dar un valor con las teclas numéricas, y finalizarlo con las teclas",
                    "       de unidad de \"V\", \"mV\" o \"Vrms\".",
                    "       Con la flecha izquierda de cursor, se puede borrar un dígito mal introducido.",
                },
            .related = {{"Precauciones", Fg110Page::AmplitudeAndOffsetRanges}},
        },
        {
            .left = 227,
            .top = 139,
            .right = 268,
            .bottom = 159,
            .caption = "Fijación de fase",
            .name = "Tecla phase",
            .description = {"Esta tecla permite determinar el ángulo de fase de la señal de salida."},
            .usage =
                {
                    "El ángulo de fase puede ser fijado en los modos \"TRIGGER\" y \"GATE\".",
                    "1.- Se pulsa la tecla PHASE (\"PHASE\" aparece iluminado en el display).",
                    "2.- Dos opciones:",
                    "    a) Con las teclas de cursor elegir un dígito y con la rueda de ajuste",
                    "       cambiar el valor de dicho dígito, para cada dígito de la amplitud.",
                    "    b) Dar un valor con las teclas numéricas, y finalizarlo con la tecla",
                    "       de unidad de \"deg(Hz)\".",
                    "       Con la flecha izquierda de cursor, se puede borrar un dígito mal introducido.",
                },
            .related = {{"Precauciones", Fg110Page::PhaseAngleRange}, {"Modos de operación", Fg110Page::OutputModes}},
        },
        {
            .left = 275,
            .top = 140,
            .right = 316,
            .bottom = 158,
            .caption = "Fijación desplazamiento voltaje",
            .name = "Tecla OFFSET",
            .description = {"Permite determinar el desplazamiento del voltaje de salida."},
            .usage =
                {
                    "1.- Pulsar la tecla OFFSET (en el display aparece \"OFFSET\" iluminada).",
                    "2.- Dos opciones:",
                    "    a) Con las teclas de cursor elegir un dígito y con la rueda de ajuste",
                    "       cambiar el valor de dicho dígito, para cada dígito del desplazamiento.",
                    "    b) Dar un valor con las teclas numéricas, y finalizarlo con las teclas",
                    "       de unidad de \"V\" o \"mV\".",
                    "       Con la flecha izquierda de cursor, se puede borrar un dígito mal introducido.",
                },
            .related = {{"Precauciones", Fg110Page::AmplitudeAndOffsetRanges}},
        },
        {
            .left = 79,
            .top = 191,
            .right = 129,
            .bottom = 212,
            .caption = "Salida de señal",
            .name = "Botón CH1",
            .description = {"Permite activar la salida de la señal de voltaje."},
            .usage = {"Pulsando el botón, se activa y desactiva alternativamente la salida."},
        },
        {
            .left = 337,
            .top = 106,
            .right = 454,
            .bottom = 224,
            .caption = "Teclado numérico",
            .name = "Teclas numéricas",
            .description = {"Permite introducir valores para las diferentes componentes de la señal de salida."},
            .usage =
                {
                    "1.- Pulsar la tecla correspondiente a una componente de la señal (amplitud, offset...)",
                    "2.- Introducir el valor con el teclado numérico.",
                    "3.- Acabar con una de las teclas de unidad.",
                },
        },
        {
            .left = 458,
            .top = 106,
            .right = 494,
            .bottom = 224,
            .caption = "Selección de unidades",
            .name = "Teclas de unidad",
            .description =
                {"Permiten finalizar la introducción de un valor para una de las componentes de la señal de salida."},
            .usage =
                {
                    "1.- Pulsar la tecla correspondiente a una componente de la señal (amplitud, offset...)",
                    "2.- Introducir el valor con el teclado numérico.",
                    "3.- Acabar con una de las teclas de unidad.",
                    "El valor proporcionado para la componente tomará las unidades de la tecla pulsada.",
                },
        },
        {
            .left = 508,
            .top = 106,
            .right = 575,
            .bottom = 129,
            .caption = "Cursores",
            .name = "Teclas de cursor",
            .description = {"Permiten desplazarse por los dígitos del display."},
            .usage =
                {
                    "Pueden usarse de dos formas:",
                    "1.- Mientras se introducen dígitos por el teclado numérico, la pulsación de la flecha izquierda",
                    "    borra el dígito seleccionado.",
                    "2.- Cuando se introducen dígitos mediante la rueda de ajuste, las teclas de cursor permiten ",
                    "    desplazarse por los dígitos del display, a izquierda y a derecha.",
                },
        },
        {
            .left = 507,
            .top = 149,
            .right = 579,
            .bottom = 216,
            .caption = "Rueda de ajuste",
            .name = "Rueda de ajuste",
            .description = {"Permite variar de forma contínua el valor de los dígitos del display."},
            .usage =
                {
                    "Girando la rueda a izquierda y derecha cuando se ha seleccionado un dígito del",
                    "display con las flechas de cursor, ese dígito varía de forma contínua.",
                },
            .whereIsClause = "permite variar de forma continua el valor de los dígitos del display",
        },
        {
            .left = 143,
            .top = 181,
            .right = 184,
            .bottom = 222,
            .caption = "Borne de salida",
            .name = "Borne de salida",
            .description = {"Por él saldrá la señal de salida."},
            .usage =
                {
                    "A él se debe conectar el cable de la señal, y pulsar la tecla \"CH1\"",
                    "para activar la salida.",
                },
            .whereIsClause = "entrega la señal de salida al cable que se le conecta",
        },
    };
    return catalogue;
}

namespace {
// The controls without a shifted function explain themselves alike on both pictures.
const ControlRow& sameAsNormal(const QString& caption)
{
    const ControlCatalogue& normal = fg110NormalCatalogue();
    return *std::find_if(normal.begin(), normal.end(), [&](const ControlRow& row) { return row.caption == caption; });
}
} // namespace

const ControlCatalogue& fg110ShiftCatalogue()
{
    static const ControlCatalogue catalogue{
        {
            .left = 120,
            .top = 108,
            .right = 160,
            .bottom = 126,
            .caption = "Factor de escala",
            .name = "Tecla scaling",
            .description = {"Permite multiplicar las componentes del voltaje por una constante."},
            .usage =
                {
                    "1.- Pulsar la tecla SCALE. La palabra \"ScALE\" aparece en el display.",
                    "2.- Dos opciones:",
                    "    a) Con las teclas de cursor elegir un dígito y con la rueda de ajuste",
                    "       cambiar el valor de dicho dígito, para cada dígito del desplazamiento.",
                    "    b) Dar un valor con las teclas numéricas, y finalizarlo con cualquier",
                    "       tecla de unidades.",
                    "       Con la flecha izquierda de cursor, se puede borrar un dígito mal introducido.",
                    "Las características del voltaje se multiplicarán por el factor introducido.",
                },
        },
        sameAsNormal("Encendido/Apagado"),
        {
            .left = 22,
            .top = 107,
            .right = 67,
            .bottom = 127,
            .caption = "Comunicaciones GP-IB",
            .name = "Tecla GP-IB",
            .description = {"Esta tecla permite dar al aparato una dirección de conexión GP-IB."},
            .usage =
                {
                    "1.- Pulsar la tecla GP-IB (La palabra \"AdrS\" aparece en el display.",
                    "2.- Dos opciones:",
                    "    a) Con las teclas de cursor elegir un dígito y con la rueda de ajuste",
                    "       cambiar el valor de dicho dígito, para cada dígito de la dirección.",
                    "    b) Dar un valor con las teclas numéricas, y finalizarlo con cualquier",
                    "       tecla de unidades.",
                    "       Con la flecha izquierda de cursor, se puede borrar un dígito mal introducido.",
                },
        },
        sameAsNormal("Cambio de funciones"),
        sameAsNormal("Selección de modo"),
        {
            .left = 121,
            .top = 140,
            .right = 162,
            .bottom = 159,
            .caption = "Almacenaje de opciones",
            .name = "Tecla store.",
            .description = {"Esta tecla salva un conjunto de opciones, que luego pueden ser restauradas."},
            .usage =
                {
                    "1.- Pulsar la tecla STORE (\"StorE\" aparece en el display).",
                    "2.- Pulsar una de las teclas numéricas. En ella se salvarán las opciones.",
                },
        },
        {
            .left = 169,
            .top = 139,
            .right = 210,
            .bottom = 159,
            .caption = "Inversión de onda",
            .name = "Tecla Inverse",
            .description = {"Esta tecla permite la inversión de la función de salida."},
            .usage =
                {
                    "Pulsando la tecla, la función de salida se invierte, pasando de \"negativa\" a ",
                    "\"positiva\" alternativamente.",
                },
        },
        {
            .left = 226,
            .top = 107,
            .right = 268,
            .bottom = 127,
            .caption = "Establecer período",
            .name = "Tecla Period",
            .description = {"Esta tecla permite establecer el período de la señal de salida."},
            .usage =
                {
                    "1.- Pulsar la tecla PERIOD. En el display aparece iluminada la señal PERIOD.",
                    "2.- Dos opciones:",
                    "     a) Con las teclas numéricas.",
                    "        Se introduce la cantidad de período deseado con las teclas numéricas,",
                    "        dando sus unidades con las teclas de unidad \"sec\"(segundos) o \"msec\"(milisegundos).",
                    "        Con la flecha izquierda de cursor, se borra un dígito tecleado erróneamente.",
                    "     b) Con la rueda de ajuste / cursores.",
                    "        Con las flechas de cursor, seleccionar el dígito a modificar (dicho dígito",
                    "        parpadeará en el display).",
                    "        Después, con la rueda darle el valor desado al dígito seleccionado.",
                },
            .related = {{"Precauciones", Fg110Page::PeriodRanges}},
        },
        {
            .left = 275,
            .top = 108,
            .right = 316,
            .bottom = 127,
            .caption = "Establecer voltaje de alto nivel",
            .name = "Tecla hi level",
            .description = {"Permite establecer la amplitud que dará el voltaje de nivel alto."},
            .usage =
                {
                    "1.- Pulsar la tecla HI LEVEL (el indicador \"HI LEVEL\" se ilumina en el display).",
                    "2.- Dos opciones:",
                    "     a) Con las teclas numéricas.",
                    "        Se introduce la amplitud de voltaje deseada con las teclas numéricas,",
                    "        dando sus unidades con las teclas de unidad \"V\" o \"mV\".",
                    "        Con la flecha izquierda de cursor, se borra un dígito tecleado erróneamente.",
                    "     b) Con la rueda de ajuste / cursores.",
                    "        Con las flechas de cursor, seleccionar el dígito a modificar (dicho dígito",
                    "        parpadeará en el display).",
                    "        Después, con la rueda darle el valor desado al dígito seleccionado.",
                },
        },
        {
            .left = 227,
            .top = 139,
            .right = 268,
            .bottom = 159,
            .caption = "Relación Pulso/Período",
            .name = "Tecla Duty",
            .description =
                {"Establece el porcentaje de período que ocupa el nivel alto de una onda de pulso (5%-95%)."},
            .usage =
                {
                    "1.- Pulsar la tecla DUTY (el indicador \"DUTY\" aparece iluminado en el display).",
                    "2.- Dos opciones:",
                    "     a) Con las teclas numéricas.",
                    "        Se introduce la cantidad de porcentaje deseado con las teclas numéricas,",
                    "        dando sus unidades con la tecla de unidad \"%\".",
                    "        Con la flecha izquierda de cursor, se borra un dígito tecleado erróneamente.",
                    "     b) Con la rueda de ajuste / cursores.",
                    "        Con las flechas de cursor, seleccionar el dígito a modificar (dicho dígito",
                    "        parpadeará en el display).",
                    "        Después, con la rueda darle el valor desado al dígito seleccionado.",
                },
        },
        {
            .left = 275,
            .top = 140,
            .right = 316,
            .bottom = 158,
            .caption = "Establecer voltaje de bajo nivel",
            .name = "Tecla lo level",
            .description = {"Permite establecer la amplitud que dará el voltaje de nivel bajo."},
            .usage =
                {
                    "1.- Pulsar la tecla LO LEVEL (el indicador \"LO LEVEL\" se ilumina en el display).",
                    "2.- Dos opciones:",
                    "     a) Con las teclas numéricas.",
                    "        Se introduce la amplitud de voltaje deseada con las teclas numéricas,",
                    "        dando sus unidades con las teclas de unidad \"V\" o \"mV\".",
                    "        Con la flecha izquierda de cursor, se borra un dígito tecleado erróneamente.",
                    "     b) Con la rueda de ajuste / cursores.",
                    "        Con las flechas de cursor, seleccionar el dígito a modificar (dicho dígito",
                    "        parpadeará en el display).",
                    "        Después, con la rueda darle el valor desado al dígito seleccionado.",
                },
        },
        sameAsNormal("Salida de señal"),
        sameAsNormal("Selección de unidades"),
        sameAsNormal("Cursores"),
        sameAsNormal("Rueda de ajuste"),
        sameAsNormal("Borne de salida"),
        {
            .left = 340,
            .top = 133,
            .right = 371,
            .bottom = 157,
            .caption = "Fijación de impulsos",
            .name = "Tecla Burst",
            .description = {"Permite establecer el número de pulsos de la señal de salida en modo \"TRIGGER\"."},
            .usage =
                {
                    "1.- Activar el modo \"TRIGGER\" con la tecla MODE.",
                    "2.- Pulsar la tecla BURST (la palabra \"brSt\" aparece en el display).",
                    "3.- Dos opciones:",
                    "     a) Con las teclas numéricas.",
                    "        Se introduce el número de impulsos deseados con las teclas numéricas,",
                    "        acabando con cualquier tecla de unidad.",
                    "        Con la flecha izquierda de cursor, se borra un dígito tecleado erróneamente.",
                    "     b) Con la rueda de ajuste / cursores.",
                    "        Con las flechas de cursor, seleccionar el dígito a modificar (dicho dígito",
                    "        parpadeará en el display).",
                    "        Después, con la rueda darle el valor desado al dígito seleccionado.",
                    "Si la señal de salida es de tipo cuadrado, no se puede activar el modo \"TRIGGER\".",
                    "Si la señal de salida es de tipo pulso, su relación Pulso/Período (tecla DUTY) debe ser 50%.",
                },
            .related = {{"Modos de salida", Fg110Page::OutputModes}},
        },
        {
            .left = 380,
            .top = 134,
            .right = 412,
            .bottom = 159,
            .caption = "Selección flanco positivo/negativo",
            .name = "Tecla Slope",
            .description =
                {"Permite determinar qué flanco de la señal externa activa la señal de salida en modo \"TRIGGER\"."},
            .usage =
                {
                    "1.- Pulsar la tecla SLOPE (la palabra \"SLoPE\" aparece en el display).",
                    "2.- Seleccionar \"PoS\"(flanco de subida) o \"nEg\"(flanco de bajada) con las teclas de cursor o",
                    "    la rueda de ajuste.",
                    "La selección de flanco se usa junto con la tecla BURST y la tecla MODE para establecer las",
                    "características de la señal de salida en modo \"TRIGGER\".",
                },
            .related = {{"Modos de operación", Fg110Page::OutputModes}},
        },
        {
            .left = 339,
            .top = 167,
            .right = 371,
            .bottom = 189,
            .caption = "Fijación de nivel TTL",
            .name = "Tecla TTL",
            .description = {"Pone el voltaje de nivel alto y el de nivel bajo a los propios de los circuitos TTL."},
            .usage = {"Pulsando la tecla, el voltaje de nivel alto se sitúa en 5V y el nivel bajo en 0V."},
        },
        {
            .left = 337,
            .top = 197,
            .right = 371,
            .bottom = 221,
            .caption = "Inicialización",
            .name = "Tecla Initialize",
            .description = {"Inicializa las diferentes opciones del generador a las opciones de fábrica."},
            .usage =
                {
                    "Pulsando la tecla, el aparato se inicializa.",
                    "La dirección GP-IB, designación de cabecera GP-IB, terminación GP-IB y opciones salvadas",
                    "con la tecla STORE no se ven afectadas por la inicialización.",
                },
        },
        {
            .left = 380,
            .top = 198,
            .right = 412,
            .bottom = 222,
            .caption = "Utilidades",
            .name = "Tecla Utility",
            .description = {"Permite realizar funciones de auto-chequeo."},
            .usage =
                {
                    "1.- Pulsar la tecla UTILITY.",
                    "2.- Con las teclas de cursor o la rueda de ajuste se elige una de las siguientes ",
                    "    funciones de auto-chequeo.",
                    "              - Auto-chequeo.",
                    "              - Chequeo del panel frontal.",
                    "              - Chequeo del display.",
                    "              - Revisión de ROM.",
                    "No entraremos en detalles de las funciones de auto-chequeo.",
                },
        },
    };
    return catalogue;
}

const ExplorerLayout& fg110PanelLayout()
{
    static const ExplorerLayout layout{
        .frame = {Fg110Names::panel, "Panel frontal del generador de funciones", {177, 0}, {625, 595}},
        .picture = "panels/fg110",
        .map = {6, 8, 604, 244},
        .fieldsPanel = {6, 256, 603, 308},
        .nameBox = {16, 4, 485, 49},
        .nameField = {8, 20, 469, 19},
        .descriptionBox = {16, 56, 577, 89},
        .descriptionField = {10, 20, 557, 61},
        .usageBox = {16, 153, 577, 101},
        .usageField = {10, 20, 557, 73},
        .relatedTopicsBox = QRect{124, 257, 375, 42},
        .closeFrame = {528, 260},
        .button = {4, 4},
        .usageBoxCaption = "Forma de uso ",
        .relatedTopicsBoxCaption = "Temas relacionados:  ",
        .stackedMap = StackedMap{.picture = "panels/fg110_shift",
                                 .checkBoxCaption = "SHIFT",
                                 .checkBox = {530, 44, 65, 17},
                                 .hint = "Funciones al pulsar el botón SHIFT"},
        .links = {.places = {{Fg110Names::linkLabel1, {34, 17}}, {Fg110Names::linkLabel2, {145, 17}}}},
        .openRelatedTopic = [](int topic) { Fg110TextPages::open(Fg110Page(topic)); },
        .whereIsButton = QRect{512, 520, 90, 27},
    };
    return layout;
}
