#pragma once

// The object names of the power supply's own widgets: its window, its front panel, its picture
// and page-turn frames in the chooser, its "Instrumento" menu item, its sound cue, and its
// notes. Its tables set them and the tests find widgets by them; the strings never change.
namespace PowerSupplyNames {

inline constexpr char window[] = "Form2";
inline constexpr char panel[] = "FormPromaxPanel";
inline constexpr char cue[] = "MediaPlayerpromax";

// In the chooser: the picture, the three narrower frames of its page turn (in the order
// shown) and the menu item.
inline constexpr char chooserPicture[] = "Image7";
inline constexpr char chooserFrame1[] = "Image8";
inline constexpr char chooserFrame2[] = "Image4";
inline constexpr char chooserFrame3[] = "Image13";
inline constexpr char chooserMenuItem[] = "Fuentedealimentacin1";

// Its "Notas generales" menu: the earthing message and the start-up note.
inline constexpr char earthingMenuItem[] = "Conexinatierra1";
inline constexpr char startupMenuItem[] = "Puestaenmarcha1";
inline constexpr char startupNote[] = "FormPromaxPuestaMarcha";

} // namespace PowerSupplyNames
