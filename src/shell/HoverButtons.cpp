#include "shell/HoverButtons.h"

#include "shell/ImageControl.h"
#include "shell/Units.h"

namespace {

ImageControl* makeImage(QWidget* parent, const QString& name, const QString& accessibleName,
                        bool hand) {
    auto* img = new ImageControl(parent, name);
    img->setPicture(name);
    img->setAccessibleName(accessibleName);
    if (hand) {
        img->setCursor(Qt::PointingHandCursor);
    }
    return img;
}

} // namespace

HoverButtons::Button& HoverButtons::add(QWidget* parent, const QString& base,
                                        const QString& accessibleName, bool hand1, bool hand2,
                                        bool tab) {
    auto button = std::make_unique<Button>();
    Button* b = button.get();
    b->base = base;
    b->normal = makeImage(parent, base + QLatin1Char('1'), accessibleName, hand1);
    b->hover = makeImage(parent, base + QLatin1Char('2'), accessibleName, hand2);
    if (tab) {
        b->selected = makeImage(parent, base + QLatin1Char('3'), accessibleName, hand2);
    }
    QObject::connect(b->normal, &ImageControl::mouseMoved, b->normal, [this, b] {
        b->normal->hide();
        b->hover->show();
        if (!b->group.isEmpty()) {
            resetGroup(b->group, b);
        }
    });
    if (tab) {
        QObject::connect(b->selected, &ImageControl::mouseMoved, b->selected,
                         [this, b] { resetGroup(b->group, nullptr); });
    }
    byBase_.insert(base, b);
    buttons_.push_back(std::move(button));
    return *b;
}

HoverButtons::Button& HoverButtons::addPair(QWidget* parent, const QString& base,
                                            const QString& accessibleName, bool hand1, bool hand2) {
    return add(parent, base, accessibleName, hand1, hand2, false);
}

HoverButtons::Button& HoverButtons::addTab(QWidget* parent, const QString& base,
                                           const QString& group, const QString& accessibleName,
                                           bool hand) {
    Button& b = add(parent, base, accessibleName, hand, hand, true);
    b.group = group;
    return b;
}

void HoverButtons::onClick(const QString& base, std::function<void()> action) {
    Button* b = find(base);
    if (!b) {
        return;
    }
    QObject::connect(b->hover, &ImageControl::clicked, b->hover, action);
    if (b->selected) {
        QObject::connect(b->selected, &ImageControl::clicked, b->selected, action);
    }
}

void HoverButtons::place(const QString& base, double left, double top) {
    Button* b = find(base);
    if (!b) {
        return;
    }
    for (ImageControl* img : {b->normal, b->hover, b->selected}) {
        if (img) {
            placeAt(img, left, top);
        }
    }
    b->hover->hide();
    if (b->selected) {
        b->selected->hide();
    }
    b->normal->show();
}

void HoverButtons::select(const QString& base, bool selected) {
    Button* b = find(base);
    if (!b || !b->selected) {
        return;
    }
    b->selected->setVisible(selected);
    if (selected) {
        b->selected->raise();
    } else {
        b->normal->show();
    }
}

void HoverButtons::reset(const QString& base, Rule rule) {
    Button* b = find(base);
    if (!b) {
        return;
    }
    const bool apply = rule == Rule::A ? b->normal->isHidden() : !b->hover->isHidden();
    if (apply) {
        b->hover->hide();
        b->normal->show();
    }
}

void HoverButtons::reset(const Resets& resets) {
    for (const auto& [base, rule] : resets) {
        reset(QString::fromLatin1(base), rule);
    }
}

void HoverButtons::resetGroup(const QString& group, const Button* except) {
    for (const auto& b : buttons_) {
        if (b.get() != except && b->group == group) {
            reset(b->base, Rule::B);
        }
    }
}

HoverButtons::Button* HoverButtons::find(const QString& base) {
    return byBase_.value(base, nullptr);
}
