#include "shell/TextPost.h"

#include "data/SettingsStore.h"

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

namespace {
void setRole(QWidget* w, QPalette::ColorRole role, const QString& stored) {
    const long long colour = StoredSetting::colour(stored);
    if (colour < 0) {
        return;
    }
    QPalette p = w->palette();
    p.setColor(role, colourFromStored(colour));
    w->setPalette(p);
}
} // namespace

void TextPost::setTextColour(const QString& stored) {
    setRole(this, QPalette::Text, stored);
}

void TextPost::setBackgroundColour(const QString& stored) {
    setRole(this, QPalette::Base, stored);
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
