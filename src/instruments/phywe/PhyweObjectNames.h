#pragma once

// The object names of the PHYWE multimeter's own widgets: its window, its front panel, its
// picture and page-turn frames in the chooser, its "Instrumento" menu item and its sound cue.
// Its tables set them and the tests find widgets by them; the strings never change.
namespace PhyweNames {

inline constexpr char window[] = "FormPHYWE";
inline constexpr char panel[] = "FormPHYWEPanel";
inline constexpr char cue[] = "MediaPlayerPHYWE";

// In the chooser: the picture, the three narrower frames of its page turn (in the order
// shown) and the menu item.
inline constexpr char chooserPicture[] = "Image2";
inline constexpr char chooserFrame1[] = "Image23";
inline constexpr char chooserFrame2[] = "Image24";
inline constexpr char chooserFrame3[] = "Image25";
inline constexpr char chooserMenuItem[] = "MultmetroPHYWE1";

} // namespace PhyweNames
