#include "Fluke45TrainerCatalogues.h"

#include "Fluke45ObjectNames.h"

#include <array>

namespace {

const ControlCatalogue& functionKeys()
{
    static const ControlCatalogue catalogue{
        {
            .left = 14,
            .top = 8,
            .right = 53,
            .bottom = 38,
            .caption = "Voltaje contínuo",
            .name = "Botón V-",
            .description = {"Permite medir voltajes en corriente contínua."},
            .usage =
                {
                    "1.- Pulsar el botón V-.",
                    "2.- Conectar las clavijas de medida al terminal común y ",
                    "    al terminal de voltios, ohmios, test de diodos.",
                    "    En el display primario aparece el voltaje medido.",
                    "",
                    "Pulsando a la vez el botón V- y el botón V~, se lee el ",
                    "voltaje alterno, sumándole su componente de contínua.",
                    "",
                    "Pulsando el botón V- después de pulsar 2ND, la lectura se",
                    "realiza en el display secundario.",
                },
        },
        {
            .left = 70,
            .top = 8,
            .right = 108,
            .bottom = 38,
            .caption = "Corriente contínua",
            .name = "Botón A-",
            .description = {"Permite medir corrientes contínuas."},
            .usage =
                {
                    "1.- Conectar las clavijas de medida al terminal común y: ",
                    "    -al terminal de entrada de miliamperios, si la corriente",
                    "     a medir es de menos de 100mA.",
                    "    -al terminal de entrada de amperios, si la corriente a",
                    "     medir es de más de 100 mA.",
                    "2.- Pulsar el botón A-.",
                    "    En el display primario aparece la corriente medida.",
                    "",
                    "Pulsando a la vez el botón A- y el botón A~, se lee la ",
                    "corriente alterna, sumándole su componente de contínua.",
                    "",
                    "Pulsando el botón A- después de pulsar 2ND, la lectura se",
                    "realiza en el display secundario.",
                },
        },
        {
            .left = 127,
            .top = 8,
            .right = 163,
            .bottom = 38,
            .caption = "Resistencia",
            .name = "Botón Resistencia",
            .description = {"Permite medir resistencias."},
            .usage =
                {
                    "1.- Pulsar el botón \"ohmios\".",
                    "2.- Conectar las clavijas de medida al terminal común y al ",
                    "    terminal de voltios, ohmios, test de diodos.",
                    "",
                    "Pulsando el botón \"ohmios\" después de pulsar 2ND, la lectura se",
                    "realiza en el display secundario.",
                },
        },
        {
            .left = 181,
            .top = 8,
            .right = 219,
            .bottom = 38,
            .caption = "Test de diodos/continuidad",
            .name = "Botón Diodos",
            .description = {"Permite realizar tests de continuidad (ver si un circuito está intacto, e.d. tiene una "
                            "resistencia de menos de 30 ohmios), y test de diodos (medir su voltaje directo)."},
            .usage =
                {
                    "PARA REALIZAR TEST DE CONTINUIDAD:",
                    " 1.- Pulsar el botón Diodos.",
                    " 2.- Conectar un borne de medida al terminal común, y otro al ",
                    "     terminal de voltios, ohmios, test de diodos.",
                    " El multímetro emitirá un solo pitido cuando la entrada baje de",
                    " +0,8V (aprox. 1 kilo ohmio), y un pitido continuo cuando baje",
                    " de +25 mV (aprox. 30 ohmios).",
                    "----------------------------------------------------------------------------",
                    "PARA REALIZAR TEST DE DIODOS:",
                    " 1.- Pulsar el botón Diodos.",
                    "     (Cada pulsación de este botón activa o desactiva el pitido",
                    "     de continuidad).",
                    " 2.- Conectar un borne de medida del terminal común a la  parte ",
                    "     baja de potencial del diodo, y otro del terminal de voltios,",
                    "     ohmios, test de diodos a la parte alta de potencial del diodo.",
                    " Así se medirá el potencial directo del diodo.",
                },
        },
        {
            .left = 14,
            .top = 53,
            .right = 53,
            .bottom = 83,
            .caption = "Voltaje alterno",
            .name = "Botón V~",
            .description = {"Permite medir voltajes en corriente alterna."},
            .usage =
                {
                    "1.- Pulsar el botón V~.",
                    "2.- Conectar las clavijas de medida al terminal común y ",
                    "    al terminal de voltios, ohmios, test de diodos.",
                    "    En el display primario aparece el voltaje medido.",
                    "",
                    "Pulsando a la vez el botón V- y el botón V~, se lee el ",
                    "voltaje alterno, sumándole su componente de contínua.",
                    "",
                    "Pulsando el botón V~ después de pulsar 2ND, la lectura se",
                    "realiza en el display secundario.",
                },
        },
        {
            .left = 70,
            .top = 53,
            .right = 108,
            .bottom = 83,
            .caption = "Corriente alterna",
            .name = "Botón A~",
            .description = {"Permite medir corrientes alternas."},
            .usage =
                {
                    "1.- Conectar las clavijas de medida al terminal común y ",
                    "    al terminal de entrada de amperios.",
                    "2.- Pulsar el botón A~.",
                    "    En el display primario aparece la corriente medida.",
                    "",
                    "Pulsando a la vez el botón A- y el botón A~, se lee la ",
                    "corriente alterna, sumándole su componente de contínua.",
                    "",
                    "Pulsando el botón A~ después de pulsar 2ND, la lectura se",
                    "realiza en el display secundario.",
                },
        },
        {
            .left = 127,
            .top = 53,
            .right = 163,
            .bottom = 83,
            .caption = "Frecuencia",
            .name = "Botón FREQ",
            .description =
                {"Permite medir frecuencias directamente, o la frecuencia deuna determinada función de entrada."},
            .usage =
                {
                    "PARA MEDIR FRECUENCIAS EN EL DISPLAY PRIMARIO:",
                    " 1.- Pulsar el botón FREQ.",
                    " 2.- Conectar un borne de medida al terminal común, y otro ",
                    "     al de voltios, ohmios, test de diodos.",
                    " Para las frecuencias entre 5Hz y 1MHz, se elige el rango ",
                    " automáticamente, para las demás, se debe determinar con los",
                    " botones de rango.",
                    "----------------------------------------------------------------------------",
                    "PARA MEDIR LA FRECUENCIA DE UNA FUNCIÓN DE ENTRADA:",
                    " 1.- Elegir como funciones de entrada V~ o A~ (voltaje o ",
                    "     corriente alterna) en el display primario.",
                    " 2.- Seleccionar el rango de esas funciones, con los botones de",
                    "     rango.",
                    " 3.- Pulsar 2ND y después FREQ para medir la frecuencia en el ",
                    "     display secundario.",
                    "     Las medidas de frecuencia en el display secundario se toman",
                    "     en el rango seleccionado para la señal alterna.",
                },
        },
    };
    return catalogue;
}

const ControlCatalogue& rangeKeys()
{
    static const ControlCatalogue catalogue{
        {
            .left = 9,
            .top = 8,
            .right = 49,
            .bottom = 40,
            .caption = "Botón Auto",
            .name = "Botón Auto",
            .description =
                {"Sirve para alternar entre los modos autorango y rango manual, además de otros usos secundarios."},
            .usage =
                {
                    "El botón AUTO tiene varios usos:",
                    "- Pulsándolo, se activan los modos autorango (en el que el ",
                    "  multímetro elige el mejor rango automáticamente) y rango ",
                    "  manual. El rango manual no puede activarse en el display",
                    "  secundario.",
                    "- Si mientras se pulsa AUTO se pulsa la tecla 2ND, se guarda",
                    "  la configuración actual del multímetro como configuración por",
                    "  defecto.",
                },
        },
        {
            .left = 66,
            .top = 9,
            .right = 158,
            .bottom = 37,
            .caption = "Flechas",
            .name = "Flecha arriba y flecha abajo",
            .description = {"Permiten aumentar o disminuir el rango de medida (fondo de escala), determinar la "
                            "resistencia de referencia de decibelios, y el umbral de medición estable."},
            .usage =
                {
                    "·Para cambiar las unidades de rango (arriba y abajo):",
                    "   1.- Cambiar a modo manual mediante la tecla AUTO, haciendo",
                    "       que el indicador \"AUTO\" no aparezca en el display.",
                    "   2.- Seleccionar las unidades de medida con las flechas.",
                    "",
                    "·Para determinar la resistencia de referencia de los decibelios:",
                    "   1.-Pulsar la tecla 2ND.",
                    "   2.-Pulsar la tecla \"dB\" (función secundaria \"REF ohmios\").",
                    "   3.-Determinar la resistencia con las flechas (de 2 a 8000",
                    "      ohmios).",
                    "   4.-Pulsar la tecla AUTO para seleccionar.",
                    "",
                    "·Para cambiar el umbral de medición estable:",
                    "   1.-Pulsar la tecla 2ND.",
                    "   2.-Pulsar la tecla HOLD (función secundaria \"THRESHOLD\").",
                    "   3.-Con las flechas, seleccionar \"1\"(muy estable),\"2\"(estable)",
                    "      o \"3\" (inestable).",
                    "   4.-Pulsar la tecla AUTO para acabar.",
                },
        },
    };
    return catalogue;
}

const ControlCatalogue& rangeKeysAfter2nd()
{
    static const ControlCatalogue catalogue{
        {
            .left = 9,
            .top = 8,
            .right = 49,
            .bottom = 40,
            .caption = "Botón COMP",
            .name = "Botón COMP",
            .description = {"Permite determinar si una lectura cae dentro de un rango de valores designado "
                            "previamente. En modo COMP, en el display primario se muestra la medida, y en el "
                            "secundario se dice si es mayor (HI), menor (LO) o está dentro (PASS) del rango dado."},
            .usage =
                {
                    "1.- Determinar los puntos alto y bajo del intervalo de tolerancia.",
                    "    Puede hacerse de varias formas:",
                    "     a)Pulsar la tecla \"2ND\".",
                    "     b)Pulsar la flecha arriba (HI), para el nivel alto, o la flecha",
                    "       abajo (LO) para el nivel bajo.",
                    "    El valor presente en el display se convierte en el nivel elegido.",
                    "                                    O",
                    "     a)Usando el editor de números (ver la sección \"notas ",
                    "       generales\").",
                    "2.- Pulsar la tecla 2ND.",
                    "3.- Pulsar la tecla AUTO (COMP).",
                    "El modificador de función \"Touch Hold\" se activa ",
                    "automáticamente (ver el botón \"HOLD\" para más información del Touch Hold).",
                },
        },
        {
            .left = 66,
            .top = 9,
            .right = 104,
            .bottom = 40,
            .caption = "Botón HI",
            .name = "Botón HI",
            .description = {"Sirve para determinar el nivel alto de comparación para el botón COMP."},
            .usage =
                {
                    "1.- Pulsar el botón \"2ND\".",
                    "2.- Pulsar el botón HI.",
                    "3.- Determinar el punto alto.",
                    "4.- Pulsar \"2ND\" y después \"AUTO\"(COMP).",
                    "Ver el botón COMP para más información.",
                },
        },
        {
            .left = 120,
            .top = 8,
            .right = 160,
            .bottom = 40,
            .caption = "Botón LO",
            .name = "Botón LO",
            .description = {"Sirve para determinar el nivel bajo de comparación para el botón COMP."},
            .usage =
                {
                    "1.- Pulsar el botón \"2ND\".",
                    "2.- Pulsar el botón LO.",
                    "3.- Determinar el punto bajo.",
                    "4.- Pulsar \"2ND\" y después \"AUTO\"(COMP).",
                    "Ver el botón COMP para más información.",
                },
        },
    };
    return catalogue;
}

const ControlCatalogue& modifierKeys()
{
    static const ControlCatalogue catalogue{
        {
            .left = 8,
            .top = 8,
            .right = 50,
            .bottom = 34,
            .caption = "Lecturas relativas",
            .name = "Botón REL",
            .description = {"Permite leer los valores de forma relativa, respecto a un valor de referencia."},
            .usage =
                {
                    "Cuando el modificador relativo está seleccionado, la lectura",
                    "en el display primario es siempre la diferencia entre el ",
                    "valor base relativa y la medida de entrada.",
                    "Pulsando el botón REL se entra y sale alternativamente del",
                    "modificador relativo. Al entrar, se toma el último valor",
                    "representado en el display como base relativa.",
                    "Se puede variar la base relativa con el editor de números.",
                    "",
                    "Si se pulsa el botón REL mientras se pulsa también la tecla 2ND,",
                    "cuando el modificador relativo esté seleccionado, se visualizará",
                    "en el display secundario la base relativa. Para desactivar este",
                    "modo, se debe pulsar otra vez REL mientras se pulsa 2ND.",
                },
        },
        {
            .left = 66,
            .top = 8,
            .right = 104,
            .bottom = 34,
            .caption = "Decibelios y energía Audio",
            .name = "BOTÓN dB",
            .description = {"Convierte un voltaje de voltios a dBm (medida de decibelios relativa a un milivatio)."},
            .usage =
                {
                    "Pulsando la tecla dB se entra y sale alternativamente del ",
                    "modificador decibelios.",
                    "Este modificador se puede seleccionar sólo cuando una función",
                    "de voltaje está seleccionada en el display primario.",
                    "Para realizar la conversión, se usa un valor llamado impedancia",
                    "de referencia, que puede cambiarse usando el editor de listas",
                    "(ver la sección \"notas generales\").",
                },
        },
        {
            .left = 8,
            .top = 64,
            .right = 48,
            .bottom = 86,
            .caption = "Modo Touch Hold",
            .name = "Botón HOLD",
            .description = {"El modificador Touch Hold permite tomar una medida y \"mantenerla\"(hold) en el display."},
            .usage =
                {
                    "Pulsando HOLD, se entra y sale alternativamente del modificador",
                    "Touch Hold.",
                    "Ya en modo Touch Hold, cada pulsación del botón HOLD fuerza",
                    "a que se represente una nueva lectura. Para salir de Touch Hold,",
                    "pulsar el botón HOLD durante dos segundos.",
                    "En modo Touch Hold, cuando se lee una medida nueva estable, ",
                    "el multímetro emite un pitido.",
                    "Se puede cambiar el grado de sensibilidad en el que Touch Hold",
                    "capturará y representará una medida, con el editor de listas",
                    "(ver el apartado \"notas generales\").",
                },
        },
        {
            .left = 65,
            .top = 64,
            .right = 103,
            .bottom = 86,
            .caption = "Mínimo Máximo",
            .name = "Botón MN MX",
            .description = {"Hace que el multímetro almacene las entradas máxima y mínima desde que se seleccionó el "
                            "modificador MN MX."},
            .usage =
                {
                    "Pulsar el botón MN MX para seleccionar el modificador.",
                    "Cuando se selecciona por primera vez MN MX, los valores",
                    "máximo y mínimo se asignan al valor representado en el ",
                    "display, y el indicador \"MIN\" aparece en éste.",
                    "Pulsando MN MX a partir de aquí, se alterna entre el valor",
                    "máximo y el valor mínimo (apareciendo los indicadores \"MIN\"",
                    "y \"MAX\" en el display).",
                    "Para salir del modificador MN MX, pulsar el botón MN MX ",
                    "durante dos segundos.",
                    "",
                    "Para observar la cantidad medida sin reiniciar los valores ",
                    "MN MX almacenados, usar el display secundario pulsando 2ND,",
                    "y seleccionando la misma función que en el primario.",
                },
        },
    };
    return catalogue;
}

const ControlCatalogue& modifierKeysAfter2nd()
{
    static const ControlCatalogue catalogue{
        {
            .left = 8,
            .top = 8,
            .right = 50,
            .bottom = 34,
            .caption = "Base relativa",
            .name = "Botón REF #",
            .description = {"Permite cambiar la base relativa cuando el modificador relativo está seleccionado (ver el "
                            "botón REL para más información sobre el modificador relativo)."},
            .usage =
                {
                    "1.- Pulsar la tecla 2ND.",
                    "2.- Pulsar el botón REF #.",
                    "3.- Usar el editor de números que se presenta para ",
                    "    introducir el nuevo valor de la base relativa (ver la",
                    "    sección \"notas generales\" para más información sobre el",
                    "    editor de números).",
                },
        },
        {
            .left = 66,
            .top = 8,
            .right = 104,
            .bottom = 34,
            .caption = "Impedancia referencia",
            .name = "Botón REF ohmios",
            .description = {"Permite establecer la impedancia de referencia de decibelios, medida en ohmios."},
            .usage =
                {
                    "1.- Pulsar el botón 2ND.",
                    "2.- Pulsar el botón REF ohmios.",
                    "3.- Usar el editor de listas presentado para elegir la impedancia",
                    "    de referencia (ver la sección \"notas generales\" para más ",
                    "    información sobre el editor de listas).",
                },
        },
        {
            .left = 8,
            .top = 64,
            .right = 48,
            .bottom = 86,
            .caption = "Umbral mínimo",
            .name = "Botón THRESH",
            .description = {"Permite entrar en el editor de listas para seleccionar el mínimo nivel de sensibilidad "
                            "para que el modo Touch Hold (ver botón HOLD) capture y represente una nueva medida."},
            .usage =
                {
                    "1.- Pulsar el botón 2ND.",
                    "2.- Pulsar el botón THRESH.",
                    "3.- Elegir una opción de entre la lista, con las flechas:",
                    "       - Nivel 1 (5% del rango).",
                    "       - Nivel 2 (7% del rango).",
                    "       - Nivel 3 (8% del rango).",
                    "       El modo Touch Hold capturará una nueva medida estable,",
                    "       cuando la medida varíe igual o menos que el % del rango",
                    "       seleccionado.",
                    "Ver el \"editor de listas\" en la sección \"notas generales\".",
                },
        },
        {
            .left = 65,
            .top = 64,
            .right = 103,
            .bottom = 86,
            .caption = "Dirección IEEE-448",
            .name = "Botón ADDR",
            .description =
                {"Permite determinar la dirección IEEE-488 (si la interfaz IEEE-488 está instalada y seleccionada) o "
                 "el modo de impresión de la RS-232 (si la interfaz de la RS-232 está seleccionada)."},
            .usage =
                {
                    "1.- Pulsar el botón 2ND.",
                    "2.- Pulsar el botón ADDR.",
                    "3.- Elegir de entre la lista de opciones presentadas la opción",
                    "    deseada (ver la sección \"notas generales\" para más detalles",
                    "    sobre el editor de listas).",
                },
        },
    };
    return catalogue;
}

// The three trainers share one frame: the same fields, no sound and no links.
ExplorerLayout trainerLayout(WindowFrame frame, QString picture, QRect map, QRect fieldsPanel, QPoint closeFrame,
                             std::optional<StackedMap> stackedMap = std::nullopt)
{
    return {
        .frame = std::move(frame),
        .picture = std::move(picture),
        .map = map,
        .fieldsPanel = fieldsPanel,
        .nameBox = {9, 6, 319, 49},
        .nameField = {7, 21, 309, 19},
        .descriptionBox = {13, 58, 315, 115},
        .descriptionField = {9, 22, 298, 84},
        .usageBox = {333, 7, 429, 216},
        .usageField = {10, 20, 409, 186},
        .closeFrame = closeFrame,
        .button = {4, 4},
        .releasesPanelClaim = false,
        .clickSound = false,
        .stackedMap = std::move(stackedMap),
    };
}

// The "2ND" box sits below the description, in the fields panel.
StackedMap after2nd(QString picture)
{
    return {.picture = std::move(picture), .checkBoxCaption = "2ND", .checkBox = {280, 204, 46, 17}};
}

const ExplorerLayout& functionKeysLayout()
{
    static const ExplorerLayout layout = trainerLayout(
        {Fluke45Names::functionButtonsTrainer, "Botones de función del multímetro fluke 45", {15, -1}, {785, 385}},
        "trainers/fluke45_functions", {284, 5, 235, 100}, {6, 113, 769, 237}, {257, 300});
    return layout;
}

const ExplorerLayout& rangeKeysLayout()
{
    // Both pictures are the same: the keys with their second legends below them.
    static const ExplorerLayout layout = trainerLayout(
        {Fluke45Names::rangeButtonsTrainer, "Botones de rango del multímetro fluke 45", {15, 106}, {785, 344}},
        "trainers/fluke45_range", {293, 9, 169, 55}, {6, 74, 769, 237}, {21, 262}, after2nd("trainers/fluke45_range"));
    return layout;
}

const ExplorerLayout& modifierKeysLayout()
{
    static const ExplorerLayout layout =
        trainerLayout({Fluke45Names::modifierButtonsTrainer,
                       "Botones modificadores de función del multímetro fluke 45",
                       {14, 0},
                       {785, 384}},
                      "trainers/fluke45_modifiers", {306, 9, 115, 102}, {5, 118, 769, 234}, {17, 310},
                      after2nd("trainers/fluke45_modifiers_2nd"));
    return layout;
}

} // namespace

const KeyTrainerData& keyTrainerData(Fluke45Trainer trainer)
{
    static const std::array<KeyTrainerData, 3> trainers{
        KeyTrainerData{modifierKeysLayout, modifierKeys, modifierKeysAfter2nd},
        KeyTrainerData{rangeKeysLayout, rangeKeys, rangeKeysAfter2nd},
        KeyTrainerData{functionKeysLayout, functionKeys, nullptr},
    };
    return trainers.at(std::size_t(trainer) - 1);
}

std::vector<CatalogueOnPicture> fluke45TrainerCatalogues()
{
    std::vector<CatalogueOnPicture> catalogues;
    const auto add = [&catalogues](const char* name, Fluke45Trainer trainer) {
        const KeyTrainerData& data = keyTrainerData(trainer);
        const ExplorerLayout& layout = data.layout();
        catalogues.push_back({name, layout.picture, layout.map.size(), &data.catalogue(), 0});
        if (data.secondFunctions)
            catalogues.push_back({QString::fromUtf8(name) + QStringLiteral(" after 2ND"), layout.stackedMap->picture,
                                  layout.map.size(), &data.secondFunctions(), 0});
    };
    add("Fluke 45 modifier keys", Fluke45Trainer::ModifierKeys);
    add("Fluke 45 range keys", Fluke45Trainer::RangeKeys);
    add("Fluke 45 function keys", Fluke45Trainer::FunctionKeys);
    return catalogues;
}
