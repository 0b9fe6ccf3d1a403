#include "shell/ImageControl.h"

#include "shell/Units.h"

#include <QImageReader>

#include <utility>

void placeAt(QWidget* w, double left, double top) {
    w->move(Units::x(left), Units::y(top));
}

void placeAt(QWidget* w, double left, double top, double width, double height) {
    w->setGeometry(Units::x(left), Units::y(top), Units::x(width), Units::y(height));
}

QString formPicturePath(const QString& name) {
    return QStringLiteral(":/pictures/%1.png").arg(name);
}

QPixmap formPicture(const QString& name) {
    return QPixmap(formPicturePath(name));
}

ImageControl::ImageControl(QWidget* parent, const QString& name) : Label(parent, name) {}

void ImageControl::setPicture(const QString& pictureName) {
    const QString path = formPicturePath(pictureName);
    const QSize size = QImageReader(path).size();
    if (!size.isValid()) {
        return;
    }
    resize(size);
    pending_ = path;
    if (!isHidden()) {
        setPicture(QPixmap(std::exchange(pending_, QString())));
    }
}

void ImageControl::showEvent(QShowEvent* e) {
    if (!pending_.isEmpty()) {
        setPicture(QPixmap(std::exchange(pending_, QString())));
    }
    Label::showEvent(e);
}

void ImageControl::setPicture(const QPixmap& pixmap) {
    pending_.clear();
    setPixmap(pixmap);
    if (!pixmap.isNull()) {
        resize(pixmap.deviceIndependentSize().toSize());
    }
}
