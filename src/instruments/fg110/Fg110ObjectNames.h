#pragma once

#include <QString>

// The object names of the FG110 function generator's own widgets: its window, its front panel,
// its picture and page-turn frames in the chooser, its "Instrumento" menu item, its sound cue,
// and its questionnaire, text pages and panel links. Its tables set them and the tests find
// widgets by them; the strings never change.
namespace Fg110Names {

inline constexpr char window[] = "Formfg110";
inline constexpr char panel[] = "FormFg110Panel";
inline constexpr char practice[] = "FormFg110Practica";
inline constexpr char cue[] = "MediaPlayerfg";

// In the chooser: the picture, the three narrower frames of its page turn (in the order
// shown) and the menu item.
inline constexpr char chooserPicture[] = "Image1";
inline constexpr char chooserFrame1[] = "Image14";
inline constexpr char chooserFrame2[] = "Image15";
inline constexpr char chooserFrame3[] = "Image16";
inline constexpr char chooserMenuItem[] = "Generadordefunciones1";

// The questionnaire and its faces.
inline constexpr char questionnaire[] = "Ffg_110_cuestiones";
inline constexpr char happyFace[] = "Image1";
inline constexpr char angryFace[] = "Image11";

// The text pages the panel's links open: the nth (from 1) is named textPagePrefix + n.
inline constexpr char textPagePrefix[] = "Ffg_t";
inline QString textPage(int n)
{
    return QLatin1String(textPagePrefix) + QString::number(n);
}

// The front panel's two link labels, from left to right.
inline constexpr char linkLabel1[] = "Label41";
inline constexpr char linkLabel2[] = "Label42";

} // namespace Fg110Names
