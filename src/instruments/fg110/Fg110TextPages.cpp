#include "Fg110TextPages.h"

#include "Fg110ObjectNames.h"
#include "core/Navigation.h"
#include "core/ObjectNames.h"
#include "instruments/common/TextPage.h"

#include <array>

namespace Fg110TextPages {
namespace {

using Kind = NoteBlock::Kind;

NoteBlock heading(const QString& text, QPoint at)
{
    return {Kind::Label, ObjectNames::noteLabel(1), {at, QSize(0, 0)}, "Arial Black", 19, true, Qt::red, {text}};
}

// A line in the window's own font.
NoteBlock text(const QString& name, const QString& text, QPoint at)
{
    return {Kind::Label, name, {at, QSize(0, 0)}, "System", 13, false, Qt::black, {text}};
}

NoteBlock wrappedText(const QString& name, const QString& text, QRect box)
{
    return {Kind::Label, name, box, "System", 13, false, Qt::black, {text}};
}

NoteBlock modeLabel(const QString& name, const QString& mode, QPoint at)
{
    return {Kind::Label, name, {at, QSize(0, 0)}, "Times New Roman", 15, true, Qt::black, {mode}};
}

NoteBlock modeMemo(const QString& name, QRect at, bool scrollBar, const QStringList& lines)
{
    return {Kind::ScrollingMemo, name, at, "Times New Roman", 16, false, Qt::black, lines, scrollBar};
}

NoteBlock bevel(QPoint at, int width)
{
    return {Kind::Bevel, "Bevel1", {at, QSize(width, 2)}};
}

NoteLayout page(WindowFrame frame, std::vector<NoteBlock> blocks, QPoint button)
{
    return {
        .frame = std::move(frame),
        .blocks = std::move(blocks),
        .buttonName = ObjectNames::noteAcceptButton,
        .buttonText = "&Aceptar",
        .buttonRect = {button, QSize(79, 27)},
        .buttonGlyph = "tick",
        .buttonPixelHeight = 12,
        .buttonFontFamily = "Arial",
    };
}

const std::array<NoteLayout, Count>& pages()
{
    static const std::array<NoteLayout, Count> all{
        page({Fg110Names::textPage(1), "Modos del FG-110", {224, 0}, {576, 529}},
             {
                 heading("Modos de salida del FG-110.", {112, 12}),
                 modeLabel(ObjectNames::noteLabel(2), "CONT", {34, 57}),
                 modeMemo(ObjectNames::noteMemo(1), {88, 55, 461, 71}, false,
                          {"SALIDA DE SEÑAL CONTINUA.", "", "Este modo suministra señales continuamente."}),
                 modeLabel(ObjectNames::noteLabel(3), "TRIG", {38, 137}),
                 modeMemo(ObjectNames::noteMemo(2), {88, 137, 465, 87}, true,
                          {"MODO REACCION.", "", "Este modo suministra una onda un determinado número de veces cuando ",
                           "se recibe una señal de activación o se presiona la tecla MAN TRIG.",
                           "Las características de este modo son dadas con las teclas BURST y ", "SLOPE.",
                           "Este modo no tiene efecto con señales cuadradas."}),
                 modeLabel(ObjectNames::noteLabel(4), "GATE", {36, 245}),
                 modeMemo(ObjectNames::noteMemo(3), {86, 243, 469, 89}, true,
                          {"MODO PUERTA.", "", "Este modo suministra señales cuando se recibe una señal de puerta",
                           "habilitada o se pulsa la tecla MAN TRIG.",
                           "Con la tecla SLOPE se puede elegir la polaridad de la puerta que ",
                           "activa la señal (positiva o negativa).", "Este modo no se aplica a señales cuadradas."}),
                 modeLabel(ObjectNames::noteLabel(5), "DC", {58, 345}),
                 modeMemo(ObjectNames::noteMemo(4), {88, 341, 469, 89}, true,
                          {"MODO CORRIENTE CONTÍNUA.", "", "Este modo suministra señales de corriente contínua."}),
                 bevel({31, 451}, 515),
             },
             {253, 462}),
        page({Fg110Names::textPage(2), "Rangos de frecuencia", {369, 0}, {435, 295}},
             {
                 heading("Rangos de frecuencia del FG-110.", {18, 18}),
                 text(ObjectNames::noteLabel(2), "Los rangos de frecuencia permitidos son los siguientes:", {32, 70}),
                 text(ObjectNames::noteLabel(3), "Ondas cuadradas y senoidales:", {84, 112}),
                 text(ObjectNames::noteLabel(4), "0.001 mHz  a   2MHz", {228, 129}),
                 text(ObjectNames::noteLabel(5), "Ondas triangulares, rampas y pulsos:", {84, 166}),
                 text(ObjectNames::noteLabel(6), "0.001 mHz  a   100kHz", {226, 185}),
                 bevel({12, 217}, 405),
             },
             {179, 232}),
        page({Fg110Names::textPage(3), "Rangos de amplitud y offset", {365, 0}, {435, 343}},
             {
                 heading("Rangos de amplitud y offset.", {51, 18}),
                 // Too long for one line of the page: it breaks into two.
                 wrappedText(ObjectNames::noteLabel(2),
                             "Rangos permisibles al establecer el voltaje de salida por el método de amplitud y "
                             "offset.",
                             {16, 61, 395, 36}),
                 text(ObjectNames::noteLabel(3), "Amplitud:", {40, 107}),
                 text(ObjectNames::noteLabel(4), "A rango de salida de 10V:", {80, 131}),
                 text(ObjectNames::noteLabel(5), "20 mVp-p   a    20 Vp-p", {254, 131}),
                 text(ObjectNames::noteLabel(6), "A rango de salida de 1V:", {88, 153}),
                 text(ObjectNames::noteLabel(7), "2 mVp-p   a    2 Vp-p", {254, 153}),
                 text(ObjectNames::noteLabel(8), "Offset:", {41, 180}),
                 text(ObjectNames::noteLabel(9), "A rango de salida de 10V:", {82, 204}),
                 text(ObjectNames::noteLabel(10), "-9.99 V  a  +9.99 V", {257, 203}),
                 text(ObjectNames::noteLabel(11), "A rango de salida de 1V:", {90, 226}),
                 text(ObjectNames::noteLabel(12), "-0.999 V  a  +0.999 V", {255, 226}),
                 bevel({14, 270}, 403),
             },
             {185, 280}),
        page({Fg110Names::textPage(4), "Rango del ángulo de fase", {366, 0}, {435, 212}},
             {
                 heading("Rangos del ángulo de fase.", {61, 20}),
                 text(ObjectNames::noteLabel(2),
                      "El ángulo de inicio y final de fase debe estar en el rango:", {32, 68}),
                 text(ObjectNames::noteLabel(3), "-10000   a   +10000", {152, 100}),
                 bevel({15, 136}, 402),
             },
             {177, 146}),
        page({Fg110Names::textPage(5), "Rangos del período", {365, -1}, {435, 268}},
             {
                 heading("Rangos del período en el FG-110.", {25, 14}),
                 text(ObjectNames::noteLabel(2), "Rangos permisibles del período:", {58, 56}),
                 text(ObjectNames::noteLabel(3), "Ondas senoidales y cuadradas:", {60, 88}),
                 text(ObjectNames::noteLabel(4), "0.0005 ms  a  100000 s", {222, 102}),
                 text(ObjectNames::noteLabel(5), "Ondas triangulares, rampas y pulsos:", {60, 130}),
                 text(ObjectNames::noteLabel(6), "0.01 ms  a  100000 s", {222, 148}),
                 bevel({20, 184}, 394),
             },
             {181, 194}),
    };
    return all;
}

} // namespace

const NoteLayout& layout(Fg110Page page)
{
    return pages().at(std::size_t(page) - 1);
}

void open(Fg110Page page)
{
    if (int(page) < 1 || int(page) > Count)
        return;
    Navigation::present(new TextPage(layout(page)));
}

} // namespace Fg110TextPages
