#include "shell/ImageControl.h"

#include "shell/Units.h"

#include <QMouseEvent>

void placeAt(QWidget* w, double left, double top) {
    w->move(Units::x(left), Units::y(top));
}

void placeAt(QWidget* w, double left, double top, double width, double height) {
    w->setGeometry(Units::x(left), Units::y(top), Units::x(width), Units::y(height));
}

QPixmap formPicture(const QString& name) {
    return QPixmap(QStringLiteral(":/pictures/%1.png").arg(name));
}

ImageControl::ImageControl(QWidget* parent, const QString& name) : QLabel(parent) {
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
}

void ImageControl::setPicture(const QString& pictureName) {
    setPicture(formPicture(pictureName));
}

void ImageControl::setPicture(const QPixmap& pixmap) {
    setPixmap(pixmap);
    if (!pixmap.isNull()) {
        resize(pixmap.deviceIndependentSize().toSize());
    }
}

void ImageControl::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMoved();
    e->accept();
}

void ImageControl::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
    emit mousePressed(e->button());
    e->accept();
}

void ImageControl::mouseReleaseEvent(QMouseEvent* e) {
    const bool click =
        pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    e->accept();
    if (click) {
        emit clicked();
    }
}
