#pragma once

// The object names of the HC-6000's own widgets: its window, its front panel, its picture and
// page-turn frames in the chooser, its "Instrumento" menu item and its sound cue. Its tables
// set them and the tests find widgets by them; the strings never change.
namespace Hc6000Names {

inline constexpr char window[] = "FormHC6000";
inline constexpr char panel[] = "FormHC6000Panel";
inline constexpr char cue[] = "MediaPlayerhc6000";

// In the chooser: the picture, the three narrower frames of its page turn (in the order
// shown) and the menu item.
inline constexpr char chooserPicture[] = "Image5";
inline constexpr char chooserFrame1[] = "Image20";
inline constexpr char chooserFrame2[] = "Image21";
inline constexpr char chooserFrame3[] = "Image22";
inline constexpr char chooserMenuItem[] = "MultmetroHC60001";

} // namespace Hc6000Names
