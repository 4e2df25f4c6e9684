#pragma once

// The object names of the Fluke 73's own widgets: its window, its front panel, its picture and
// page-turn frames in the chooser, its "Instrumento" menu item and its sound cue. Its tables
// set them and the tests find widgets by them; the strings never change.
namespace Fluke73Names {

inline constexpr char window[] = "FormFluke73";
inline constexpr char panel[] = "FormFluke73Panel";
inline constexpr char cue[] = "MediaPlayerfluke73";

// In the chooser: the picture, the three narrower frames of its page turn (in the order
// shown) and the menu item.
inline constexpr char chooserPicture[] = "Image12";
inline constexpr char chooserFrame1[] = "Image17";
inline constexpr char chooserFrame2[] = "Image18";
inline constexpr char chooserFrame3[] = "Image19";
inline constexpr char chooserMenuItem[] = "MultmetroFluke731";

} // namespace Fluke73Names
