#pragma once

// Switching the keyboard between the Persian and the US English layout
// (farsiFcombo). Start-up asks for "00000429", closing for "00000409".

#include <QString>

#include <memory>
#include <optional>

// The system's side of the switch: which input layout is active, and loading
// one by its identifier (eight hexadecimal digits, as Windows names layouts).
class KeyboardBackend {
public:
    virtual ~KeyboardBackend() = default;

    // The name of the active layout, or nothing when the system cannot tell.
    // A layout that has no identifier is reported by a name that is not one.
    virtual std::optional<QString> activeLayoutName() = 0;

    // Loads the layout with that identifier and makes it the active one.
    // Returns whether the system accepted the request; the switch itself
    // does not rely on it and reads the active layout again instead.
    virtual bool loadAndActivate(const QString& id) = 0;
};

// Makes `id` the active layout. True when it is the active one afterwards;
// a layout that cannot be loaded leaves the active one as it was and gives
// false. No step reports an error: a failing step is skipped.
bool SetKeyboardLayout(KeyboardBackend& backend, const QString& id);

// The backend of the platform the program runs on: Win32 on Windows, XKB where
// an X display can be opened, otherwise one that reports no layout and loads
// none. Never null.
std::unique_ptr<KeyboardBackend> makeKeyboardBackend();

#if defined(_WIN32)
std::unique_ptr<KeyboardBackend> makeWin32KeyboardBackend();
#endif
#if defined(DARVISTA_HAVE_X11)
// Null when no X display can be opened or it has no keyboard extension.
std::unique_ptr<KeyboardBackend> makeX11KeyboardBackend();
#endif
