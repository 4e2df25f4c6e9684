#pragma once

// The object names of the Demestres 2001's own widgets: its window, its front panel, its
// picture and page-turn frames in the chooser, its "Instrumento" menu item and its sound cue.
// Its tables set them and the tests find widgets by them; the strings never change.
namespace Demestres2001Names {

inline constexpr char window[] = "FormDemestres2001";
inline constexpr char panel[] = "FormDemestres2001Panel";
inline constexpr char cue[] = "MediaPlayerpromax";

// In the chooser: the picture, the three narrower frames of its page turn (in the order
// shown) and the menu item.
inline constexpr char chooserPicture[] = "Image3";
inline constexpr char chooserFrame1[] = "Image26";
inline constexpr char chooserFrame2[] = "Image27";
inline constexpr char chooserFrame3[] = "Image28";
inline constexpr char chooserMenuItem[] = "MultmetroDemestres20011";

} // namespace Demestres2001Names
