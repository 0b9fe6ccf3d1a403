#include "data/KeyboardLayout.h"

#include <string>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace {

// The input layout of the calling thread, named by its KLID ("00000429").
class Win32KeyboardBackend final : public KeyboardBackend {
public:
    std::optional<QString> activeLayoutName() override {
        wchar_t name[KL_NAMELENGTH] = {};
        if (!GetKeyboardLayoutNameW(name))
            return std::nullopt;
        return QString::fromWCharArray(name);
    }

    bool loadAndActivate(const QString& id) override {
        const std::wstring klid = id.toStdWString();
        return LoadKeyboardLayoutW(klid.c_str(), KLF_ACTIVATE) != nullptr;
    }
};

} // namespace

std::unique_ptr<KeyboardBackend> makeWin32KeyboardBackend() {
    return std::make_unique<Win32KeyboardBackend>();
}
