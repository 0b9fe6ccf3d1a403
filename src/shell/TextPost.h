#pragma once

#include <QPlainTextEdit>

// The large read-only text box of the reader page, also used by the
// medical day-counter. It reports Escape and mouse moves to the window.
class TextPost : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextPost(QWidget* parent);

    // Colours as stored: red + 256 * green + 65536 * blue, as decimal
    // text. A text that is not a colour changes nothing.
    void setTextColour(const QString& stored);
    void setBackgroundColour(const QString& stored);

signals:
    void escapePressed();
    void mouseMoved();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
};

QColor colourFromStored(long long colour);
