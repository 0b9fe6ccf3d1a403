#pragma once

#include <QLabel>

// A label of the window that reports mouse moves and clicks: the hot
// labels act as buttons, others reset the hover pictures around them.
class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget* parent, const QString& name, const QString& caption = QString());

    // Text longer than the label shows what fits and ends in an ellipsis;
    // the caption itself stays whole.
    void setElideToFit(bool on) {
        elide_ = on;
        update();
    }

signals:
    void clicked();
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool pressed_ = false;
    bool elide_ = false;
};
