#pragma once

// The object names of the Fluke 45's own widgets: its window, its front panel, its picture and
// page-turn frames in the chooser, its "Instrumento" menu item, its sound cue, and its notes,
// questionnaire, trainers and panel links. Its tables set them and the tests find widgets by
// them; the strings never change.
namespace Fluke45Names {

inline constexpr char window[] = "FormFluke45";
inline constexpr char panel[] = "FormFluke45Panel";
inline constexpr char cue[] = "MediaPlayerFluke45";
inline constexpr char practice[] = "FormFluke45Practica";

// In the chooser: the picture, the three narrower frames of its page turn (in the order
// shown) and the menu item.
inline constexpr char chooserPicture[] = "Image6";
inline constexpr char chooserFrame1[] = "Image9";
inline constexpr char chooserFrame2[] = "Image10";
inline constexpr char chooserFrame3[] = "Image11";
inline constexpr char chooserMenuItem[] = "MultmetroDual1";

// The notes of its "Notas generales" menu and their menu items.
inline constexpr char numberEditorNote[] = "FormFluke45Nota1";
inline constexpr char numberEditorMenuItem[] = "Editordenmeros1";
inline constexpr char listEditorNote[] = "FormFluke45Nota2";
inline constexpr char listEditorMenuItem[] = "Editordelistas1";

// The questionnaire and its faces.
inline constexpr char questionnaire[] = "Ff45_cuestiones1";
inline constexpr char happyFace[] = "Image1";
inline constexpr char angryFace[] = "Image10";

// The trainers the panel's links open.
inline constexpr char functionButtonsTrainer[] = "FormFluke45BFunc";
inline constexpr char rangeButtonsTrainer[] = "FormFluke45BRango";
inline constexpr char modifierButtonsTrainer[] = "FormFluke45BMod1";

// The front panel's three link labels, from left to right.
inline constexpr char linkLabel1[] = "Label31";
inline constexpr char linkLabel2[] = "Label32";
inline constexpr char linkLabel3[] = "Label33";

} // namespace Fluke45Names
