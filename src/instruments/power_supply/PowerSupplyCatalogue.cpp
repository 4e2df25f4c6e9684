#include "PowerSupplyCatalogue.h"

#include "PowerSupplyObjectNames.h"

const ControlCatalogue& powerSupplyCatalogue()
{
    static const ControlCatalogue catalogue{
        {.left = 20, .top = 18, .right = 177, .bottom = 145,
         .caption = "Amperímetro",
         .name = "Amperímetro",
         .description = {"Instrumento medidor de la intensidad del circuito tratado."},
         .usage = {"No se usa, simplemente mide."},
         .whereIsClause = "mide la intensidad del circuito"},
        {.left = 238, .top = 20, .right = 398, .bottom = 147,
         .caption = "Voltímetro",
         .name = "Voltímetro",
         .description = {"Instrumento medidor del potencial de salida."},
         .usage = {"No se usa, simplemente mide."},
         .whereIsClause = "mide el potencial de salida"},
        {.left = 330, .top = 270, .right = 362, .bottom = 301,
         .caption = "Borne negativo",
         .name = "Borne Negativo",
         .description = {"Salida negativa de tensión."},
         .usage = {"A ella se debe conectar el cable negativo (negro) del circuito."},
         .whereIsClause = "es la salida negativa de tensión"},
        {.left = 368, .top = 270, .right = 402, .bottom = 302,
         .caption = "Borne positivo",
         .name = "Borne Positivo",
         .description = {"Salida positiva de tensión."},
         .usage = {"A ella se debe conectar el cable positivo (rojo) del circuito."},
         .whereIsClause = "es la salida positiva de tensión"},
        {.left = 349, .top = 306, .right = 381, .bottom = 334,
         .caption = "Borne \"Tierra\"",
         .name = "Borne \"Tierra\"",
         .description = {"Conexión a la masa."},
         .usage = {"El aparato ya lleva la toma de tierra en su conexión a la red; sólo se usará este borne en el caso "
                   "que la red no tenga toma de tierra normalizada."},
         .whereIsClause = "es la conexión a la masa"},
        {.left = 256, .top = 283, .right = 306, .bottom = 330,
         .caption = "Mando grueso de tensión",
         .name = "Mando grueso de tensión",
         .description = {"Mando para controlar la tensión de salida de forma aproximada."},
         .usage = {"Girándolo hacia la izquierda, la tensión disminuye en cantidades más o menos grandes; hacia la "
                   "derecha, la tensión aumenta."}},
        {.left = 184, .top = 281, .right = 227, .bottom = 330,
         .caption = "Mando fino de tensión",
         .name = "Mando fino de tensión",
         .description = {"Mando para dotar a la tensión de salida de una mayor precisión."},
         .usage = {"Girándolo hacia la izquierda, la tensión disminuye en cantidades muy pequeñas; hacia la derecha, la "
                   "tensión aumenta."}},
        {.left = 110, .top = 279, .right = 153, .bottom = 326,
         .caption = "Mando de control de corriente",
         .name = "Mando de control de corriente",
         .description = {"Mando para fijar la intensidad máxima medible con el amperímetro."},
         .usage = {"Se debe cortocircuitar la salida, después dar una tensión determinada, y por último ir aumentando el "
                   "valor de intensidad hasta el límite que se desee medir."}},
        {.left = 38, .top = 286, .right = 64, .bottom = 312,
         .caption = "Interruptor ON/OFF",
         .name = "Interruptor ON/OFF",
         .description = {"Interruptor de puesta en marcha."},
         .usage = {"Interruptor normal y corriente."},
         .whereIsClause = "pone en marcha la fuente y la apaga"},
        {.left = 47, .top = 196, .right = 116, .bottom = 213,
         .caption = "Conmutador de escala (A)",
         .name = "Conmutador de escala (A)",
         .description = {"Este mando sirve para cambiar el fondo de escala del Amperímetro, entre 0-0.1, 0-1 y 0-4 Amperios."},
         .usage = {"Cambiando la palanca a las posiciones donde se leen los valores correspondientes."},
         .whereIsClause = "sirve para cambiar el fondo de escala del amperímetro, entre 0-0.1, 0-1 y 0-4 amperios"},
        {.left = 298, .top = 196, .right = 353, .bottom = 215,
         .caption = "Conmutador de escala (V)",
         .name = "Conmutador de escala (V)",
         .description = {"Este mando sirve para cambiar el fondo de escala del Voltímetro, entre 0-3, 0-12 y 0-30 Voltios."},
         .usage = {"Cambiando la palanca a las posiciones donde se leen los valores correspondientes."},
         .whereIsClause = "sirve para cambiar el fondo de escala del voltímetro, entre 0-3, 0-12 y 0-30 voltios"},
        {.left = 179, .top = 156, .right = 236, .bottom = 189,
         .caption = "Conmutadores de tensión y corriente",
         .name = "Conmutadores tensión y corriente",
         .description = {"Sirven para proporcionar dos márgenes distintos a la tensión y a la corriente: el de la izquierda da "
                         "unos márgenes de 15 voltios y 4 amperios y el de la derecha de 30 voltios y 2 amperios."},
         .usage = {"Pulsando el botón a cuyo lado se leen los valores deseados."}},
    };
    return catalogue;
}

const ExplorerLayout& powerSupplyPanelLayout()
{
    static const ExplorerLayout layout{
        // Directly below the power supply's window.
        .frame = {PowerSupplyNames::panel, "Panel Frontal de la fuente de alimentación", {-1, 170}, {787, 393}},
        .picture = "panels/promax",
        .map = {6, 6, 419, 352},
        .fieldsPanel = {434, 6, 343, 309},
        .nameBox = {16, 16, 319, 49},
        .nameField = {6, 20, 309, 19},
        .descriptionBox = {20, 74, 315, 111},
        .descriptionField = {10, 20, 298, 77},
        .usageBox = {24, 192, 311, 105},
        .usageField = {10, 20, 295, 77},
        .relatedTopicsBox = std::nullopt,
        .closeFrame = {702, 324},
        .button = {4, 4},
        .memoScrollBars = false,
        .whereIsButton = QRect{604, 328, 90, 27},
    };
    return layout;
}
