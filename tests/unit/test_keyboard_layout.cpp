#include "data/KeyboardLayout.h"

#include <QStringList>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

namespace {

const QString kPersian = QStringLiteral("00000429");
const QString kUsEnglish = QStringLiteral("00000409");

// A system with some layouts installed, one of them active.
class FakeKeyboard final : public KeyboardBackend {
public:
    enum class Fault {
        None,
        FirstReadFails, // the first name request gets no answer
        NoName,         // the system never names the active layout
        LoadRefused,    // the system says it loaded, but nothing changes
        LoadThrows,
    };

    FakeKeyboard(QStringList installed, QString active, Fault fault)
        : installed(std::move(installed)), active(std::move(active)), fault(fault) {}

    std::optional<QString> activeLayoutName() override {
        ++reads;
        if (fault == Fault::NoName || (fault == Fault::FirstReadFails && reads == 1))
            return std::nullopt;
        return active;
    }

    bool loadAndActivate(const QString& id) override {
        loaded.append(id);
        if (fault == Fault::LoadThrows)
            throw std::runtime_error("load failed");
        if (fault == Fault::LoadRefused)
            return true;
        if (!installed.contains(id))
            return false;
        active = id;
        return true;
    }

    QStringList installed;
    QString active;
    Fault fault;
    int reads = 0;
    QStringList loaded;
};

struct SwitchCase {
    const char* name;
    QStringList installed;
    QString activeBefore;
    FakeKeyboard::Fault fault;
    QString requested;
    bool expected;
    QStringList expectedLoads;
    QString activeAfter;
};

class SetKeyboardLayoutTest : public testing::TestWithParam<SwitchCase> {};

TEST_P(SetKeyboardLayoutTest, SwitchesAndReportsTheActiveLayout) {
    const SwitchCase& c = GetParam();
    FakeKeyboard keyboard(c.installed, c.activeBefore, c.fault);

    EXPECT_EQ(SetKeyboardLayout(keyboard, c.requested), c.expected);
    EXPECT_EQ(keyboard.loaded, c.expectedLoads);
    EXPECT_EQ(keyboard.active, c.activeAfter);
}

using Fault = FakeKeyboard::Fault;
const QStringList kBoth{kUsEnglish, kPersian};
const QStringList kUsOnly{kUsEnglish};

INSTANTIATE_TEST_SUITE_P(
    Cases, SetKeyboardLayoutTest,
    testing::Values(
        SwitchCase{
            "AlreadyActiveIsNotLoaded", kBoth, kPersian, Fault::None, kPersian, true, {}, kPersian},
        SwitchCase{"LoadsInstalledLayout",
                   kBoth,
                   kUsEnglish,
                   Fault::None,
                   kPersian,
                   true,
                   {kPersian},
                   kPersian},
        // A layout without an identifier, as an X keymap reports "de".
        SwitchCase{"LeavesUnnamedLayout",
                   kBoth,
                   "de",
                   Fault::None,
                   kUsEnglish,
                   true,
                   {kUsEnglish},
                   kUsEnglish},
        SwitchCase{"NotInstalledLeavesActiveLayout",
                   kUsOnly,
                   kUsEnglish,
                   Fault::None,
                   kPersian,
                   false,
                   {kPersian},
                   kUsEnglish},
        SwitchCase{"FailedFirstReadIsSkipped",
                   kBoth,
                   kPersian,
                   Fault::FirstReadFails,
                   kPersian,
                   true,
                   {kPersian},
                   kPersian},
        SwitchCase{"NoNameGivesFalse",
                   kBoth,
                   kUsEnglish,
                   Fault::NoName,
                   kPersian,
                   false,
                   {kPersian},
                   kPersian},
        SwitchCase{"AcceptedLoadThatChangesNothingGivesFalse",
                   kBoth,
                   kUsEnglish,
                   Fault::LoadRefused,
                   kPersian,
                   false,
                   {kPersian},
                   kUsEnglish},
        SwitchCase{"ThrowingLoadGivesFalse",
                   kBoth,
                   kUsEnglish,
                   Fault::LoadThrows,
                   kPersian,
                   false,
                   {kPersian},
                   kUsEnglish},
        // The system's name buffer holds eight characters: a longer request
        // can never be the active layout.
        SwitchCase{"OverlongIdentifierNeverMatches",
                   {"000004290"},
                   "000004290",
                   Fault::None,
                   "000004290",
                   false,
                   {"000004290"},
                   "000004290"}),
    [](const testing::TestParamInfo<SwitchCase>& info) { return info.param.name; });

#if !defined(_WIN32)
// Without a display the platform backend must still be usable: it names no
// layout and switching gives false.
TEST(KeyboardBackendFactory, WithoutDisplayNothingIsAvailable) {
    struct DisplayUnset {
        bool wasSet = qEnvironmentVariableIsSet("DISPLAY");
        QByteArray value = qgetenv("DISPLAY");
        DisplayUnset() { qunsetenv("DISPLAY"); }
        ~DisplayUnset() {
            if (wasSet)
                qputenv("DISPLAY", value);
        }
    } noDisplay;

    const std::unique_ptr<KeyboardBackend> backend = makeKeyboardBackend();
    ASSERT_NE(backend, nullptr);
    EXPECT_EQ(backend->activeLayoutName(), std::nullopt);
    EXPECT_FALSE(SetKeyboardLayout(*backend, kPersian));
}
#endif

} // namespace
