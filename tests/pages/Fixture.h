#pragma once

#include "data/KeyboardLayout.h"
#include "data/SettingsStore.h"
#include "data/ShuffledOrder.h"
#include "shell/HoverButtons.h"
#include "shell/ImageControl.h"
#include "shell/Services.h"
#include "shell/frmMain.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

// Readable failure messages for Qt texts.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QSet<QString>& set, std::ostream* os) {
    QStringList names(set.begin(), set.end());
    names.sort();
    *os << '{' << names.join(", ").toStdString() << '}';
}

// Test doubles for the platform services, each exposing what it saw.
struct FixedClock final : Clock {
    QDate date{2006, 3, 21};
    QDate today() const override { return date; }
};

struct RecordingSound final : SoundPlayer {
    QStringList played;
    void play(const QString& path) override { played.append(path); }
};

struct ScriptedColors final : ColorChooser {
    std::vector<long long> answers; // -1 cancels
    int asked = 0;
    long long choose(QWidget*, CustomColors& custom) override {
        custom[0] = 0x123456;
        const long long a = answers.at(static_cast<size_t>(asked));
        ++asked;
        return a;
    }
};

struct RecordingUrls final : UrlOpener {
    QList<QUrl> opened;
    void open(const QUrl& url) override { opened.append(url); }
};

struct FakeKeyboard final : KeyboardBackend {
    QString active = "00000409";
    QStringList requests;
    std::optional<QString> activeLayoutName() override { return active; }
    bool loadAndActivate(const QString& id) override {
        requests.append(id);
        active = id;
        return true;
    }
};

struct FirstDraw final : RandomSource {
    double value = 0.0; // always the first element stays first
    void reseed() override {}
    double next() override { return value; }
};

// The real window on the offscreen platform, over a data directory of the
// test's own.
class PageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { window.reset(); }

    // Makes the window (after the data and settings are in place).
    void start();

    // Writes a data file of the test's own.
    void writeData(const QString& name, const QByteArray& bytes);
    // Copies a file of the shipped content into the data directory.
    void copyContent(const QString& name);

    template <typename T = QWidget> T* control(const QString& name) const {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << "no control " << name.toStdString();
        return w;
    }
    QString text(const QString& labelName) const;
    // Names of the direct children whose own visible flag is set.
    QSet<QString> visibleControls() const;

    void click(const QString& name);
    void moveOver(const QString& name);
    void moveOverBackground(QPoint at = QPoint(260, 330));

    QTemporaryDir dataDir;
    MemorySettingsStore* settings = nullptr;
    RecordingSound* sound = nullptr;
    ScriptedColors* colors = nullptr;
    RecordingUrls* urls = nullptr;
    FixedClock* clock = nullptr;
    FakeKeyboard* keyboard = nullptr;
    FirstDraw* random = nullptr;
    std::unique_ptr<frmMain> window;

private:
    Services pending_;
};
