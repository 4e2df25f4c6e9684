#include "Fluke45Notes.h"

#include "Fluke45ObjectNames.h"

#include "core/ObjectNames.h"

namespace {

using Kind = NoteBlock::Kind;

NoteBlock heading(const QString& text, QRect at)
{
    return {Kind::Label, ObjectNames::noteLabel(1), at, "Garamond", 21, true, Qt::red, {text}};
}

NoteBlock subheading(QRect at)
{
    return {Kind::Label, ObjectNames::noteLabel(2), at, "Garamond", 16, true, Qt::black, {"Forma de empleo:"}};
}

NoteBlock memo(const QString& name, QRect at, int pixelHeight, const QStringList& lines)
{
    return {Kind::Memo, name, at, "Times New Roman", pixelHeight, false, Qt::black, lines};
}

NoteBlock bullet(const QString& name, QPoint at)
{
    return {.kind = Kind::Marker, .objectName = name, .rect = {at, QSize(19, 19)}, .picture = "glyphs/bullet"};
}

NoteLayout note(WindowFrame frame, std::vector<NoteBlock> blocks, QPoint button)
{
    return {
        .frame = std::move(frame),
        .blocks = std::move(blocks),
        .buttonName = ObjectNames::noteCloseButton,
        .buttonText = "&Cerrar",
        .buttonRect = {button, QSize(65, 30)},
        .buttonPixelHeight = 16,
        .buttonFontFamily = "Garamond",
    };
}

} // namespace

const NoteLayout& numberEditorNoteLayout()
{
    static const NoteLayout layout =
        note({Fluke45Names::numberEditorNote, "El editor de números del Fluke 45", {178, 97}, {483, 458}},
             {
                 heading("EL EDITOR DE NÚMEROS", {104, 16, 269, 24}),
                 memo(ObjectNames::noteMemo(1), {24, 49, 402, 22}, 16,
                      {"El editor de números permite introducir o editar un valor numérico."}),
                 memo(ObjectNames::noteMemo(2), {23, 76, 438, 46}, 16,
                      {"Se puede utilizar cuando se debe determinar la base relativa, o los ",
                       "puntos Alto y Bajo para operaciones de comparación (botón COMP)."}),
                 subheading({165, 138, 126, 18}),
                 bullet("Image1", {38, 166}),
                 memo(ObjectNames::noteMemo(3), {64, 166, 390, 70}, 15,
                      {"Pulsar la tecla 2ND y después la Flecha Arriba o la Flecha Abajo ",
                       "para editar el punto alto o bajo respectivamente de la operación ", "de Comparación.",
                       "Pulsar 2ND y botón REL (REF #) para editar la base relativa."}),
                 bullet("Image2", {37, 243}),
                 memo(ObjectNames::noteMemo(4), {62, 243, 391, 34}, 15,
                      {"Pulsar la flecha abajo para seleccionar el dígito a editar. La flecha",
                       "arriba lo cambia entre 0 y 9."}),
                 bullet("Image3", {36, 285}),
                 memo(ObjectNames::noteMemo(5), {61, 286, 383, 18}, 15,
                      {"Se puede salvar el valor pulsando el botón AUTO."}),
                 bullet("Image4", {37, 313}),
                 memo(ObjectNames::noteMemo(6), {61, 314, 383, 39}, 15,
                      {"Para abortar la edición y devolver el multímetro a la operación ",
                       "normal, pulsar cualquier botón excepto AUTO y las flechas."}),
                 {Kind::Rule, "Bevel1", {20, 376, 435, 3}},
             },
             {199, 390});
    return layout;
}

const NoteLayout& listEditorNoteLayout()
{
    static const NoteLayout layout =
        note({Fluke45Names::listEditorNote, "El Editor de listas del Fluke 45", {176, 114}, {479, 413}},
             {
                 heading("EL EDITOR DE LISTAS", {104, 15, 228, 24}),
                 memo(ObjectNames::noteMemo(1), {24, 49, 402, 22}, 16,
                      {"El editor de listas permite seleccionar una opción de una lista."}),
                 memo(ObjectNames::noteMemo(2), {23, 76, 438, 40}, 16,
                      {"Se puede utilizar para seleccionar las opciones de los botones ", "modificadores de función."}),
                 subheading({154, 135, 126, 18}),
                 bullet("Image1", {38, 166}),
                 memo(ObjectNames::noteMemo(3), {63, 166, 390, 39}, 15,
                      {"Pulsar la tecla 2ND y después el botón modificador de función ",
                       "para el que se quieren establecer las opciones."}),
                 bullet("Image2", {37, 221}),
                 memo(ObjectNames::noteMemo(4), {62, 221, 391, 34}, 15,
                      {"Recorrer la lista con los botones de flecha arriba y abajo.",
                       "Seleccionar la opción deseada con la tecla AUTO."}),
                 bullet("Image4", {37, 270}),
                 memo(ObjectNames::noteMemo(6), {61, 271, 383, 39}, 15,
                      {"Para abortar la operación, pulsar cualquier botón excepto el", "botón AUTO y las flechas."}),
                 {Kind::Rule, "Bevel1", {20, 328, 435, 3}},
             },
             {190, 342});
    return layout;
}

OpenNotes& fluke45OpenNotes()
{
    static OpenNotes open;
    return open;
}

Fluke45Note::Fluke45Note(Fluke45NoteSubject subject)
    : NoteWindow(subject == Fluke45NoteSubject::NumberEditor ? numberEditorNoteLayout() : listEditorNoteLayout())
    , m_subject(subject)
{ }

void Fluke45Note::closeNote()
{
    fluke45OpenNotes().remove(m_subject);
    NoteWindow::closeNote();
}
