#include "HelpContent.h"

const HelpContent& helpContent()
{
    static const HelpContent content{
        .caption = QStringLiteral("Ayuda del tutorial"),
        .sections =
            {
                {.heading = QStringLiteral("Con el ratón"),
                 .paragraphs =
                     {
                         QStringLiteral(
                             "En la ventana principal se elige un aparato pulsando sobre su fotografía o en el "
                             "menú «Instrumento». En la ventana del aparato, el menú «Opciones» abre su panel "
                             "frontal, sus cuestiones y sus notas, y «Volver» regresa a la ventana principal."),
                         QStringLiteral(
                             "En el panel frontal, al pasar el ratón sobre un mando aparece su nombre; al "
                             "pulsarlo, el tutorial explica qué es y cómo se usa. Los temas relacionados, cuando "
                             "los hay, se abren pulsando sobre ellos."),
                         QStringLiteral(
                             "En los paneles de la fuente de alimentación, del FG110 y del Fluke 45, «¿Dónde "
                             "está…?» da la vuelta al juego: el panel describe un mando y hay que señalarlo. Si "
                             "se acierta, el mando se explica; si no, el panel dice qué se ha señalado y "
                             "recuadra en rojo el mando pedido. Son diez preguntas por ronda, con su "
                             "puntuación al final; al soltar el botón, el panel vuelve a estar como antes."),
                         QStringLiteral(
                             "En las cuestiones se marca la respuesta que se crea correcta y el tutorial dice al "
                             "momento si lo es. Las pestañas cambian de cuestión y «Aceptar» cierra la ventana."),
                         QStringLiteral(
                             "En la práctica del FG110 («Opciones», «Práctica») se pulsan las teclas de su panel "
                             "y se gira su rueda, con el botón o con la rueda del ratón; un osciloscopio muestra "
                             "la salida. «Comprobar» dice si se ha conseguido lo que pide el ejercicio, «Pista» "
                             "ayuda un poco más cada vez que se pulsa y «Muéstramelo» hace el ejercicio sobre el "
                             "panel, tecla a tecla, hasta que se pulsa «Detener» o una tecla."),
                     }},
                {.heading = QStringLiteral("Con el teclado"),
                 .paragraphs =
                     {
                         QStringLiteral("Todo lo anterior puede hacerse también sin ratón, con estas teclas:"),
                     },
                 .keys =
                     {
                         {QStringLiteral("Tab, Mayús+Tab"),
                          QStringLiteral("Pasan al control siguiente o al anterior de la ventana.")},
                         {QStringLiteral("Flechas"),
                          QStringLiteral(
                              "En un panel, van al mando más cercano en esa dirección; en las cuestiones, a la "
                              "respuesta siguiente o a la anterior.")},
                         {QStringLiteral("Inicio, Fin"),
                          QStringLiteral("En un panel, van al primer mando y al último.")},
                         {QStringLiteral("Intro, Espacio"),
                          QStringLiteral("Pulsan lo que tiene el foco: explican el mando, abren el tema o el aparato, "
                                         "marcan la respuesta.")},
                         {QStringLiteral("Esc"),
                          QStringLiteral(
                              "Cierra el panel frontal, las ventanas de botones del Fluke 45, la práctica y esta "
                              "ayuda.")},
                         {QStringLiteral("Ctrl+Tab, Ctrl+Mayús+Tab"),
                          QStringLiteral("En las cuestiones, pasan a la cuestión siguiente o a la anterior.")},
                         {QStringLiteral("Alt"),
                          QStringLiteral(
                              "Lleva al menú de la ventana; las flechas recorren sus opciones e Intro elige una.")},
                         {QStringLiteral("Alt+letra"),
                          QStringLiteral(
                              "Elige el botón o la opción de menú cuya letra aparece subrayada, como Alt+C para "
                              "«Cerrar» o Alt+A para «Aceptar».")},
                         {QStringLiteral("0 a 9, punto"),
                          QStringLiteral(
                              "En la práctica, pulsan esas teclas del panel, tenga el foco lo que tenga; Espacio "
                              "pulsa la tecla que tiene el foco.")},
                         {QStringLiteral("Alt+R, Alt+P, Alt+M"),
                          QStringLiteral(
                              "En la práctica, «Comprobar» el ejercicio, «Pista» y «Muéstramelo»; mientras se "
                              "muestra, Alt+D o Alt+M lo detienen.")},
                         {QStringLiteral("Alt+D, Alt+S, Alt+O"),
                          QStringLiteral("En un panel frontal, empiezan o dejan «¿Dónde está…?», pasan a la pregunta "
                                         "«Siguiente» y, tras la décima, empiezan «Otra ronda».")},
                         {QStringLiteral("Ctrl+V"),
                          QStringLiteral("«Volver», en las ventanas de los aparatos que lo ofrecen.")},
                         {QStringLiteral("Ctrl+X"), QStringLiteral("«Salir» del tutorial, en la ventana principal.")},
                     }},
            },
        .closeText = QStringLiteral("&Cerrar"),
    };
    return content;
}
