#pragma once

#include <functional>

class QMenu;

// The items every "Ayuda" menu of the program carries, whichever window it is in (the
// chooser's and each instrument window's): "&Mi progreso" for now. Each window adds them
// with one call; what they open lives with the program (the shell), above the windows
// that carry them, so the shell installs it at start-up.
namespace HelpMenuItems {

// What "&Mi progreso" opens.
void setProgressOpener(std::function<void()> open);

// Adds the program-wide items at the end of a window's "Ayuda" menu.
void addTo(QMenu* menu);

} // namespace HelpMenuItems
