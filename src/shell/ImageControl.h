#pragma once

#include <QLabel>
#include <QString>

// A picture on the window that reports mouse moves, presses and clicks, and
// takes the size of the picture put into it.
class ImageControl : public QLabel {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent, const QString& name);

    // A form picture by name (":/pictures/<name>.png").
    void setPicture(const QString& pictureName);
    void setPicture(const QPixmap& pixmap);

    // Programmatic click, as if the user had clicked the control.
    void click() { emit clicked(); }

signals:
    void clicked();
    void mouseMoved();
    void mousePressed(Qt::MouseButton button);

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool pressed_ = false;
};

QPixmap formPicture(const QString& name);
