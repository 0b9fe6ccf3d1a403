#include "shell/Services.h"

#include "data/KeyboardLayout.h"
#include "data/SettingsStore.h"
#include "data/ShuffledOrder.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QLibrary>

namespace {

class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

// Loads the sound module beside the program on the first sound. Without it
// every click that should sound gives the system's default sound.
class ModuleSoundPlayer final : public SoundPlayer {
public:
    void play(const QString& path) override {
        if (!tried_) {
            tried_ = true;
            QLibrary module(QCoreApplication::applicationDirPath() +
                            QStringLiteral("/darvista_sound"));
            using Make = SoundPlayer* (*)();
            if (auto make = reinterpret_cast<Make>(module.resolve("darvista_make_sound_player"))) {
                player_.reset(make());
            }
        }
        if (player_) {
            player_->play(path);
        } else {
            QApplication::beep();
        }
    }

private:
    bool tried_ = false;
    std::unique_ptr<SoundPlayer> player_;
};

class DialogColorChooser final : public ColorChooser {
public:
    long long choose(QWidget* owner, CustomColors& custom) override {
        for (int i = 0; i < 16; ++i) {
            const uint32_t c = custom[static_cast<size_t>(i)];
            QColorDialog::setCustomColor(i, QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
        }
        const QColor chosen = QColorDialog::getColor(QColor(0, 0, 0), owner);
        if (!chosen.isValid()) {
            return -1;
        }
        for (int i = 0; i < 16; ++i) {
            const QColor c = QColorDialog::customColor(i);
            custom[static_cast<size_t>(i)] = static_cast<uint32_t>(c.red()) |
                                             (static_cast<uint32_t>(c.green()) << 8) |
                                             (static_cast<uint32_t>(c.blue()) << 16);
        }
        return chosen.red() + 256LL * chosen.green() + 65536LL * chosen.blue();
    }
};

class DesktopUrlOpener final : public UrlOpener {
public:
    void open(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

} // namespace

Services::Services() = default;
Services::Services(Services&&) noexcept = default;
Services& Services::operator=(Services&&) noexcept = default;
Services::~Services() = default;

Services Services::real() {
    Services s;
    s.dataDir = QCoreApplication::applicationDirPath();
    s.settings = makeUserSettingsStore();
    s.sound = std::make_unique<ModuleSoundPlayer>();
    s.colors = std::make_unique<DialogColorChooser>();
    s.urls = std::make_unique<DesktopUrlOpener>();
    s.clock = std::make_unique<SystemClock>();
    s.random = makeClockSeededRandom();
    s.keyboard = makeKeyboardBackend();
    return s;
}
