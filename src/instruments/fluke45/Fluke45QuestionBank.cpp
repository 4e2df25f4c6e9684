#include "Fluke45QuestionBank.h"

#include "Fluke45Definition.h"
#include "Fluke45ObjectNames.h"
#include "Fluke45WrongAnswers.h"
#include "instruments/common/ControlOnPanel.h"

#include "quiz/QuizLines.h"

namespace {

using QuizLines::plain;
using QuizLines::text;

// The Fluke 45's keys and terminals, at the sizes they are shown, with what a screen
// reader says of each.
const LineRun Terminal10A{"borne de 10 A", "fluke45/terminal_10a", {62, 33}};
const LineRun TerminalCom{"borne COM", "fluke45/terminal_com", {62, 30}};
const LineRun AmpsAc{"tecla A de corriente alterna", "fluke45/key_a_ac", {32, 24}};
const LineRun AmpsDc{"tecla A de corriente continua", "fluke45/key_a_dc", {33, 27}};
const LineRun Second{"tecla 2ND", "fluke45/key_2nd", {37, 19}};
const LineRun Freq{"tecla FREQ", "fluke45/key_freq", {31, 25}};
const LineRun Hold{"tecla HOLD", "fluke45/key_hold", {33, 22}};
const LineRun Auto{"tecla AUTO", "fluke45/key_auto", {31, 25}};
const LineRun Arrows{"teclas de flecha arriba y abajo", "fluke45/keys_arrows", {72, 25}};

// Question 1's options share their first line and differ in the keys pressed.
QuizOption currentOption(const LineRun& first, const LineRun& second, const LineRun& last, bool correct)
{
    return {{{text("Conectar las clavijas a los terminales"), Terminal10A, text("y"), TerminalCom, text(",")},
             {text("pulsar el botón"), first, text(", pulsar el botón"), second, text(", y pulsar el")},
             {text("botón"), last, text(".")}},
            correct};
}

// Question 2's options: with or without 2ND first, and the key that ends the choice.
QuizOption thresholdOption(bool withSecond, const LineRun& last, bool correct)
{
    if (withSecond)
        return {{{text("Pulsar"), Second, text("y después"), Hold, text(". Elegir la opción \"1\" de la lista")},
                 {text("presentada con las teclas"), Arrows, text(", y pulsar el botón"), last, text(".")}},
                correct};
    return {{{text("Pulsar"), Hold, text(". Elegir la opción \"1\" de la lista presentada con las")},
             {text("teclas"), Arrows, text(", y pulsar el botón"), last, text(".")}},
            correct};
}

} // namespace

const QuestionBank& fluke45QuestionBank()
{
    static const QuestionBank bank{
        .layout = {.frame = {Fluke45Names::questionnaire, "Cuestiones sobre el Fluke 45", {1, 0}, {571, 559}},
                   .notebook = {23, 9, 521, 471},
                   .answerLabel = {24, 494},
                   .verdictLabel = {103, 494},
                   .faces = {209, 485},
                   .happyFaceName = Fluke45Names::happyFace,
                   .angryFaceName = Fluke45Names::angryFace,
                   .acceptButton = {461, 487, 79, 31}},
        .questions = {{
            {.tab = "Cuestión 1",
             .lines = {{text("¿Qué harías para medir una intensidad de corriente alterna en el display primario y su "
                             "frecuencia en el display secundario?")}},
             .options = {currentOption(AmpsAc, Second, AmpsDc, false), currentOption(AmpsDc, Freq, Second, false),
                         currentOption(AmpsDc, Second, Freq, false), currentOption(AmpsAc, Second, Freq, true)}},
            {.tab = "Cuestión 2",
             .lines = {{text("¿Qué se debe hacer para cambiar el umbral de medición estable del")},
                       {text("modo Touch Hold a \"Muy estable\"?")}},
             .options = {thresholdOption(false, Hold, false), thresholdOption(true, Hold, false),
                         thresholdOption(true, Auto, true), thresholdOption(false, Auto, false)}},
            {.tab = "Cuestión 3",
             .lines = {{text("¿Qué es lo que sucede si al medir un voltaje en modo COMP  el")},
                       {text("multímetro emite un pitido y muestra el indicador \"LO\" en el display?")}},
             .options = {plain({"El voltaje medido es menor que el límite inferior establecido",
                                "previamente para el modo COMP."},
                               true),
                         plain({"El voltaje medido es mayor que el límite inferior establecido",
                                "previamente para el modo COMP."},
                               false),
                         plain({"El voltaje entrante no puede ser medido por el multímetro en", "este modo."}, false),
                         plain({"El voltaje medido es menor que el límite superior establecido",
                                "previamente para el modo COMP."},
                               false)}},
            {.tab = "Cuestión 4",
             .lines = {{text("¿Qué labor desempeña el multímetro si se selecciona el modificador")},
                       {text("de función MN MX para realizar medidas?")}},
             .options = {plain({"Comprueba si el valor medido cae dentro de un rango dado;",
                                "si el valor no está dentro del rango, emite un pitido."},
                               false),
                         plain({"Permite establecer los valores máximo y mínimo del umbral", "de medición estable."},
                               false),
                         plain({"Almacena los valores máximo y mínimo medidos desde el",
                                "momento en que el modificador MN MX es seleccionado."},
                               true),
                         plain({"Ninguna de las anteriores."}, false)}},
        }},
        .instrument = "fluke45",
        .wrongAnswerNotes = fluke45WrongAnswers,
        .showControl = [](const QString& caption) { showControlOnPanel(fluke45Definition(), caption); },
    };
    return bank;
}
