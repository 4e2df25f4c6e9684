// Acts on another program's windows as a user would, through the X server: types keys
// into a window and presses a window's close box. For the tests that end the real program
// each way a user can.
//
//   x_input key <window name> <key>...   gives the window the keyboard and types each key
//                                        ("ctrl+x", "alt+a", "s", "Return")
//   x_input close <window name>          asks the window to close, as its close box does
//
// Waits up to five seconds for the window to appear; ends with status 0 when done, 1 when
// the window never appeared, 2 on a usage or X error.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The window's name as the window manager shows it (UTF-8), else its plain name.
std::string nameOf(Display* display, Window window)
{
    std::string name;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), 0, 1024, False,
                           XInternAtom(display, "UTF8_STRING", False), &type, &format, &count, &after, &data)
            == Success
        && data) {
        name.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
        if (!name.empty())
            return name;
    }
    char* plain = nullptr;
    if (XFetchName(display, window, &plain) && plain) {
        name = plain;
        XFree(plain);
    }
    return name;
}

Window findByName(Display* display, Window root, const std::string& name)
{
    if (nameOf(display, root) == name)
        return root;
    Window parent = 0, ignored = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, root, &ignored, &parent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i)
        found = findByName(display, children[i], name);
    if (children)
        XFree(children);
    return found;
}

Window waitForWindow(Display* display, const std::string& name)
{
    // Up to 20 s: a window made by a sanitized build on a busy machine can be slow to show.
    for (int tries = 0; tries < 400; ++tries) {
        XWindowAttributes attributes;
        const Window window = findByName(display, DefaultRootWindow(display), name);
        if (window && XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable)
            return window;
        usleep(50000);
    }
    return 0;
}

// Presses and releases one key with its modifiers ("ctrl+x").
bool type(Display* display, const std::string& combination)
{
    std::vector<KeyCode> codes;
    std::size_t from = 0;
    while (from <= combination.size()) {
        std::size_t to = combination.find('+', from + 1);
        if (to == std::string::npos)
            to = combination.size();
        std::string name = combination.substr(from, to - from);
        if (name == "ctrl")
            name = "Control_L";
        else if (name == "alt")
            name = "Alt_L";
        else if (name == "shift")
            name = "Shift_L";
        const KeySym symbol = XStringToKeysym(name.c_str());
        const KeyCode code = symbol == NoSymbol ? 0 : XKeysymToKeycode(display, symbol);
        if (!code)
            return false;
        codes.push_back(code);
        from = to + 1;
    }
    for (KeyCode code : codes)
        XTestFakeKeyEvent(display, code, True, CurrentTime);
    for (auto code = codes.rbegin(); code != codes.rend(); ++code)
        XTestFakeKeyEvent(display, *code, False, CurrentTime);
    XSync(display, False);
    usleep(150000);
    return true;
}

void askToClose(Display* display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || (std::strcmp(argv[1], "key") != 0 && std::strcmp(argv[1], "close") != 0))
        return 2;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    const Window window = waitForWindow(display, argv[2]);
    int status = window ? 0 : 1;
    if (window && std::strcmp(argv[1], "close") == 0) {
        askToClose(display, window);
    } else if (window) {
        XSetInputFocus(display, window, RevertToParent, CurrentTime);
        XSync(display, False);
        usleep(150000);
        for (int i = 3; i < argc && status == 0; ++i)
            status = type(display, argv[i]) ? 0 : 2;
    }
    XCloseDisplay(display);
    return status;
}
