#include "data/KeyboardLayout.h"

namespace {

// The system writes a layout name into nine characters: eight digits and a
// terminating NUL.
constexpr qsizetype kNameBufferSize = 9;

// The active layout's name as the system's buffer holds it: all NULs when the
// system cannot tell.
QString readActiveLayoutName(KeyboardBackend& backend) {
    QString buffer;
    try {
        if (const std::optional<QString> name = backend.activeLayoutName())
            buffer = name->left(kNameBufferSize - 1);
    } catch (...) {
    }
    buffer.resize(kNameBufferSize, QChar(0));
    return buffer;
}

#if !defined(_WIN32)
// Where the platform offers no way to select a layout.
class UnavailableKeyboardBackend final : public KeyboardBackend {
public:
    std::optional<QString> activeLayoutName() override { return std::nullopt; }
    bool loadAndActivate(const QString&) override { return false; }
};
#endif

} // namespace

bool SetKeyboardLayout(KeyboardBackend& backend, const QString& id) {
    const QString wanted = id + QChar(0);

    if (readActiveLayoutName(backend) == wanted)
        return true;

    // The system's answer is not trusted: whether the layout became active is
    // read back below.
    try {
        backend.loadAndActivate(id);
    } catch (...) {
    }

    return readActiveLayoutName(backend) == wanted;
}

std::unique_ptr<KeyboardBackend> makeKeyboardBackend() {
#if defined(_WIN32)
    return makeWin32KeyboardBackend();
#else
#if defined(DARVISTA_HAVE_X11)
    if (std::unique_ptr<KeyboardBackend> x11 = makeX11KeyboardBackend())
        return x11;
#endif
    return std::make_unique<UnavailableKeyboardBackend>();
#endif
}
