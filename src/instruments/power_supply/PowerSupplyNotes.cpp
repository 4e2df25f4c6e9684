#include "PowerSupplyNotes.h"

#include "PowerSupplyObjectNames.h"

#include "core/ObjectNames.h"

const MessageNote& earthingNote()
{
    static const MessageNote note{
        "Conexión a tierra",
        "    Es norma de seguridad conectar el aparato a \"tierra\". Para ello va provisto de una toma de red "
        "normalizada. En caso de no disponer de toma de \"tierra\" en la red, el aparato va provisto de un borne "
        "adecuado en el panel frontal.",
    };
    return note;
}

const NoteLayout& startupNoteLayout()
{
    using Kind = NoteBlock::Kind;
    // Every memo line but the last keeps its trailing blank.
    static const NoteLayout layout{
        .frame = {PowerSupplyNames::startupNote, "Puesta en Marcha", {204, 117}, {465, 394}},
        .blocks =
            {
                {Kind::Label,
                 ObjectNames::noteLabel(1),
                 {6, 14, 0, 0},
                 "Times New Roman",
                 19,
                 false,
                 Qt::black,
                 {"Para iniciar la fuente de alimentación, se han de seguir estos"}},
                {Kind::Label,
                 ObjectNames::noteLabel(2),
                 {6, 32, 0, 0},
                 "Times New Roman",
                 19,
                 false,
                 Qt::black,
                 {"pasos:"}},
                {Kind::Marker, "Image1", {62, 68, 19, 19}},
                {Kind::Label,
                 ObjectNames::noteLabel(3),
                 {84, 68, 0, 0},
                 "Times New Roman",
                 16,
                 false,
                 Qt::black,
                 {"Poner la fuente en marcha."}},
                {Kind::Marker, "Image2", {62, 96, 19, 19}},
                {Kind::Memo,
                 ObjectNames::noteMemo(1),
                 {84, 96, 303, 61},
                 "Times New Roman",
                 16,
                 false,
                 Qt::black,
                 {"Ajustar la tensión de salida al valor deseado por ",
                  "medio de los mandos \"Mando grueso de tensión\" ", "y \"Mando fino de tensión\"."}},
                {Kind::Marker, "Image3", {62, 162, 19, 19}},
                {Kind::Memo,
                 ObjectNames::noteMemo(2),
                 {84, 162, 303, 39},
                 "Times New Roman",
                 16,
                 false,
                 Qt::black,
                 {"Girar hasta el mínimo el mando de control de ", "corriente."}},
                {Kind::Marker, "Image5", {62, 204, 19, 19}},
                {Kind::Memo,
                 ObjectNames::noteMemo(3),
                 {84, 204, 329, 61},
                 "Times New Roman",
                 16,
                 false,
                 Qt::black,
                 {"Cortocircuitar los bornes negativo y positivo y ",
                  "mediante el mando de control de corriente controlar la ", "intensidad del cortocircuito."}},
                {Kind::Memo,
                 ObjectNames::noteMemo(4),
                 {14, 274, 439, 37},
                 "Times New Roman",
                 15,
                 false,
                 Qt::black,
                 {"Se recomienda ajustar la corriente a un valor 10% superior al necesario ",
                  "para el circuito bajo prueba."}},
                {Kind::Rule, "Bevel1", {12, 316, 441, 5}},
            },
        .buttonName = ObjectNames::noteAcceptButton,
        .buttonText = "&Aceptar",
        .buttonRect = {180, 330, 73, 29},
        .buttonGlyph = "tick",
        .buttonPixelHeight = 13,
        .buttonFontFamily = "Times New Roman",
    };
    return layout;
}

OpenNotes& powerSupplyOpenNotes()
{
    static OpenNotes open;
    return open;
}
