#include "Fixture.h"

#include "shell/ResPicture.h"
#include "shell/TextPost.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTimerEvent>

namespace {

const QSet<QString> kBar = {"imgasli1", "imgfMataleb1", "imgDast1", "imgMin1", "imgExit1"};

QSet<QString> with(QSet<QString> base, std::initializer_list<const char*> more) {
    for (const char* m : more) {
        base.insert(QString::fromLatin1(m));
    }
    return base;
}

QByteArray tips(const char* count, int n) {
    QByteArray x = "<details><info><tedad>" + QByteArray(count) + "</tedad></info>";
    for (int i = 1; i <= n; ++i) {
        x += "<details" + QByteArray::number(i) + "><title>tip " + QByteArray::number(i) +
             "</title></details" + QByteArray::number(i) + ">";
    }
    return x + "</details>";
}

} // namespace

class ShellTest : public PageTest {
protected:
    // A picture button as a person uses it: over the normal picture, then a
    // click on the hover picture that took its place.
    // A picture button as a person uses it: over the normal picture (unless
    // its hover picture still shows), then a click on the hover picture.
    void press(const QString& base) {
        if (!control(base + "1")->isHidden()) {
            moveOver(base + "1");
        }
        click(base + "2");
    }
    double opacity() const { return window->windowOpacity(); }
    void tick(int times) {
        auto* timer = window->findChild<QTimer*>("tmrScroll");
        ASSERT_NE(timer, nullptr);
        for (int i = 0; i < times; ++i) {
            ASSERT_TRUE(timer->isActive());
            QTimerEvent event(timer->timerId());
            QCoreApplication::sendEvent(timer, &event);
        }
    }
};

TEST_F(ShellTest, EachPageShowsTheBarItsHeaderAndItsOwnControls) {
    writeData("details.xml", tips("3", 3));
    start();
    const QSet<QString> mainPage =
        with(kBar, {"imgHeader", "imgTrooz1", "imgMonasebat1", "imgBank1", "imgSetting1",
                    "imgBack_tip1", "imgNext_tip1", "lblTip", "imgAsli"});
    EXPECT_EQ(visibleControls(), mainPage) << "after start-up";

    struct Case {
        const char* opener;
        QSet<QString> visible;
    };
    const Case cases[] = {
        {"imgDast", with(kBar, {"imgHeader", "lblSite", "lblMail", "lblSource", "cmdAbout_fal"})},
        {"imgasli", mainPage},
        {"imgSetting", with(kBar, {"imgHeader", "cmdSave_Setting", "chOnTop", "chSound", "chAlpha",
                                   "h_s_alpha", "cmdRang_neveshteh", "pic_rang_neveshteh",
                                   "cmd_rang_paszamineh_neveshteh", "pic_rang_pas_neveshteh"})},
        {"imgasli", mainPage},
        {"imgasli", mainPage}, // twice in a row: the same
        {"imgTrooz", with(kBar, {"imgHeader", "imgTagvimRooz1", "imgTagvimRooz3",
                                 "imgRoozShomarPezeshki1", "imgFalnameh1", "imgBackTR", "lblTarikh",
                                 "lblShamsi", "lblMiladi", "lblHijri", "lblRokhdad", "lblSher",
                                 "imgNext1", "imgBack1", "imgSherChap1", "imgSherRast1"})},
        {"imgRoozShomarPezeshki",
         with(kBar, {"imgHeader", "imgTagvimRooz1", "imgFalnameh1", "imgRoozShomarPezeshki3",
                     "imgTopRoozShomar", "txtPost", "lblTarikhRoozShomar"})},
        {"imgasli", mainPage},
    };
    for (const Case& c : cases) {
        if (QString(c.opener) == "imgasli") {
            // The main-page button's active picture covers it on the main page.
            if (!control("imgAsli")->isHidden()) {
                press("imgDast");
            }
        }
        press(c.opener);
        moveOverBackground(); // puts the bar buttons' hover pictures back
        EXPECT_EQ(visibleControls(), c.visible) << "after " << c.opener;
    }
}

TEST_F(ShellTest, TheHeaderPutsBackOnlyTheMinimiseButtonOfTheBar) {
    start();
    moveOver("imgMin1");
    moveOver("imgExit1");
    moveOver("imgTrooz1");
    moveOver("imgHeader");
    EXPECT_FALSE(control("imgMin1")->isHidden());
    EXPECT_TRUE(control("imgMin2")->isHidden());
    EXPECT_FALSE(control("imgExit2")->isHidden()) << "the exit button stays in hover";
    EXPECT_FALSE(control("imgTrooz1")->isHidden()) << "main-page buttons are put back on page 1";
    moveOverBackground();
    EXPECT_FALSE(control("imgExit1")->isHidden());
    EXPECT_TRUE(control("imgExit2")->isHidden());
}

TEST(HoverRules, RuleBLeavesAHiddenNormalPictureAloneRuleAShowsIt) {
    QWidget surface;
    HoverButtons hover;
    hover.addTab(&surface, "tab", "g", "tab");
    hover.addTab(&surface, "other", "g", "other");
    hover.place("tab", 0, 0);
    HoverButtons::Button* tab = hover.find("tab");
    // Selected: the normal picture hidden under the selected one.
    tab->normal->hide();
    hover.select("tab", true);
    hover.reset("tab", HoverButtons::Rule::B);
    EXPECT_TRUE(tab->normal->isHidden());
    hover.reset("tab", HoverButtons::Rule::A);
    EXPECT_FALSE(tab->normal->isHidden());
    // Moving onto one tab puts back the hover picture of the others.
    hover.place("other", 0, 0);
    emit hover.find("other")->normal->mouseMoved();
    EXPECT_FALSE(hover.find("other")->hover->isHidden());
    emit tab->normal->mouseMoved();
    EXPECT_TRUE(hover.find("other")->hover->isHidden());
    EXPECT_FALSE(hover.find("other")->normal->isHidden());
}

TEST_F(ShellTest, LeavingTheSettingsPageByABarButtonRestoresTheStoredOpacity) {
    settings->setValue("alpha", "200");
    start();
    EXPECT_NEAR(opacity(), 200 / 255.0, 0.01);
    press("imgSetting");
    auto* glass = control<QCheckBox>("chAlpha");
    auto* slider = control<QScrollBar>("h_s_alpha");
    EXPECT_TRUE(glass->isChecked());
    EXPECT_TRUE(slider->isEnabled());
    EXPECT_EQ(slider->value(), 200);
    slider->setValue(185);
    EXPECT_NEAR(opacity(), 185 / 255.0, 0.01) << "a live preview";
    press("imgDast");
    EXPECT_NEAR(opacity(), 200 / 255.0, 0.01);
    EXPECT_EQ(settings->value("alpha"), "200");
}

TEST_F(ShellTest, FirstStartAndStoredValuesThatAreNotNumbers) {
    for (const char* stored : {"", "abc", "999", "-5", "0"}) {
        SCOPED_TRACE(stored);
        if (*stored) {
            settings->setValue("alpha", stored);
        }
        settings->setValue("rang_neveshteh", stored);
        start();
        EXPECT_DOUBLE_EQ(opacity(), 1.0);
        EXPECT_FALSE(window->isOnTop());
        press("imgSetting");
        EXPECT_FALSE(control<QCheckBox>("chAlpha")->isChecked());
        EXPECT_FALSE(control<QScrollBar>("h_s_alpha")->isEnabled());
        EXPECT_EQ(control<QScrollBar>("h_s_alpha")->value(), 255);
        click("cmdSave_Setting");
        EXPECT_EQ(settings->value("alpha"), "255");
        EXPECT_EQ(settings->value("on_top"), "0");
        EXPECT_EQ(settings->value("sound"), "0");
        window.reset();
        SetUp();
    }
}

TEST_F(ShellTest, SavingStoresTheKeysAndReturnsToTheMainPage) {
    settings->setValue("on_top", "1");
    settings->setValue("rang_neveshteh", "255"); // red
    start();
    EXPECT_TRUE(window->isOnTop());
    EXPECT_EQ(window->txtPost()->palette().color(QPalette::Text), QColor(255, 0, 0));
    press("imgSetting");
    EXPECT_TRUE(control<QCheckBox>("chOnTop")->isChecked());
    control<QCheckBox>("chOnTop")->setChecked(false);
    control<QCheckBox>("chSound")->setChecked(true);
    click("chAlpha");
    control<QScrollBar>("h_s_alpha")->setValue(190);
    // The first choice stays when the second dialog is cancelled.
    colors->answers = {65280, -1};
    click("cmdRang_neveshteh");
    click("cmdRang_neveshteh");
    click("cmdSave_Setting");
    EXPECT_EQ(settings->value("alpha"), "190");
    EXPECT_EQ(settings->value("on_top"), "0");
    EXPECT_EQ(settings->value("sound"), "1");
    EXPECT_EQ(settings->value("rang_neveshteh"), "65280");
    EXPECT_FALSE(window->isOnTop());
    EXPECT_EQ(window->txtPost()->palette().color(QPalette::Text), QColor(0, 255, 0));
    EXPECT_EQ(window->pageTag(), "1");
    EXPECT_NEAR(opacity(), 190 / 255.0, 0.01);
}

TEST_F(ShellTest, UncheckingTheGlassMakesTheWindowOpaqueAtOnce) {
    settings->setValue("alpha", "190");
    start();
    press("imgSetting");
    click("chAlpha");
    EXPECT_DOUBLE_EQ(opacity(), 1.0);
    EXPECT_FALSE(control<QScrollBar>("h_s_alpha")->isEnabled());
    click("cmdSave_Setting");
    EXPECT_EQ(settings->value("alpha"), "255");
}

TEST_F(ShellTest, TipsWrapAroundAtBothEnds) {
    writeData("details.xml", tips("3", 3));
    start();
    EXPECT_EQ(text("lblTip"), "tip 1");
    QStringList forward;
    for (int i = 0; i < 3; ++i) {
        press("imgNext_tip");
        forward << text("lblTip");
    }
    EXPECT_EQ(forward, (QStringList{"tip 2", "tip 3", "tip 1"}));
    QStringList backward;
    for (int i = 0; i < 3; ++i) {
        press("imgBack_tip");
        backward << text("lblTip");
    }
    EXPECT_EQ(backward, (QStringList{"tip 3", "tip 2", "tip 1"}));

    // Leaving and coming back keeps the text but starts the position at 1.
    press("imgNext_tip");
    press("imgNext_tip");
    press("imgDast");
    press("imgasli");
    EXPECT_EQ(text("lblTip"), "tip 3");
    press("imgNext_tip");
    EXPECT_EQ(text("lblTip"), "tip 2");
}

TEST_F(ShellTest, ACountWithALeadingZeroNeverEqualsThePosition) {
    writeData("details.xml", tips("03", 3));
    start();
    QStringList seen;
    for (int i = 0; i < 4; ++i) {
        press("imgNext_tip");
        seen << text("lblTip");
    }
    EXPECT_EQ(seen, (QStringList{"tip 2", "tip 3", "", ""}));
}

TEST_F(ShellTest, TipButtonsWithoutATipFileChangeNothing) {
    start();
    press("imgNext_tip");
    press("imgBack_tip");
    EXPECT_EQ(text("lblTip"), "");
}

TEST_F(ShellTest, TheTickerMovesOneCharacterATickAndStopsOffTheAboutPage) {
    start();
    press("imgDast");
    const QString before = text("lblSource");
    EXPECT_EQ(window->findChild<QTimer*>("tmrScroll")->interval(), 250);
    tick(8); // two seconds
    EXPECT_EQ(text("lblSource"), before.mid(8) + before.left(8));
    press("imgasli");
    press("imgSetting");
    tick(1);
    EXPECT_FALSE(window->findChild<QTimer*>("tmrScroll")->isActive());
    EXPECT_EQ(text("lblSource"), before.mid(9) + before.left(9)) << "the last step still runs";
}

TEST_F(ShellTest, ClickSoundsFollowTheSettingReadAtEveryClick) {
    start();
    press("imgDast");
    press("imgasli");
    EXPECT_TRUE(sound->played.isEmpty()) << "no sound setting";
    settings->setValue("sound", "0");
    press("imgDast");
    EXPECT_TRUE(sound->played.isEmpty());
    press("imgasli");
    press("imgSetting");
    control<QCheckBox>("chSound")->setChecked(true);
    click("cmdSave_Setting"); // saving is silent, the main page it opens is not
    ASSERT_EQ(sound->played.size(), 1);
    EXPECT_EQ(sound->played.last(), dataDir.filePath("Sounds/click.wav"));
    press("imgDast");
    EXPECT_EQ(sound->played.last(), dataDir.filePath("Sounds/titr.wav"));
    press("imgasli");
    const qsizetype n = sound->played.size();
    press("imgNext_tip");
    EXPECT_EQ(sound->played.size(), n) << "the tip arrows are silent";
}

TEST_F(ShellTest, TheAboutLinksOpenThroughTheDesktop) {
    start();
    press("imgDast");
    click("lblSite");
    click("lblMail");
    ASSERT_EQ(urls->opened.size(), 2);
    EXPECT_EQ(urls->opened[0].scheme(), "https");
    EXPECT_EQ(urls->opened[1].scheme(), "mailto");
    EXPECT_TRUE(urls->opened[1].toString().endsWith("?subject=VEMO"));
}

TEST_F(ShellTest, StartAndCloseSwitchTheKeyboard) {
    start();
    EXPECT_EQ(keyboard->active, "00000429");
    window->close();
    EXPECT_EQ(keyboard->active, "00000409");
}

TEST(ResPicture, NamedPicturesComeAtTheirSizesWhateverTheCase) {
    cLoadResPicture loader;
    struct Case {
        QVariant id;
        QSize size;
    };
    const Case cases[] = {{2001, {496, 287}},    {"about", {496, 287}},
                          {"ABOUT", {496, 287}}, {"back_option", {496, 287}},
                          {"HTROOZ", {496, 36}}, {"htrooz", {496, 36}}};
    for (const Case& c : cases) {
        const QPixmap p = loader.LoadResPicture(c.id, "JPG");
        EXPECT_EQ(p.size(), c.size) << c.id.toString().toStdString();
    }
    EXPECT_EQ(loader.LoadResPicture(2001, "JPG").toImage(),
              loader.LoadResPicture(2001, "JPG").toImage());
}

TEST(ResPicture, AnUnknownNameRaisesAnErrorFromThePictureLoader) {
    cLoadResPicture loader;
    try {
        loader.LoadResPicture("no_such_picture", "JPG");
        FAIL() << "no error";
    } catch (const ResPictureError& e) {
        EXPECT_TRUE(e.source().endsWith(".cLoadResPicture")) << e.source().toStdString();
        EXPECT_EQ(e.source(), QCoreApplication::applicationName() + ".cLoadResPicture");
        EXPECT_FALSE(e.description().isEmpty());
    }
}

TEST_F(ShellTest, EscapeInTheReaderTextGoesBackOnlyOnTheReaderPage) {
    start();
    // The reader's back button, as the reader page will make it.
    auto* back = new ImageControl(window.get(), "imgPrevious2");
    int backs = 0;
    QObject::connect(back, &ImageControl::clicked, back, [&backs] { ++backs; });
    TextPost* post = window->txtPost();
    QTest::keyClick(post, Qt::Key_Escape);
    EXPECT_EQ(backs, 0) << "page tag " << window->pageTag().toStdString();
    window->setPageTag("2");
    QTest::keyClick(post, Qt::Key_Escape);
    EXPECT_EQ(backs, 1);
}
