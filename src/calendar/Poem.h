#pragma once

#include <QString>

class ShuffledOrder;
class XmlStore;

// The poem of the day from purepoem.xml: a random first poem, then the
// arrows step by number with wrap-around. The number shown is the current
// entry of the shared shuffled list.
class Poem {
public:
    Poem(XmlStore& xml, ShuffledOrder& order, QString file)
        : xml_(xml), order_(order), file_(std::move(file)) {}

    // Draws a random poem; returns its text.
    QString Sher();
    QString next();
    QString previous();

    // The four half-lines, hyphens removed, with a line holding one space
    // between each two.
    static QString layout(const QString& m1, const QString& m2, const QString& m3,
                          const QString& m4);

private:
    QString poemText(const QString& number);

    XmlStore& xml_;
    ShuffledOrder& order_;
    QString file_;
};
