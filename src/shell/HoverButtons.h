#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

#include <functional>
#include <vector>

class ImageControl;
class QWidget;

// Picture buttons: two pictures at one place (normal 1, hover 2) or, for a
// tab, three (normal, hover, selected). Exactly one shows while the page
// shows the button. Moving over the normal picture swaps in the hover one;
// the surfaces around put it back by one of two rules.
class HoverButtons {
public:
    enum class Rule {
        A, // normal picture hidden: show it, hide the hover picture
        B, // hover picture shown: hide it, show the normal picture
    };
    using Resets = std::vector<std::pair<const char*, Rule>>;

    struct Button {
        QString base;
        ImageControl* normal = nullptr;
        ImageControl* hover = nullptr;
        ImageControl* selected = nullptr; // tabs only
        QString group;                    // tabs only
    };

    // Creates base1 and base2 on parent, with the pictures of those names.
    // hand1 / hand2: the hand cursor over the normal / hover picture.
    Button& addPair(QWidget* parent, const QString& base, const QString& accessibleName,
                    bool hand1 = true, bool hand2 = true);
    // Creates base1, base2 and base3; moving onto 1 or 3 puts back the hover
    // pictures of the group's tabs.
    Button& addTab(QWidget* parent, const QString& base, const QString& group,
                   const QString& accessibleName, bool hand = false);

    // The action of the hover picture (and of the selected one, for tabs).
    void onClick(const QString& base, std::function<void()> action);

    // Places every picture of the button at one spot and shows the normal one.
    void place(const QString& base, double left, double top);
    // Shows the selected picture of a tab, or takes it away and shows the
    // normal one.
    void select(const QString& base, bool selected);

    void reset(const QString& base, Rule rule);
    void reset(const Resets& resets);

    Button* find(const QString& base);

private:
    Button& add(QWidget* parent, const QString& base, const QString& accessibleName, bool hand1,
                bool hand2, bool tab);
    void resetGroup(const QString& group, const Button* except);

    std::vector<std::unique_ptr<Button>> buttons_;
    QHash<QString, Button*> byBase_;
};
