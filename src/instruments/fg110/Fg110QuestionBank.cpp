#include "Fg110QuestionBank.h"

#include "Fg110Definition.h"
#include "Fg110ObjectNames.h"
#include "Fg110WrongAnswers.h"
#include "instruments/common/ControlOnPanel.h"

#include "quiz/QuizLines.h"

namespace {

using QuizLines::plain;
using QuizLines::text;

// The FG110's keys and display indicators, at the sizes they are shown, with what a
// screen reader says of each.
const LineRun Sine{"indicador de onda senoidal", "fg110/sine", {26, 12}};
const LineRun Square{"indicador de onda cuadrada", "fg110/square", {26, 13}};
const LineRun Ramp{"indicador de onda en rampa", "fg110/ramp", {25, 13}};
const LineRun Mode{"tecla MODE", "fg110/mode", {40, 20}};
const LineRun Func{"tecla FUNC", "fg110/func", {41, 19}};
const LineRun Freq{"tecla FREQ", "fg110/freq", {42, 20}};
const LineRun Ampl{"tecla AMPL", "fg110/ampl", {40, 18}};
const LineRun MegaHz{"tecla MHz", "fg110/mhz_mega", {31, 19}};
const LineRun MilliHz{"tecla mHz", "fg110/mhz_milli", {31, 18}};
const LineRun CursorRight{"tecla de cursor a la derecha", "fg110/cursor_right", {31, 18}};
const LineRun Shift{"tecla SHIFT", "fg110/shift", {41, 20}};
const LineRun Inverse{"tecla INVERSE", "fg110/inverse", {37, 21}};
const LineRun Range{"tecla RANGE", "fg110/range", {40, 19}};

// Question 1's options differ only in their pictures.
QuizOption sineOption(const LineRun& indicator, const LineRun& selector, const LineRun& setting, bool correct)
{
    return {{{text("Seleccionar el indicador"), indicator, text("con el botón"), selector, text(". Pulsar el botón")},
             {setting, text(", introducir \"100\" con el teclado numérico, y pusar el botón")},
             {text("\"KHz\".")}},
            correct};
}

// Question 2's options differ only in the selector key and the unit key.
QuizOption rampOption(const LineRun& selector, const LineRun& unit, bool correct)
{
    return {{{text("Seleccionar el indicador"), Ramp, text("con el botón"), selector, text(", pulsar el botón")},
             {Freq, text(", teclear \"3\" en el teclado numérico, pulsar"), unit, text("y pulsar")},
             {Shift, text("+"), Inverse, text(".")}},
            correct};
}

} // namespace

const QuestionBank& fg110QuestionBank()
{
    static const QuestionBank bank{
        .layout = {.frame = {Fg110Names::questionnaire, "Cuestiones sobre el fg110", {0, 0}, {567, 441}},
                   .notebook = {14, 16, 528, 356},
                   .answerLabel = {24, 387},
                   .verdictLabel = {103, 387},
                   .faces = {197, 378},
                   .happyFaceName = Fg110Names::happyFace,
                   .angryFaceName = Fg110Names::angryFace,
                   .acceptButton = {461, 378, 79, 31}},
        .questions = {{
            {.tab = "Cuestión 1",
             .lines = {{text("¿Cuál es el proceso para generar una onda senoidal con una frecuencia de 100 "
                             "kiloHerzios?:")}},
             .options = {sineOption(Sine, Mode, Freq, false), sineOption(Sine, Func, Freq, true),
                         sineOption(Sine, Func, Ampl, false), sineOption(Square, Func, Ampl, false)}},
            {.tab = "Cuestión 2",
             .lines = {{text("¿Cuál es el procedimiento correcto para que el FG110 genere una función")},
                       {text("de rampa negativa con una frecuencia de 3 megaHerzios?")}},
             .options = {rampOption(Mode, MegaHz, false), rampOption(Func, MilliHz, false),
                         rampOption(Mode, CursorRight, false), rampOption(Func, MegaHz, true)}},
            {.tab = "Cuestión 3",
             .lines = {{text("¿Qué sucede si estando en modo \"TRIG\" con el indicador"), Ramp, text("seleccionado")},
                       {text("y la variable \"bursts\" es igual a 5 se pulsa la tecla \"MAN TRIG\"?")}},
             .options = {plain({"Se emite una función rampa con frecuencia 1/5 Hz cuyo período",
                                "se repetirá 5 veces, al cabo de las cuales se dejará de emitir."},
                               false),
                         plain({"Se emite una función rampa con amplitud 5 , que se repetirá",
                                "hasta que se pulse de nuevo la tecla MAN TRIG."},
                               false),
                         plain({"Las funciones de tipo rampa no se pueden generar en modo", "TRIGGER."}, false),
                         plain({"Ninguna de las anteriores."}, true)}},
            {.tab = "Cuestión 4",
             .lines = {{text("¿Qué sucede al pulsar el botón"), Range, text("de forma que queda iluminado el")},
                       {text("indicador \"1V\"?")}},
             .options = {plain({"La amplitud y el nivel de continua del voltaje se multiplican por", "1/10."}, false),
                         plain({"El nivel alto y el nivel bajo del voltaje se multiplican por 1/10."}, false),
                         plain({"Las dos anteriores son ciertas."}, true),
                         plain({"Ninguna de las anteriores es cierta."}, false)}},
        }},
        .instrument = "fg110",
        .wrongAnswerNotes = fg110WrongAnswers,
        .showControl = [](const QString& caption) { showControlOnPanel(fg110Definition(), caption); },
    };
    return bank;
}
