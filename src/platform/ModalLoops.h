#pragma once

class QDialog;
class QWidget;

// Modal boxes run event loops of their own, inside whatever handler opened them. A window
// destroyed inside such a loop pulls the ground from under that handler (and from under
// the box itself, when the window is its parent). So every modal box runs through here,
// and a window released while any box is up is kept until the last box has closed.
namespace ModalLoops {

// Runs the dialog modally and returns its result.
int run(QDialog& dialog);

// Whether a modal box is up.
bool running();

// Releases a window: destroyed once the event being handled has finished, or, while a
// modal box is up, once the last box has closed and its handler has finished.
void release(QWidget* window);

} // namespace ModalLoops
