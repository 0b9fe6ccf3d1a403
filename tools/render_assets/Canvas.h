#pragma once

// Draws the expanded operations of a picture onto an image of its exact size.
//
// Operations ("op"):
//   rect     rect [x,y,w,h], radius (n or [tl,tr,br,bl]), fill, stroke, width
//   ellipse  rect, fill, stroke, width
//   path     d (SVG path data) or points [[x,y],...] with closed; fill, stroke,
//            width, cap (round|flat|square), join (round|miter|bevel),
//            at [dx,dy] and scale, applied to the path's own coordinates
//   svg      file (relative to the sources folder), rect, color (replaces
//            currentColor in the file)
//   text     text, rect, size (pixels), bold, color, align (right|center|left),
//            valign (top|center|bottom), wrap, lineHeight (factor), font
//   group    ops, clip {rect, radius}: drawn as one layer, so opacity and
//            shadow apply to the whole, and clipped to the shape when given
//   picture  file [x,y]: an already rendered picture (previews only)
// Every operation may carry opacity (0..1) and shadow {color, blur, offset}.
// Strokes lie inside the shape's rectangle, so a 1-pixel border at integer
// coordinates is crisp. Paints are colours or gradients whose coordinates are
// fractions of the shape's bounds.
//
// Text is laid out by Qt's text engine, right to left by default, so Persian
// is shaped and ordered; a text that does not fit its rectangle, runs past the
// picture's edge, or needs a glyph the font lacks is an error.

#include "Manifest.h"

#include <QHash>
#include <QImage>
#include <QJsonObject>
#include <QPainter>
#include <QString>

class Canvas {
public:
    Canvas(const Manifest& manifest, QString sourceDir, QString defaultFont);

    // Draws the picture; `rendered` holds the pictures drawn so far, by
    // file, for the "picture" operation of previews.
    QImage render(const Picture& picture, const QHash<QString, QImage>& rendered) const;

private:
    struct Context {
        QSize size;
        QString where;
        const QHash<QString, QImage>* rendered;
    };

    void drawOps(QPainter& p, const QJsonArray& ops, const Context& ctx) const;
    void drawOp(QPainter& p, const QJsonObject& op, const Context& ctx) const;
    void drawPlain(QPainter& p, const QJsonObject& op, const Context& ctx) const;
    void drawShape(QPainter& p, const QJsonObject& op, const Context& ctx) const;
    void drawPath(QPainter& p, const QJsonObject& op, const Context& ctx) const;
    void drawSvg(QPainter& p, const QJsonObject& op, const Context& ctx) const;
    void drawText(QPainter& p, const QJsonObject& op, const Context& ctx) const;
    void drawPicture(QPainter& p, const QJsonObject& op, const Context& ctx) const;
    void strokeAndFill(QPainter& p, const QPainterPath& fillPath, const QPainterPath& strokePath,
                       const QJsonObject& op, const QString& where) const;

    const Manifest& manifest_;
    QString sourceDir_;
    QString font_;
};

// Blurs an ARGB32_Premultiplied image in place (three box passes, close to a
// Gaussian of the given radius).
void blurImage(QImage& image, int radius);
