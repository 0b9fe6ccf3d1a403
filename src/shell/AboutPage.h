#pragma once

#include <QString>

class Label;
class QPushButton;
class QTimer;
class Shell;

// The about page: the web address, the mail address, the button to the page
// about the fortune book, and the line of sources that scrolls like a ticker.
class AboutPage {
public:
    explicit AboutPage(Shell& shell);

    void imgDast2_Click();
    void lblSite_Click();
    void lblMail_Click();
    // One step of the ticker, every 250 ms while the timer runs.
    void tmrScroll_Timer();

    // Start-up places a few labels that other pages show.
    void placeSharedLabels();

    QTimer* timer() const { return tmrScroll_; }
    QPushButton* aboutFortuneButton() const { return cmdAbout_fal_; }

    static const QString kSite;
    static const QString kMail;

private:
    Shell& shell_;
    Label* lblSite_ = nullptr;
    Label* lblMail_ = nullptr;
    Label* lblSource_ = nullptr;
    QPushButton* cmdAbout_fal_ = nullptr;
    QTimer* tmrScroll_ = nullptr;
};

// The text with its first character moved to its end.
QString ScrollText(QString& text);
