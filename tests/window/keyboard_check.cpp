// Drives the keyboard layout switch from the command line for
// keyboard_layout.sh:
//   keyboard_check set <identifier>  switch, print "true" or "false"
//   keyboard_check state             print "group=<n> name=<name>": the XKB
//                                    group read straight from the server and
//                                    the active layout's name as the switch
//                                    sees it ("-" when it has none)

#include "data/KeyboardLayout.h"

#include <cstdio>
#include <cstring>
#include <string>

#if defined(DARVISTA_HAVE_X11)
#include <X11/Xlib.h>

#include <X11/XKBlib.h>
#endif

namespace {

// The effective XKB group of the core keyboard, -1 when it cannot be read.
int serverGroup() {
#if defined(DARVISTA_HAVE_X11)
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return -1;
    XkbStateRec state{};
    const int group =
        XkbGetState(display, XkbUseCoreKbd, &state) == Success ? static_cast<int>(state.group) : -1;
    XCloseDisplay(display);
    return group;
#else
    return -1;
#endif
}

int usage() {
    std::fputs("usage: keyboard_check set <identifier> | keyboard_check state\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return usage();
    const std::unique_ptr<KeyboardBackend> backend = makeKeyboardBackend();

    if (std::strcmp(argv[1], "set") == 0 && argc == 3) {
        const bool active = SetKeyboardLayout(*backend, QString::fromLocal8Bit(argv[2]));
        std::puts(active ? "true" : "false");
        return 0;
    }
    if (std::strcmp(argv[1], "state") == 0 && argc == 2) {
        const std::optional<QString> name = backend->activeLayoutName();
        const std::string shown = name ? name->toStdString() : std::string("-");
        std::printf("group=%d name=%s\n", serverGroup(), shown.c_str());
        return 0;
    }
    return usage();
}
