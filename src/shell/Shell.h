#pragma once

#include <QString>
#include <QUrl>
#include <QVariant>

class Clock;
class HoverButtons;
class QWidget;
class SettingsStore;
class ShuffledOrder;
class TextPost;
class XmlStore;

// What the pages share through the main window: the page switch, the page
// tag and the calendar marker, the header picture, sounds, settings and
// the data.
class Shell {
public:
    virtual ~Shell() = default;

    // The window surface on which every page places its controls.
    virtual QWidget* surface() = 0;

    // Hides the controls of every page.
    virtual void Makhfy() = 0;

    virtual QString pageTag() const = 0;
    virtual void setPageTag(const QString& tag) = 0;
    // "" after the bar pages; "taghvimrooz", "roozshomarpezeshki" or "Fal"
    // after the calendar tabs.
    virtual QString calendarMarker() const = 0;
    virtual void setCalendarMarker(const QString& marker) = 0;

    // Loads a "JPG" resource into the header and shows it; a page whose
    // header cannot be loaded goes on without one.
    virtual void showHeader(const QVariant& resource) = 0;

    // Plays Sounds/<file> when the sound setting is "1", read afresh.
    virtual void playClick(const QString& file) = 0;

    // The opening of the three bar pages: clear the calendar marker, note
    // whether the update page shows, hide every page...
    virtual bool beginBarPage() = 0;
    // ...and at the end restore the stored opacity and cancel the update.
    virtual void endBarPage(bool updateWasShowing) = 0;

    virtual void openMainPage() = 0;
    // Window opacity, 0..255.
    virtual void alpha(int value) = 0;
    virtual void PutWindowOnTop() = 0;
    virtual void PutWindowNotOnTop() = 0;

    // A web address or a mail link, through the desktop.
    virtual void openUrl(const QUrl& url) = 0;

    virtual QString dataPath(const QString& relative) const = 0;
    virtual XmlStore& xml() = 0;
    virtual SettingsStore& settings() = 0;
    virtual ShuffledOrder& shuffle() = 0;
    virtual Clock& clock() = 0;
    virtual HoverButtons& hover() = 0;
    virtual TextPost* txtPost() = 0;
};
