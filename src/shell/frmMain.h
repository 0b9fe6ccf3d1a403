#pragma once

#include "data/ShuffledOrder.h"
#include "data/XmlStore.h"
#include "shell/HoverButtons.h"
#include "shell/Services.h"
#include "shell/Shell.h"

#include <QHash>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <memory>

class ImageControl;
class MainPage;
class AboutPage;
class SettingsPage;
class TodayPage;
class DayCounterPage;

// The program's one window: 516 x 463 pixels, no system frame, moved by its
// background. It owns the shared controls (bar buttons, header, reader text
// box) and the pages, and switches between pages.
class frmMain final : public QWidget, public Shell {
    Q_OBJECT
public:
    explicit frmMain(Services services);
    ~frmMain() override;

    // Start-up: settings, main page, keyboard, first tip. Call once, after
    // the single-instance check and before showing the window.
    void Form_Load();

    // Shell
    QWidget* surface() override { return this; }
    void Makhfy() override;
    QString pageTag() const override { return pageTag_; }
    void setPageTag(const QString& tag) override { pageTag_ = tag; }
    QString calendarMarker() const override { return calendarMarker_; }
    void setCalendarMarker(const QString& marker) override { calendarMarker_ = marker; }
    void showHeader(const QVariant& resource) override;
    void playClick(const QString& file) override;
    bool beginBarPage() override;
    void endBarPage(bool updateWasShowing) override;
    void openMainPage() override;
    void alpha(int value) override;
    void PutWindowOnTop() override;
    void PutWindowNotOnTop() override;
    bool isOnTop() const;
    void openUrl(const QUrl& url) override { services_.urls->open(url); }
    QString dataPath(const QString& relative) const override;
    XmlStore& xml() override { return xml_; }
    SettingsStore& settings() override { return *services_.settings; }
    ShuffledOrder& shuffle() override { return shuffle_; }
    Clock& clock() override { return *services_.clock; }
    HoverButtons& hover() override { return hover_; }
    TextPost* txtPost() override { return txtPost_; }

    // Applies the stored settings: always on top, reader colours, opacity.
    void Setting();

    // The update page plugs in here: whether it shows, and how to cancel it.
    void setUpdateHooks(std::function<bool()> showing, std::function<void()> cancel);

    ColorChooser& colors() { return *services_.colors; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void childEvent(QChildEvent* e) override;

private:
    void buildBarButtons();
    void resetOnBackground();
    void resetOnHeader();
    bool onBackground(const QPoint& pos) const;
    void setOnTop(bool onTop);

    Services services_;
    XmlStore xml_;
    ShuffledOrder shuffle_;
    HoverButtons hover_;
    QString pageTag_;
    QString calendarMarker_;
    QPixmap background_;
    ImageControl* imgHeader_ = nullptr;
    ImageControl* imgAsli_ = nullptr;
    TextPost* txtPost_ = nullptr;

    std::unique_ptr<MainPage> main_;
    std::unique_ptr<TodayPage> today_;
    std::unique_ptr<DayCounterPage> dayCounter_;
    std::unique_ptr<AboutPage> about_;
    std::unique_ptr<SettingsPage> settingsPage_;

    std::function<bool()> updateShowing_;
    std::function<void()> cancelUpdate_;

    QHash<QString, QWidget*> controls_;
    bool controlsDirty_ = true;

    // Moving by hand where the window system does not move the window.
    bool manualMove_ = false;
    QPoint moveOffset_;
};
