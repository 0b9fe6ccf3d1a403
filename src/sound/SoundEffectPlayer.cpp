// The click-sound player, built as a module of its own and loaded on the
// first click that plays a sound: the audio libraries then cost start-up
// nothing.

#include "shell/Services.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include <memory>

namespace {

class EffectPlayer final : public SoundPlayer {
public:
    EffectPlayer() {
        QObject::connect(&effect_, &QSoundEffect::statusChanged, &effect_, [this] {
            if (effect_.status() == QSoundEffect::Error) {
                QApplication::beep();
            }
        });
    }

    void play(const QString& path) override {
        const QFileInfo info(path);
        if (!info.isFile() || !info.isReadable()) {
            QApplication::beep();
            return;
        }
        const QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
        if (effect_.source() != url) {
            effect_.setSource(url); // also cuts off the sound playing
        } else {
            effect_.stop();
        }
        effect_.play();
    }

private:
    QSoundEffect effect_;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundPlayer* darvista_make_sound_player() {
    return new EffectPlayer();
}
