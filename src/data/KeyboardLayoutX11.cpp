#include "data/KeyboardLayout.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <cstdlib>

// Xlib's macros (None, Bool, Status, ...) clash with Qt: include it last.
#include <X11/Xlib.h>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>

namespace {

// The two layouts the program switches between, by their identifier and the
// XKB layout that stands for it.
struct KnownLayout {
    const char* id;
    const char* xkbLayout;
};
constexpr KnownLayout kKnownLayouts[] = {
    {"00000429", "ir"},
    {"00000409", "us"},
};

QString xkbLayoutOf(const QString& id) {
    for (const KnownLayout& known : kKnownLayouts)
        if (id == QLatin1String(known.id))
            return QString::fromLatin1(known.xkbLayout);
    return {};
}

QString idOf(const QString& xkbLayout) {
    for (const KnownLayout& known : kKnownLayouts)
        if (xkbLayout == QLatin1String(known.xkbLayout))
            return QString::fromLatin1(known.id);
    return {};
}

// Swallows the protocol errors of the requests made while it lives, so that a
// failing request is a skipped step rather than the end of the process.
class XErrorTrap {
public:
    explicit XErrorTrap(Display* display) : display_(display) {
        XSync(display_, False);
        failed_ = false;
        previous_ = XSetErrorHandler(&XErrorTrap::record);
    }
    ~XErrorTrap() {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    XErrorTrap(const XErrorTrap&) = delete;
    XErrorTrap& operator=(const XErrorTrap&) = delete;

    bool failed() {
        XSync(display_, False);
        return failed_;
    }

private:
    static int record(Display*, XErrorEvent*) {
        failed_ = true;
        return 0;
    }

    static inline bool failed_ = false;
    Display* display_;
    XErrorHandler previous_;
};

// The layouts of the keymap, one per group, as the rules that built it name
// them ("us,ir" -> us is group 0, ir group 1).
class X11KeyboardBackend final : public KeyboardBackend {
public:
    explicit X11KeyboardBackend(Display* display) : display_(display) {}
    ~X11KeyboardBackend() override { XCloseDisplay(display_); }
    X11KeyboardBackend(const X11KeyboardBackend&) = delete;
    X11KeyboardBackend& operator=(const X11KeyboardBackend&) = delete;

    std::optional<QString> activeLayoutName() override {
        XErrorTrap trap(display_);
        XkbStateRec state{};
        if (XkbGetState(display_, XkbUseCoreKbd, &state) != Success || trap.failed())
            return std::nullopt;
        const QStringList layouts = groupLayouts();
        if (state.group >= layouts.size())
            return std::nullopt;
        const QString layout = layouts.at(state.group);
        const QString id = idOf(layout);
        return id.isEmpty() ? layout : id;
    }

    bool loadAndActivate(const QString& id) override {
        const QString layout = xkbLayoutOf(id);
        if (layout.isEmpty())
            return false;
        XErrorTrap trap(display_);
        const qsizetype group = groupLayouts().indexOf(layout);
        if (group < 0 || group >= XkbNumKbdGroups)
            return false;
        if (!XkbLockGroup(display_, XkbUseCoreKbd, static_cast<unsigned int>(group)))
            return false;
        // Waits until the server has applied the lock, so that the next
        // reading of the state sees it.
        return !trap.failed();
    }

private:
    // The layout field of the root window's _XKB_RULES_NAMES property:
    // rules, model, layout, variant and options, each ended by a NUL.
    QStringList groupLayouts() {
        const Atom rulesNames = XInternAtom(display_, "_XKB_RULES_NAMES", True);
        if (rulesNames == None)
            return {};
        Atom type = None;
        int format = 0;
        unsigned long length = 0;
        unsigned long remaining = 0;
        unsigned char* data = nullptr;
        const int status =
            XGetWindowProperty(display_, DefaultRootWindow(display_), rulesNames, 0, 1024, False,
                               XA_STRING, &type, &format, &length, &remaining, &data);
        if (status != Success || data == nullptr)
            return {};
        const QByteArray value(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
        XFree(data);
        if (type != XA_STRING || format != 8)
            return {};

        const QList<QByteArray> fields = value.split('\0');
        if (fields.size() < 3)
            return {};
        QStringList layouts;
        for (const QByteArray& entry : fields.at(2).split(',')) {
            QString layout = QString::fromLatin1(entry).trimmed();
            // A layout may carry its variant in parentheses: "ir(pes)".
            if (const qsizetype variant = layout.indexOf(QLatin1Char('(')); variant >= 0)
                layout.truncate(variant);
            layouts.append(layout);
        }
        return layouts;
    }

    Display* display_;
};

} // namespace

std::unique_ptr<KeyboardBackend> makeX11KeyboardBackend() {
    // Without a display name Xlib would fail anyway; asking nothing is quicker.
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0')
        return nullptr;

    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    if (!XkbLibraryVersion(&major, &minor))
        return nullptr;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return nullptr;
    int opcode = 0;
    int event = 0;
    int error = 0;
    if (!XkbQueryExtension(display, &opcode, &event, &error, &major, &minor)) {
        XCloseDisplay(display);
        return nullptr;
    }
    return std::make_unique<X11KeyboardBackend>(display);
}
