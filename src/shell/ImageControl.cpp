#include "shell/ImageControl.h"

#include "shell/Units.h"

void placeAt(QWidget* w, double left, double top) {
    w->move(Units::x(left), Units::y(top));
}

void placeAt(QWidget* w, double left, double top, double width, double height) {
    w->setGeometry(Units::x(left), Units::y(top), Units::x(width), Units::y(height));
}

QPixmap formPicture(const QString& name) {
    return QPixmap(QStringLiteral(":/pictures/%1.png").arg(name));
}

ImageControl::ImageControl(QWidget* parent, const QString& name) : Label(parent, name) {}

void ImageControl::setPicture(const QString& pictureName) {
    setPicture(formPicture(pictureName));
}

void ImageControl::setPicture(const QPixmap& pixmap) {
    setPixmap(pixmap);
    if (!pixmap.isNull()) {
        resize(pixmap.deviceIndependentSize().toSize());
    }
}
