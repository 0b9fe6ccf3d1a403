#pragma once

#include "shell/Label.h"

#include <QString>

// A picture on the window that reports mouse moves and clicks like a label,
// and takes the size of the picture put into it.
class ImageControl : public Label {
    Q_OBJECT
public:
    ImageControl(QWidget* parent, const QString& name);

    // A form picture by name (":/pictures/<name>.png").
    void setPicture(const QString& pictureName);
    void setPicture(const QPixmap& pixmap);

    // As if the user had clicked the control.
    void click() { emit clicked(); }

protected:
    void showEvent(QShowEvent* e) override;

private:
    // A form picture is decoded when the control is first shown; until then
    // only its size is known, read from the file's header.
    QString pending_;
};

// The program's form pictures: ":/pictures/<name>.png".
QString formPicturePath(const QString& name);
QPixmap formPicture(const QString& name);
