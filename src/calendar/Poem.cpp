#include "calendar/Poem.h"

#include "data/ShuffledOrder.h"
#include "data/XmlStore.h"

QString Poem::layout(const QString& m1, const QString& m2, const QString& m3, const QString& m4) {
    const QString between = QStringLiteral("\n \n");
    const auto clean = [](QString s) { return s.remove(QLatin1Char('-')); };
    return clean(m1) + between + clean(m2) + between + clean(m3) + between + clean(m4);
}

QString Poem::poemText(const QString& number) {
    const QString prefix = QStringLiteral("/purepoem/purepoem") + number + QStringLiteral("/M");
    return layout(
        xml_.GetXmlText(prefix + QLatin1Char('1')), xml_.GetXmlText(prefix + QLatin1Char('2')),
        xml_.GetXmlText(prefix + QLatin1Char('3')), xml_.GetXmlText(prefix + QLatin1Char('4')));
}

QString Poem::Sher() {
    xml_.OpenXmlDoc(file_, 0);
    order_.txtNumItems = xml_.GetXmlText(QStringLiteral("/purepoem/info/Tedad"));
    // A count that is missing or not a number leaves an empty list and an
    // empty poem.
    order_.Shuffle(CountFromText(order_.txtNumItems));
    order_.txtRnd = order_.currentText();
    if (order_.txtRnd.isEmpty()) {
        return {};
    }
    return poemText(order_.txtRnd);
}

QString Poem::next() {
    xml_.OpenXmlDoc(file_, 0);
    const QString current = order_.currentText();
    if (current.isEmpty()) {
        return {};
    }
    if (current == order_.txtNumItems) {
        order_.selectText(QStringLiteral("1"));
        return poemText(QStringLiteral("1"));
    }
    const QString n = QString::number(current.toInt() + 1);
    order_.selectText(n);
    return poemText(n);
}

QString Poem::previous() {
    xml_.OpenXmlDoc(file_, 0);
    const QString current = order_.currentText();
    if (current.isEmpty()) {
        return {};
    }
    if (current.toInt() == 1) {
        order_.selectText(order_.txtNumItems);
        return poemText(order_.txtNumItems);
    }
    const QString n = QString::number(current.toInt() - 1);
    order_.selectText(n);
    return poemText(n);
}
