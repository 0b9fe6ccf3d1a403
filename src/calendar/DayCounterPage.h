#pragma once

class ImageControl;
class Label;
class Shell;

// The medical day-counter, the second calendar tab: today's entry of
// RoozShomar.xml in the reader's text box under a title line with today's
// solar-hijri and Gregorian dates. It always shows today.
class DayCounterPage {
public:
    explicit DayCounterPage(Shell& shell);

    void imgRoozShomarPezeshki2_Click();

private:
    Shell& shell_;
    ImageControl* imgTopRoozShomar_ = nullptr;
    Label* lblTarikhRoozShomar_ = nullptr;
};
