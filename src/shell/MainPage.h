#pragma once

#include <QString>

class Label;
class Shell;

// The main page: the three wide buttons (today, occasions, tests), the
// settings button and the tip of the day with its two arrows.
class MainPage {
public:
    explicit MainPage(Shell& shell);

    // Places and shows the page's controls and reads the tip count; the
    // header, the page tag and the sound belong to the main-page button.
    void show();
    // Start-up: the first tip.
    void showFirstTip();

    void imgNext_tip2_Click();
    void imgBack_tip2_Click();

    // The tip position and count as the page keeps them (texts).
    QString tipPosition() const { return tipPosition_; }
    QString tipCount() const { return tipCount_; }

private:
    QString tipPath(const QString& number) const;
    bool tipCountIsANumber() const;

    Shell& shell_;
    Label* lblTip_ = nullptr;
    QString tipPosition_;
    QString tipCount_;
};
