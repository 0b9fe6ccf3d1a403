#pragma once

#include <QDate>
#include <QString>
#include <QUrl>

#include <array>
#include <cstdint>
#include <memory>

class QWidget;
class SettingsStore;
class RandomSource;
class KeyboardBackend;

// Today's date; the time of day plays no part anywhere.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

// Plays a short sound file asynchronously; a new sound cuts off the one
// playing. A file that cannot be played gives the system's default sound.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& path) = 0;
};

// The colour dialog, owned by the main window, with 16 custom colours that
// the dialog may change. Returns the chosen colour as red + 256 * green +
// 65536 * blue, or -1 when the user cancels.
class ColorChooser {
public:
    using CustomColors = std::array<uint32_t, 16>;
    virtual ~ColorChooser() = default;
    virtual long long choose(QWidget* owner, CustomColors& custom) = 0;
};

// Opens a web address or a mail link through the desktop.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QUrl& url) = 0;
};

// Everything the window takes from its platform, so that tests can put in
// doubles.
struct Services {
    QString dataDir;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<SoundPlayer> sound;
    std::unique_ptr<ColorChooser> colors;
    std::unique_ptr<UrlOpener> urls;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<KeyboardBackend> keyboard;

    Services();
    Services(Services&&) noexcept;
    Services& operator=(Services&&) noexcept;
    ~Services();

    // The real ones: data directory beside the executable, the user's
    // settings, the sound card, the desktop, the system clock.
    static Services real();
};
