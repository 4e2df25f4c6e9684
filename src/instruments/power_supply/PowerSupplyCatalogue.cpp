#include "PowerSupplyCatalogue.h"

const ControlCatalogue& powerSupplyCatalogue()
{
    static const ControlCatalogue catalogue{
        {20, 18, 177, 145, "Amperímetro", "Amperímetro",
         {"Instrumento medidor de la intensidad del circuito tratado."},
         {"No se usa, simplemente mide."}, {}},
        {238, 20, 398, 147, "Voltímetro", "Voltímetro",
         {"Instrumento medidor del potencial de salida."},
         {"No se usa, simplemente mide."}, {}},
        {330, 270, 362, 301, "Borne negativo", "Borne Negativo",
         {"Salida negativa de tensión."},
         {"A ella se debe conectar el cable negativo (negro) del circuito."}, {}},
        {368, 270, 402, 302, "Borne positivo", "Borne Positivo",
         {"Salida positiva de tensión."},
         {"A ella se debe conectar el cable positivo (rojo) del circuito."}, {}},
        {349, 306, 381, 334, "Borne \"Tierra\"", "Borne \"Tierra\"",
         {"Conexión a la masa."},
         {"El aparato ya lleva la toma de tierra en su conexión a la red; sólo se usará este borne en el caso "
          "que la red no tenga toma de tierra normalizada."}, {}},
        {256, 283, 306, 330, "Mando grueso de tensión", "Mando grueso de tensión",
         {"Mando para controlar la tensión de salida de forma aproximada."},
         {"Girándolo hacia la izquierda, la tensión disminuye en cantidades más o menos grandes; hacia la "
          "derecha, la tensión aumenta."}, {}},
        {184, 281, 227, 330, "Mando fino de tensión", "Mando fino de tensión",
         {"Mando para dotar a la tensión de salida de una mayor precisión."},
         {"Girándolo hacia la izquierda, la tensión disminuye en cantidades muy pequeñas; hacia la derecha, la "
          "tensión aumenta."}, {}},
        {110, 279, 153, 326, "Mando de control de corriente", "Mando de control de corriente",
         {"Mando para fijar la intensidad máxima medible con el amperímetro."},
         {"Se debe cortocircuitar la salida, después dar una tensión determinada, y por último ir aumentando el "
          "valor de intensidad hasta el límite que se desee medir."}, {}},
        {38, 286, 64, 312, "Interruptor ON/OFF", "Interruptor ON/OFF",
         {"Interruptor de puesta en marcha."},
         {"Interruptor normal y corriente."}, {}},
        {47, 196, 116, 213, "Conmutador de escala (A)", "Conmutador de escala (A)",
         {"Este mando sirve para cambiar el fondo de escala del Amperímetro, entre 0-0.1, 0-1 y 0-4 Amperios."},
         {"Cambiando la palanca a las posiciones donde se leen los valores correspondientes."}, {}},
        {298, 196, 353, 215, "Conmutador de escala (V)", "Conmutador de escala (V)",
         {"Este mando sirve para cambiar el fondo de escala del Voltímetro, entre 0-3, 0-12 y 0-30 Voltios."},
         {"Cambiando la palanca a las posiciones donde se leen los valores correspondientes."}, {}},
        {179, 156, 236, 189, "Conmutadores de tensión y corriente", "Conmutadores tensión y corriente",
         {"Sirven para proporcionar dos márgenes distintos a la tensión y a la corriente: el de la izquierda da "
          "unos márgenes de 15 voltios y 4 amperios y el de la derecha de 30 voltios y 2 amperios."},
         {"Pulsando el botón a cuyo lado se leen los valores deseados."}, {}},
    };
    return catalogue;
}

const ExplorerLayout& powerSupplyPanelLayout()
{
    static const ExplorerLayout layout{
        // Directly below the power supply's window.
        .frame = {"FormPromaxPanel", "Panel Frontal de la fuente de alimentación", {-1, 170}, {787, 393}},
        .pictureName = "promax",
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
    };
    return layout;
}
