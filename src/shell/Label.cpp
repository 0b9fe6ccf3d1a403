#include "shell/Label.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>

Label::Label(QWidget* parent, const QString& name, const QString& caption)
    : QLabel(caption, parent) {
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
}

void Label::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMoved();
    e->accept();
}

void Label::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
    e->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* e) {
    const bool click =
        pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    e->accept();
    if (click) {
        emit clicked();
    }
}

void Label::paintEvent(QPaintEvent* e) {
    if (!elide_) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    const QFontMetricsF metrics(font());
    QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WordWrap);
    option.setTextDirection(layoutDirection());
    QString caption = text();
    caption.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(caption, font());
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    int elideFrom = -1;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        const bool more = line.textStart() + line.textLength() < caption.size();
        if (more && y + 2 * metrics.lineSpacing() > area.height()) {
            elideFrom = line.textStart();
            line.setLineWidth(0); // laid out but drawn below, elided
            line.setPosition(QPointF(0, -10000));
            break;
        }
        line.setPosition(QPointF(0, y));
        y += metrics.lineSpacing();
    }
    layout.endLayout();
    layout.draw(&painter, area.topLeft());
    if (elideFrom >= 0) {
        const QString rest = metrics.elidedText(
            caption.mid(elideFrom).replace(QChar::LineSeparator, QLatin1Char(' ')), Qt::ElideRight,
            area.width());
        painter.setLayoutDirection(layoutDirection());
        painter.drawText(QRectF(area.left(), area.top() + y, area.width(), metrics.lineSpacing()),
                         static_cast<int>(alignment() & Qt::AlignHorizontal_Mask), rest);
    }
}
