#pragma once

#include "calendar/DayEvents.h"
#include "calendar/Poem.h"

#include <QDate>

class ImageControl;
class Label;
class Shell;

// The today page: the shown day in the three calendars with its events and
// a poem, today's date with its weekday, and the arrows that step the shown
// day. Its first tab; the other two open the day-counter and the fortune
// book.
class TodayPage {
public:
    explicit TodayPage(Shell& shell);

    void imgTrooz2_Click();
    void imgTagvimRooz2_Click(); // also the selected tab's click
    void imgNext2_Click() { step(1); }
    void imgBack2_Click() { step(-1); }
    void imgSherChap2_Click();
    void imgSherRast2_Click();

    QDate shownDate() const { return shownDate_; }

private:
    void step(int days);
    void showDayTexts();
    void placeTabs();
    void resetOnBackground();
    void fitPoem();

    Shell& shell_;
    DayEvents events_;
    Poem poem_;
    QDate shownDate_; // the day the page shows; today when it opens
    ImageControl* imgBackTR_ = nullptr;
    Label* lblTarikh_ = nullptr;
    Label* lblShamsi_ = nullptr;
    Label* lblMiladi_ = nullptr;
    Label* lblHijri_ = nullptr;
    Label* lblRokhdad_ = nullptr;
    Label* lblSher_ = nullptr;
};
