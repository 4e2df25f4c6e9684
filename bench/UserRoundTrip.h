#pragma once

// A round trip as a student makes it, by mouse and keyboard input given to the windows
// (the same path a real X server's input takes inside Qt, on any platform): in the chooser,
// the instrument's item of the "Instrumento" menu, or its picture with the page turn; in
// the instrument window, "Opciones" > "Panel frontal"; in the front panel, the pointer
// onto a control and a click (with its sound); Esc; "Opciones" > "Volver" to a new
// chooser. Each trip takes the next of the seven instruments.
namespace UserRoundTrip {

// Makes trip number `trip` (from 1) from the chooser on screen back to a new one; the
// picture and its page turn on every `pageTurnEvery`-th trip, the menu on the others.
// Null, or what went otherwise than expected.
const char* run(int trip, int pageTurnEvery);

} // namespace UserRoundTrip
