#include "Fixture.h"

#include "calendar/CalendarNames.h"
#include "calendar/DayEvents.h"
#include "shell/TextPost.h"

#include <QLabel>

using namespace CalendarNames;

namespace {

const QByteArray kEvents = R"(<?xml version="1.0" encoding="utf-8"?>
<Rokhdad>
  <farvardin><far1><koli>S-far1</koli></far1></farvardin>
  <tir><tir1><koli>S-tir1</koli></tir1></tir>
  <mar><mar21><koli>G-mar21</koli></mar21></mar>
  <jun><jun15><koli>G-jun15</koli></jun15></jun>
  <safar><safar21><koli>L-safar21</koli></safar21></safar>
  <ramazan><ramazan20><koli>L-ramazan20</koli></ramazan20><ramazan21><koli>L-ramazan21</koli></ramazan21></ramazan>
</Rokhdad>)";

const QByteArray kDays = R"(<RoozShomar>
<jan05>Entry of 5 January</jan05>
<feb29>Entry of 29 February</feb29>
<mar21>1928 - first line
1953 - second line</mar21>
</RoozShomar>)";

QByteArray poems(const char* count, int n) {
    QByteArray x = "<purepoem><info><Tedad>" + QByteArray(count) + "</Tedad></info>";
    for (int i = 1; i <= n; ++i) {
        const QByteArray k = QByteArray::number(i);
        x += "<purepoem" + k + "><M1>p" + k +
             "-one</M1><M2>two</M2><M3>three</M3><M4>four</M4></purepoem" + k + ">";
    }
    return x + "</purepoem>";
}

QString poem(int n) {
    return QString("p%1one\n \ntwo\n \nthree\n \nfour").arg(n);
}

} // namespace

class CalendarPageTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        writeData("Rokhdadha.xml", kEvents);
        writeData("RoozShomar.xml", kDays);
        writeData("purepoem.xml", poems("3", 3));
    }
    // A picture button as a person uses it: over the normal picture (unless
    // its hover picture still shows), then a click on the hover picture.
    void press(const QString& base) {
        if (!control(base + "1")->isHidden()) {
            moveOver(base + "1");
        }
        click(base + "2");
    }
    void openToday(QDate date) {
        clock->date = date;
        start();
        press("imgTrooz");
    }
};

TEST_F(CalendarPageTest, TodayShowsTheDayInThreeCalendars) {
    openToday({2006, 3, 21});
    EXPECT_EQ(window->pageTag(), "6");
    EXPECT_EQ(text("lblTarikh"), "1 " + ShamsiMonthName(1));
    EXPECT_EQ(text("lblShamsi"), WeekdayName(3) + " 1 " + ShamsiMonthName(1) + " 1385");
    EXPECT_EQ(text("lblMiladi"), "21  " + MiladiMonthName(3) + "  2006");
    EXPECT_EQ(text("lblHijri"), "21  " + HijriMonthName(2) + "  1427");
    EXPECT_EQ(text("lblRokhdad"), "S-far1 L-safar21  G-mar21") << "solar, lunar, then Gregorian";

    press("imgBack");
    EXPECT_EQ(text("lblTarikh"), "29 " + ShamsiMonthName(12));
    EXPECT_EQ(text("lblMiladi"), "20  " + MiladiMonthName(3) + "  2006");
    EXPECT_EQ(text("lblHijri"), "20  " + HijriMonthName(2) + "  1427");
    EXPECT_EQ(text("lblShamsi"), WeekdayName(3) + " 1 " + ShamsiMonthName(1) + " 1385")
        << "today stays";
    EXPECT_EQ(text("lblRokhdad"), DayEvents::kNothingRecorded) << "not the previous day's events";
}

TEST_F(CalendarPageTest, StepsCarryAcrossMonthAndYearEnds) {
    struct Case {
        QDate today;
        int steps;
        QString miladi;
    };
    const Case cases[] = {
        {{2006, 12, 31}, 1, "1  " + MiladiMonthName(1) + "  2007"},
        {{2007, 1, 1}, -1, "31  " + MiladiMonthName(12) + "  2006"},
        {{2008, 2, 28}, 2, "1  " + MiladiMonthName(3) + "  2008"},
        {{2006, 3, 20}, 1, "21  " + MiladiMonthName(3) + "  2006"},
    };
    for (const Case& c : cases) {
        openToday(c.today);
        for (int i = 0; i < std::abs(c.steps); ++i) {
            press(c.steps > 0 ? "imgNext" : "imgBack");
        }
        EXPECT_EQ(text("lblMiladi"), c.miladi) << c.today.toString().toStdString();
        window.reset();
        SetUp();
    }
}

TEST_F(CalendarPageTest, OpeningAgainReturnsToToday) {
    openToday({2006, 3, 21});
    press("imgNext");
    press("imgNext");
    ASSERT_EQ(text("lblMiladi"), "23  " + MiladiMonthName(3) + "  2006");
    // The selected tab opens the page again too.
    click("imgTagvimRooz3");
    EXPECT_EQ(text("lblMiladi"), "21  " + MiladiMonthName(3) + "  2006");
    EXPECT_EQ(window->calendarMarker(), "taghvimrooz");
    press("imgNext");
    press("imgasli");
    press("imgTrooz");
    EXPECT_EQ(text("lblMiladi"), "21  " + MiladiMonthName(3) + "  2006");
}

TEST_F(CalendarPageTest, TheLunarDateIsThatOfTheCivilDay) {
    // 21 March 2025 is 21 Ramadan 1446, 1 Farvardin 1404.
    openToday({2025, 3, 21});
    EXPECT_EQ(text("lblHijri"), "21  " + HijriMonthName(9) + "  1446");
    EXPECT_EQ(text("lblRokhdad"), "S-far1 L-ramazan21  G-mar21");
    window.reset();
    SetUp();
    openToday({2026, 3, 21});
    EXPECT_EQ(text("lblTarikh"), "1 " + ShamsiMonthName(1));
    EXPECT_EQ(text("lblHijri"), "2  " + HijriMonthName(10) + "  1447");
}

TEST_F(CalendarPageTest, DayEventsOfOneCalendarAndOfNone) {
    openToday({2006, 6, 15}); // 25 Khordad 1385, 18 Jumada I 1427
    EXPECT_EQ(text("lblRokhdad"), "G-jun15") << "Gregorian text only, no leading spaces";
    press("imgNext");
    EXPECT_EQ(text("lblRokhdad"), DayEvents::kNothingRecorded);
    window.reset();
    SetUp();
    openToday({2006, 6, 22}); // 1 Tir: the key itself has three letters
    EXPECT_EQ(text("lblRokhdad"), "S-tir1");
    moveOver("lblRokhdad");
    EXPECT_EQ(control<QLabel>("lblRokhdad")->toolTip(), "S-tir1");
}

TEST_F(CalendarPageTest, FarFromTodayNothingBreaks) {
    // Two days back and one forward; before 21 March 1953 there is no
    // solar-hijri date to show.
    struct Case {
        QDate today;
        bool solarDate;
    };
    const Case cases[] = {
        {{1, 1, 2}, false}, {{1953, 3, 21}, false}, {{1953, 3, 23}, true}, {{9999, 12, 30}, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.today.toString().toStdString());
        openToday(c.today);
        press("imgBack");
        press("imgBack");
        press("imgNext");
        EXPECT_EQ(text("lblTarikh").isEmpty(), !c.solarDate);
        EXPECT_FALSE(text("lblMiladi").isEmpty());
        window.reset();
        SetUp();
    }
}

TEST_F(CalendarPageTest, PoemArrowsStepByNumberAndWrapAround) {
    openToday({2006, 3, 21});
    // The draws keep 1..N in order, so the first poem is number 1.
    EXPECT_EQ(text("lblSher"), poem(1)) << "hyphens removed, a line of one space between lines";
    press("imgSherRast");
    EXPECT_EQ(text("lblSher"), poem(3));
    press("imgSherChap");
    EXPECT_EQ(text("lblSher"), poem(1));
    press("imgSherChap");
    press("imgSherChap");
    EXPECT_EQ(text("lblSher"), poem(3));
    press("imgSherChap");
    EXPECT_EQ(text("lblSher"), poem(1));
}

TEST_F(CalendarPageTest, ThePoemCountDecidesWhatTheArrowsCanDo) {
    struct Case {
        const char* count;
        int poems;
        QString shown;
    };
    const Case cases[] = {{"1", 1, poem(1)}, {"", 2, ""}, {"abc", 2, ""}, {"0", 2, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        writeData("purepoem.xml", poems(c.count, c.poems));
        openToday({2006, 3, 21});
        EXPECT_EQ(text("lblSher"), c.shown);
        press("imgSherChap");
        EXPECT_EQ(text("lblSher"), c.shown);
        press("imgSherRast");
        EXPECT_EQ(text("lblSher"), c.shown);
        window.reset();
        SetUp();
    }
}

TEST_F(CalendarPageTest, TheDayCounterShowsTodaysEntry) {
    struct Case {
        QDate today;
        QString entry;
    };
    const Case cases[] = {{{2007, 1, 5}, "Entry of 5 January"},
                          {{2008, 2, 29}, "Entry of 29 February"},
                          {{2006, 3, 21}, "1928 - first line\n1953 - second line"},
                          {{2006, 3, 22}, ""}};
    for (const Case& c : cases) {
        openToday(c.today);
        press("imgNext"); // the today page stepped: the counter still shows today
        press("imgRoozShomarPezeshki");
        EXPECT_EQ(window->pageTag(), "9");
        EXPECT_EQ(window->calendarMarker(), "roozshomarpezeshki");
        EXPECT_EQ(window->txtPost()->toPlainText(), c.entry) << c.today.toString().toStdString();
        window.reset();
        SetUp();
    }
}

TEST_F(CalendarPageTest, TheDayCounterTitleHasBothDates) {
    openToday({2006, 3, 21});
    press("imgRoozShomarPezeshki");
    EXPECT_EQ(text("lblTarikhRoozShomar"),
              "1 " + ShamsiMonthName(1) + QString(90, ' ') + "21  " + MiladiMonthName(3));
    window.reset();
    SetUp();
    openToday({2007, 1, 5});
    press("imgRoozShomarPezeshki");
    EXPECT_TRUE(text("lblTarikhRoozShomar").endsWith("05  " + MiladiMonthName(1)));
}

TEST_F(CalendarPageTest, SoundsOfTheCalendarPages) {
    settings->setValue("sound", "1");
    openToday({2006, 3, 21});
    EXPECT_EQ(sound->played.last(), dataDir.filePath("Sounds/click.wav"));
    const qsizetype n = sound->played.size();
    press("imgNext");
    press("imgSherChap");
    EXPECT_EQ(sound->played.size(), n) << "the arrows are silent";
    press("imgRoozShomarPezeshki");
    EXPECT_EQ(sound->played.last(), dataDir.filePath("Sounds/mouse.wav"));
}
