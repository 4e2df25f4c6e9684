#pragma once

#include <QString>

// The object names of the widgets every instrument shares: the chooser, the about box,
// the instrument window's frame, the explorer, the questionnaire, and the note and page
// windows. The windows set them and the tests find widgets by them; accessibility tools
// and older scripts see the strings, so the strings never change, only what we call them.
// Names that belong to one instrument (its windows, its pictures in the chooser, its
// menu items, its link labels) live in that instrument's folder, in <Name>ObjectNames.h.
namespace ObjectNames {

// The chooser.
inline constexpr char chooserWindow[] = "Form1";
inline constexpr char chooserPicturesBox[] = "GroupBox1";
inline constexpr char exitMenuItem[] = "Salir1";
inline constexpr char soundMenuItem[] = "Sonido1";
inline constexpr char contentsMenuItem[] = "Contenidos1";
inline constexpr char aboutMenuItem[] = "AcercadeDorvex1";

// The about box.
inline constexpr char aboutBox[] = "FormAcerca";
inline constexpr char aboutAcceptButton[] = "Button1";

// The instrument window's frame.
inline constexpr char titleArt[] = "Image1";
inline constexpr char photograph[] = "Image2";
inline constexpr char optionsMenu[] = "Opciones1";
inline constexpr char generalNotesMenu[] = "Notasgenerales1";
inline constexpr char frontPanelMenuItem[] = "Panelfrontal1";
inline constexpr char questionsMenuItem[] = "Cuestiones1";
inline constexpr char practiceMenuItem[] = "Practica1";
inline constexpr char optionsSeparator[] = "N1";
inline constexpr char backMenuItem[] = "Volver1";
inline constexpr char helpMenu[] = "Ayuda1";
inline constexpr char helpMenuItem[] = "Ayuda2";

// The help window "&Ayuda" opens.
inline constexpr char helpWindow[] = "FormAyuda";
inline constexpr char helpText[] = "TextoAyuda";
inline constexpr char helpCloseButton[] = "BotonCerrar";

// "Mi progreso", in every "Ayuda" menu, and its window.
inline constexpr char progressMenuItem[] = "Miprogreso1";
inline constexpr char progressWindow[] = "FormMiProgreso";
inline constexpr char progressNameEdit[] = "EditNombre";
inline constexpr char progressSaveButton[] = "BotonGuardarInforme";
inline constexpr char progressCloseButton[] = "BotonCerrar";
inline constexpr char progressStatusLabel[] = "LabelEstado";
inline constexpr char reportFileDialog[] = "DialogoGuardarInforme";
// The chart of the nth instrument shown (from 1), in the chooser's order.
inline QString progressChart(int n)
{
    return QStringLiteral("Grafico%1").arg(n);
}

// The front-panel explorer.
inline constexpr char panelMap[] = "SensitiveMap1";
inline constexpr char stackedMap[] = "SensitiveMap2"; // under panelMap, uncovered by the check box
inline constexpr char stackedMapCheckBox[] = "CheckBox1";
inline constexpr char fieldsPanel[] = "Panel1";
inline constexpr char controlNameBox[] = "GroupBox1";
inline constexpr char controlNameLabel[] = "LabelMando";
inline constexpr char descriptionBox[] = "GroupBox2";
inline constexpr char descriptionMemo[] = "Memo1";
inline constexpr char usageBox[] = "GroupBox3";
inline constexpr char usageMemo[] = "Memo2";
inline constexpr char relatedTopicsBox[] = "GroupBox4";
inline constexpr char closeFrame[] = "Panel2";
inline constexpr char closeButton[] = "BitBtn2";
inline constexpr char clickSound[] = "MediaPlayer1";
// "¿Dónde está…?" on a front panel: its button, and the strip that asks.
inline constexpr char whereIsButton[] = "BotonDondeEsta";
inline constexpr char whereIsStrip[] = "PanelDondeEsta";
inline constexpr char whereIsQuestion[] = "LabelPregunta";
inline constexpr char whereIsVerdict[] = "LabelVeredicto";
inline constexpr char whereIsNextButton[] = "BotonSiguiente";
inline constexpr char whereIsOutline[] = "Recuadro";
// The caption label of the nth control (from 1): the panel map's controls, then the stacked map's.
inline QString captionLabel(int n)
{
    return QStringLiteral("Label%1").arg(n);
}

// The questionnaire.
inline constexpr char questionNotebook[] = "TabbedNotebook1";
inline constexpr char answerLabel[] = "Label2";
inline constexpr char verdictLabel[] = "Label3";
inline constexpr char quizAcceptButton[] = "Aceptar";
// The nth option's radio button (from 1, counted across the pages) and its lines (from 1).
inline QString optionButton(int n)
{
    return QStringLiteral("RadioButton%1").arg(n);
}
inline QString optionLine(int n, int line)
{
    return QStringLiteral("RadioButton%1Line%2").arg(n).arg(line);
}
// Why a wrong option is wrong, and its link to the control on the front panel.
inline constexpr char whyWrongLabel[] = "LabelPorQue";
inline constexpr char whyWrongLink[] = "EnlacePorQue";
// The review of the missed questions: its button, its page and the page's options (from 1,
// in the order shown), its title and its button to go on.
inline constexpr char reviewButton[] = "BotonRepasar";
inline constexpr char reviewPage[] = "PaginaRepaso";
inline QString reviewOption(int n)
{
    return QStringLiteral("RadioButtonRepaso%1").arg(n);
}
inline constexpr char reviewTitle[] = "LabelRepaso";
inline constexpr char reviewNextButton[] = "BotonSiguiente";

// The note and page windows: their numbered texts and their one button.
inline QString noteLabel(int n)
{
    return QStringLiteral("Label%1").arg(n);
}
inline QString noteMemo(int n)
{
    return QStringLiteral("Memo%1").arg(n);
}
inline constexpr char noteAcceptButton[] = "BitBtn1"; // "&Aceptar" with its tick
inline constexpr char noteCloseButton[] = "Button1";  // the Fluke 45's notes: "&Cerrar"

} // namespace ObjectNames
