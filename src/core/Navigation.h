#pragma once

#include "core/FormReference.h"
#include "platform/ModalLoops.h"

#include <QWidget>
#include <concepts>
#include <functional>

// Every move between windows goes through one procedure: create a new instance of the
// target window class, store it in the class's form reference, show it in front of the
// others and release the window being left, if any.
namespace Navigation {

// Release is deferred: the window is destroyed once the event being handled has finished,
// so the caller may go on using it until it returns; while a modal box is up, not before
// the box has closed.
inline void release(QWidget* window)
{
    if (!window)
        return;
    ModalLoops::release(window);
}

// A window whose creation can fail (its sound cue could not be opened) says so.
// The formatter of Debian 12 lays a requirement out badly.
// clang-format off
template <class Form>
concept MayFailToCreate = requires(const Form& f) {
    { f.isCreated() } -> std::convertible_to<bool>;
};
// clang-format on

// Stores a window just created in its class's form reference, shows it in front of the
// others and releases the window being left; a window that could not be created is
// destroyed instead and null returned.
template <class Form>
Form* present(Form* form, QWidget* leaving = nullptr)
{
    if constexpr (MayFailToCreate<Form>) {
        if (!form->isCreated()) {
            delete form;
            return nullptr;
        }
    }
    formReference<Form>() = form;
    form->show();
    form->raise();
    form->activateWindow();
    release(leaving);
    return form;
}

template <class Form>
Form* navigate(QWidget* leaving = nullptr)
{
    return present(new Form, leaving);
}

// Back from an instrument window to a new chooser. The instruments do not know the
// chooser: the shell installs, at start-up, the procedure that opens it.
using Leaving = std::function<void(QWidget* leaving)>;
void setBackToChooser(Leaving procedure);
void backToChooser(QWidget* leaving);

// The program's help, which "&Ayuda" in any instrument window opens. It belongs to the
// program, not to an instrument: the shell installs, at start-up, the procedure that opens it.
void setShowHelp(std::function<void()> procedure);
void showHelp();

} // namespace Navigation
