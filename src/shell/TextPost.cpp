#include "shell/TextPost.h"

#include <QKeyEvent>
#include <QMouseEvent>

QColor colourFromStored(long long colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

TextPost::TextPost(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("txtPost"));
    setReadOnly(true);
    setLayoutDirection(Qt::RightToLeft);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setFrameShape(QFrame::NoFrame);
    document()->setDocumentMargin(8);
    QTextOption option = document()->defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    option.setAlignment(Qt::AlignRight);
    document()->setDefaultTextOption(option);
    hide();
}

void TextPost::setTextColour(long long colour) {
    QPalette p = palette();
    p.setColor(QPalette::Text, colourFromStored(colour));
    setPalette(p);
}

void TextPost::setBackgroundColour(long long colour) {
    QPalette p = palette();
    p.setColor(QPalette::Base, colourFromStored(colour));
    setPalette(p);
}

void TextPost::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        emit escapePressed();
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void TextPost::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMoved();
    QPlainTextEdit::mouseMoveEvent(e);
}
