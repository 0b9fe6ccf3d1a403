#include "Canvas.h"

#include "PathData.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QJsonArray>
#include <QRawFont>
#include <QSvgRenderer>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace {

const QStringList kCommonKeys = {QStringLiteral("op"), QStringLiteral("opacity"),
                                 QStringLiteral("shadow")};

QStringList keys(std::initializer_list<const char*> own) {
    QStringList out = kCommonKeys;
    for (const char* k : own)
        out.append(QString::fromLatin1(k));
    return out;
}

double number(const QJsonObject& op, const char* key, double fallback, const QString& where) {
    const QJsonValue v = op.value(QLatin1String(key));
    if (v.isUndefined())
        return fallback;
    if (!v.isDouble())
        throw DrawError{where + QStringLiteral(": \"") + QLatin1String(key) +
                        QStringLiteral("\" must be a number")};
    return v.toDouble();
}

QRectF rectOf(const QJsonObject& op, const QString& where, const char* key = "rect") {
    const QJsonArray a = op.value(QLatin1String(key)).toArray();
    if (a.size() != 4 || !a[0].isDouble() || !a[1].isDouble() || !a[2].isDouble() ||
        !a[3].isDouble() || a[2].toDouble() <= 0 || a[3].toDouble() <= 0)
        throw DrawError{where + QStringLiteral(": \"") + QLatin1String(key) +
                        QStringLiteral("\" must be [x, y, width, height]")};
    return QRectF(a[0].toDouble(), a[1].toDouble(), a[2].toDouble(), a[3].toDouble());
}

QPointF pointOf(const QJsonValue& v, const QString& where) {
    const QJsonArray a = v.toArray();
    if (a.size() != 2 || !a[0].isDouble() || !a[1].isDouble())
        throw DrawError{where + QStringLiteral(": a point is [x, y]")};
    return QPointF(a[0].toDouble(), a[1].toDouble());
}

QPainterPath roundedRect(const QRectF& r, std::array<double, 4> radius) {
    // radius: top-left, top-right, bottom-right, bottom-left
    const double limit = std::min(r.width(), r.height()) / 2.0;
    for (double& x : radius)
        x = std::clamp(x, 0.0, limit);
    const auto [tl, tr, br, bl] = radius;
    QPainterPath path;
    path.moveTo(r.left() + tl, r.top());
    path.lineTo(r.right() - tr, r.top());
    if (tr > 0)
        path.arcTo(QRectF(r.right() - 2 * tr, r.top(), 2 * tr, 2 * tr), 90, -90);
    path.lineTo(r.right(), r.bottom() - br);
    if (br > 0)
        path.arcTo(QRectF(r.right() - 2 * br, r.bottom() - 2 * br, 2 * br, 2 * br), 0, -90);
    path.lineTo(r.left() + bl, r.bottom());
    if (bl > 0)
        path.arcTo(QRectF(r.left(), r.bottom() - 2 * bl, 2 * bl, 2 * bl), 270, -90);
    path.lineTo(r.left(), r.top() + tl);
    if (tl > 0)
        path.arcTo(QRectF(r.left(), r.top(), 2 * tl, 2 * tl), 180, -90);
    path.closeSubpath();
    return path;
}

std::array<double, 4> radiiOf(const QJsonObject& op, const QString& where) {
    const QJsonValue v = op.value(QStringLiteral("radius"));
    if (v.isUndefined())
        return {0, 0, 0, 0};
    if (v.isDouble())
        return {v.toDouble(), v.toDouble(), v.toDouble(), v.toDouble()};
    const QJsonArray a = v.toArray();
    if (a.size() != 4)
        throw DrawError{where + QStringLiteral(": \"radius\" is a number or "
                                               "[top-left, top-right, bottom-right, bottom-left]")};
    return {a[0].toDouble(), a[1].toDouble(), a[2].toDouble(), a[3].toDouble()};
}

// Smallest rectangle holding every pixel that is not fully transparent.
QRect inkBounds(const QImage& image) {
    int left = image.width();
    int right = -1;
    int top = image.height();
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QString codePoint(char32_t c) {
    return QStringLiteral("U+") +
           QStringLiteral("%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

void blurImage(QImage& image, int radius) {
    if (radius <= 0)
        return;
    Q_ASSERT(image.format() == QImage::Format_ARGB32_Premultiplied);
    const int w = image.width();
    const int h = image.height();
    const int box = std::max(1, radius / 2);
    std::vector<std::array<int, 4>> line(std::max(w, h));
    auto pass = [&](int count, auto&& get, auto&& set) {
        for (int i = 0; i < count; ++i)
            line[i] = {qAlpha(get(i)), qRed(get(i)), qGreen(get(i)), qBlue(get(i))};
        std::array<int, 4> sum{0, 0, 0, 0};
        for (int i = 0; i <= box && i < count; ++i)
            for (int c = 0; c < 4; ++c)
                sum[c] += line[i][c];
        const int span = 2 * box + 1;
        for (int i = 0; i < count; ++i) {
            set(i, qRgba(sum[1] / span, sum[2] / span, sum[3] / span, sum[0] / span));
            const int add = i + box + 1;
            const int drop = i - box;
            for (int c = 0; c < 4; ++c) {
                if (add < count)
                    sum[c] += line[add][c];
                if (drop >= 0)
                    sum[c] -= line[drop][c];
            }
        }
    };
    for (int round = 0; round < 3; ++round) {
        for (int y = 0; y < h; ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            pass(
                w, [&](int x) { return row[x]; }, [&](int x, QRgb v) { row[x] = v; });
        }
        for (int x = 0; x < w; ++x) {
            pass(
                h, [&](int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]; },
                [&](int y, QRgb v) { reinterpret_cast<QRgb*>(image.scanLine(y))[x] = v; });
        }
    }
}

Canvas::Canvas(const Manifest& manifest, QString sourceDir, QString defaultFont)
    : manifest_(manifest), sourceDir_(std::move(sourceDir)), font_(std::move(defaultFont)) {}

QImage Canvas::render(const Picture& picture, const QHash<QString, QImage>& rendered) const {
    QImage image(picture.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        drawOps(
            p, picture.ops,
            Context{picture.size, picture.table + QStringLiteral(": ") + picture.file, &rendered});
    }
    if (picture.flipHorizontal)
        image = image.mirrored(true, false);
    return image;
}

void Canvas::drawOps(QPainter& p, const QJsonArray& ops, const Context& ctx) const {
    for (qsizetype i = 0; i < ops.size(); ++i) {
        const QJsonObject op = ops[i].toObject();
        Context inner = ctx;
        inner.where = ctx.where + QStringLiteral(", op ") + QString::number(i + 1) +
                      QStringLiteral(" (") + op.value(QStringLiteral("op")).toString() + u')';
        drawOp(p, op, inner);
    }
}

void Canvas::drawOp(QPainter& p, const QJsonObject& op, const Context& ctx) const {
    const double opacity = number(op, "opacity", 1.0, ctx.where);
    const bool group = op.value(QStringLiteral("op")).toString() == QStringLiteral("group");
    const bool shadow = op.contains(QStringLiteral("shadow"));
    if (!group && !shadow && opacity >= 1.0) {
        drawPlain(p, op, ctx);
        return;
    }
    // Drawn apart on a layer of its own, then shadowed and blended.
    QImage layer(ctx.size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHints(p.renderHints());
        if (group) {
            checkKeys(op, keys({"ops", "clip"}), ctx.where);
            if (op.contains(QStringLiteral("clip"))) {
                // clip {rect, radius}: the group is drawn inside that shape only.
                const QJsonObject clip = op.value(QStringLiteral("clip")).toObject();
                const QString where = ctx.where + QStringLiteral(" clip");
                checkKeys(clip, {QStringLiteral("rect"), QStringLiteral("radius")}, where);
                lp.setClipPath(roundedRect(rectOf(clip, where), radiiOf(clip, where)));
            }
            drawOps(lp, op.value(QStringLiteral("ops")).toArray(), ctx);
        } else {
            drawPlain(lp, op, ctx);
        }
    }
    if (shadow) {
        const QJsonObject s = op.value(QStringLiteral("shadow")).toObject();
        const QString where = ctx.where + QStringLiteral(" shadow");
        checkKeys(s, {QStringLiteral("color"), QStringLiteral("blur"), QStringLiteral("offset")},
                  where);
        QImage shade = layer;
        {
            QPainter sp(&shade);
            sp.setCompositionMode(QPainter::CompositionMode_SourceIn);
            sp.fillRect(shade.rect(), manifest_.color(s.value(QStringLiteral("color")), where));
        }
        blurImage(shade, int(number(s, "blur", 3, where)));
        const QPointF offset = s.contains(QStringLiteral("offset"))
                                   ? pointOf(s.value(QStringLiteral("offset")), where)
                                   : QPointF(0, 1);
        p.save();
        p.setOpacity(p.opacity() * opacity);
        p.drawImage(offset, shade);
        p.restore();
    }
    p.save();
    p.setOpacity(p.opacity() * opacity);
    p.drawImage(0, 0, layer);
    p.restore();
}

void Canvas::drawPlain(QPainter& p, const QJsonObject& op, const Context& ctx) const {
    const QString kind = op.value(QStringLiteral("op")).toString();
    if (kind == QStringLiteral("rect") || kind == QStringLiteral("ellipse"))
        drawShape(p, op, ctx);
    else if (kind == QStringLiteral("path"))
        drawPath(p, op, ctx);
    else if (kind == QStringLiteral("svg"))
        drawSvg(p, op, ctx);
    else if (kind == QStringLiteral("text"))
        drawText(p, op, ctx);
    else if (kind == QStringLiteral("picture"))
        drawPicture(p, op, ctx);
    else
        throw DrawError{ctx.where + QStringLiteral(": unknown operation \"") + kind + u'"'};
}

void Canvas::strokeAndFill(QPainter& p, const QPainterPath& fillPath,
                           const QPainterPath& strokePath, const QJsonObject& op,
                           const QString& where) const {
    if (op.contains(QStringLiteral("fill")))
        p.fillPath(fillPath, manifest_.paint(op.value(QStringLiteral("fill")), where));
    if (op.contains(QStringLiteral("stroke"))) {
        QPen pen(manifest_.paint(op.value(QStringLiteral("stroke")), where),
                 number(op, "width", 1.0, where));
        const QString cap = op.value(QStringLiteral("cap")).toString(QStringLiteral("round"));
        const QString join = op.value(QStringLiteral("join")).toString(QStringLiteral("round"));
        if (cap == QStringLiteral("round"))
            pen.setCapStyle(Qt::RoundCap);
        else if (cap == QStringLiteral("flat"))
            pen.setCapStyle(Qt::FlatCap);
        else if (cap == QStringLiteral("square"))
            pen.setCapStyle(Qt::SquareCap);
        else
            throw DrawError{where + QStringLiteral(": \"cap\" is round, flat or square")};
        if (join == QStringLiteral("round"))
            pen.setJoinStyle(Qt::RoundJoin);
        else if (join == QStringLiteral("miter"))
            pen.setJoinStyle(Qt::MiterJoin);
        else if (join == QStringLiteral("bevel"))
            pen.setJoinStyle(Qt::BevelJoin);
        else
            throw DrawError{where + QStringLiteral(": \"join\" is round, miter or bevel")};
        p.strokePath(strokePath, pen);
    } else if (op.contains(QStringLiteral("width"))) {
        throw DrawError{where + QStringLiteral(": \"width\" without \"stroke\"")};
    }
}

void Canvas::drawShape(QPainter& p, const QJsonObject& op, const Context& ctx) const {
    const bool ellipse = op.value(QStringLiteral("op")).toString() == QStringLiteral("ellipse");
    checkKeys(op,
              ellipse ? keys({"rect", "fill", "stroke", "width"})
                      : keys({"rect", "radius", "fill", "stroke", "width"}),
              ctx.where);
    const QRectF r = rectOf(op, ctx.where);
    const double w =
        op.contains(QStringLiteral("stroke")) ? number(op, "width", 1.0, ctx.where) : 0.0;
    const QRectF inner = r.adjusted(w / 2, w / 2, -w / 2, -w / 2);
    QPainterPath fillPath;
    QPainterPath strokePath;
    if (ellipse) {
        fillPath.addEllipse(r);
        strokePath.addEllipse(inner);
    } else {
        std::array<double, 4> radius = radiiOf(op, ctx.where);
        fillPath = roundedRect(r, radius);
        for (double& x : radius)
            x = std::max(0.0, x - w / 2);
        strokePath = roundedRect(inner, radius);
    }
    QJsonObject o = op;
    o.insert(QStringLiteral("join"), QStringLiteral("miter"));
    strokeAndFill(p, fillPath, strokePath, o, ctx.where);
}

void Canvas::drawPath(QPainter& p, const QJsonObject& op, const Context& ctx) const {
    checkKeys(
        op,
        keys({"d", "points", "closed", "fill", "stroke", "width", "cap", "join", "at", "scale"}),
        ctx.where);
    QPainterPath path;
    if (op.contains(QStringLiteral("d"))) {
        QString error;
        if (!parsePathData(op.value(QStringLiteral("d")).toString(), path, error))
            throw DrawError{ctx.where + QStringLiteral(": ") + error};
    } else {
        const QJsonArray points = op.value(QStringLiteral("points")).toArray();
        if (points.size() < 2)
            throw DrawError{ctx.where + QStringLiteral(": a path needs \"d\" or two \"points\"")};
        path.moveTo(pointOf(points[0], ctx.where));
        for (qsizetype i = 1; i < points.size(); ++i)
            path.lineTo(pointOf(points[i], ctx.where));
        if (op.value(QStringLiteral("closed")).toBool())
            path.closeSubpath();
    }
    QTransform t;
    if (op.contains(QStringLiteral("at"))) {
        const QPointF at = pointOf(op.value(QStringLiteral("at")), ctx.where);
        t.translate(at.x(), at.y());
    }
    const double scale = number(op, "scale", 1.0, ctx.where);
    t.scale(scale, scale);
    path = t.map(path);
    strokeAndFill(p, path, path, op, ctx.where);
}

void Canvas::drawSvg(QPainter& p, const QJsonObject& op, const Context& ctx) const {
    checkKeys(op, keys({"file", "rect", "color"}), ctx.where);
    const QString name = op.value(QStringLiteral("file")).toString();
    QFile file(sourceDir_ + u'/' + name);
    if (name.isEmpty() || !file.open(QIODevice::ReadOnly))
        throw DrawError{ctx.where + QStringLiteral(": cannot read the SVG file \"") + name + u'"'};
    QByteArray data = file.readAll();
    double alpha = 1.0;
    if (op.contains(QStringLiteral("color"))) {
        const QColor c = manifest_.color(op.value(QStringLiteral("color")), ctx.where);
        data.replace("currentColor", c.name(QColor::HexRgb).toLatin1());
        alpha = c.alphaF();
    } else if (data.contains("currentColor")) {
        throw DrawError{ctx.where + QStringLiteral(": ") + name +
                        QStringLiteral(" uses currentColor; give the operation a \"color\"")};
    }
    QSvgRenderer renderer(data);
    if (!renderer.isValid())
        throw DrawError{ctx.where + QStringLiteral(": ") + name +
                        QStringLiteral(" is not a valid SVG file")};
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    p.save();
    p.setOpacity(p.opacity() * alpha);
    renderer.render(&p, rectOf(op, ctx.where));
    p.restore();
}

void Canvas::drawPicture(QPainter& p, const QJsonObject& op, const Context& ctx) const {
    checkKeys(op, keys({"file", "at"}), ctx.where);
    const QString name = op.value(QStringLiteral("file")).toString();
    const auto it = ctx.rendered->constFind(name);
    if (it == ctx.rendered->constEnd())
        throw DrawError{ctx.where + QStringLiteral(": no rendered picture \"") + name + u'"'};
    p.drawImage(pointOf(op.value(QStringLiteral("at")), ctx.where), *it);
}

void Canvas::drawText(QPainter& p, const QJsonObject& op, const Context& ctx) const {
    checkKeys(op,
              keys({"text", "rect", "size", "bold", "color", "align", "valign", "wrap",
                    "lineHeight", "font", "direction"}),
              ctx.where);
    const QString where = ctx.where;
    const QString text = op.value(QStringLiteral("text")).toString();
    if (text.isEmpty())
        throw DrawError{where + QStringLiteral(": \"text\" is empty")};
    const QRectF rect = rectOf(op, where);
    const QString family = op.value(QStringLiteral("font")).toString(font_);
    const int size = int(number(op, "size", 12, where));
    const double lineHeight = number(op, "lineHeight", 1.0, where);
    const bool wrap = op.value(QStringLiteral("wrap")).toBool(false);
    const QString direction = op.value(QStringLiteral("direction")).toString(QStringLiteral("rtl"));
    if (direction != QStringLiteral("rtl") && direction != QStringLiteral("ltr"))
        throw DrawError{where + QStringLiteral(": \"direction\" is rtl or ltr")};

    // The program spells Persian with the Arabic yeh; the Farsi yeh and the
    // alef maksura would make a picture disagree with the rest of the texts.
    for (const char32_t c : text.toUcs4()) {
        if (c == 0x06CC || c == 0x0649)
            throw DrawError{where + QStringLiteral(": \"") + text + QStringLiteral("\" has ") +
                            codePoint(c) +
                            QStringLiteral("; spell Persian with the Arabic yeh U+064A")};
    }

    QFont font(family);
    font.setPixelSize(size);
    font.setWeight(op.value(QStringLiteral("bold")).toBool(false) ? QFont::Bold : QFont::Normal);
    // No silent fallback to another font: a glyph the font lacks is an error.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    const QFontInfo info(font);
    if (info.family() != family)
        throw DrawError{where + QStringLiteral(": the font \"") + family +
                        QStringLiteral("\" is not installed (got \"") + info.family() +
                        QStringLiteral("\"); install fonts-noto-core")};
    const QRawFont raw = QRawFont::fromFont(font);
    for (const char32_t c : text.toUcs4()) {
        const bool control = QChar::category(c) == QChar::Other_Format || c == u'\n';
        if (!control && !raw.supportsCharacter(c))
            throw DrawError{where + QStringLiteral(": the font \"") + family +
                            QStringLiteral("\" has no glyph for ") + codePoint(c) +
                            QStringLiteral(" in \"") + text + u'"'};
    }

    Qt::Alignment align = Qt::AlignAbsolute;
    const QString a = op.value(QStringLiteral("align")).toString(QStringLiteral("right"));
    if (a == QStringLiteral("right"))
        align |= Qt::AlignRight;
    else if (a == QStringLiteral("center"))
        align |= Qt::AlignHCenter;
    else if (a == QStringLiteral("left"))
        align |= Qt::AlignLeft;
    else if (a == QStringLiteral("justify"))
        align |= Qt::AlignJustify;
    else
        throw DrawError{where + QStringLiteral(": \"align\" is right, center, left or justify")};

    // A margin around the picture catches ink that would fall outside it.
    constexpr int margin = 64;
    QImage layer(ctx.size + QSize(2 * margin, 2 * margin), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);

    QTextLayout layout(QString(text).replace(u'\n', QChar::LineSeparator), font, &layer);
    QTextOption option;
    option.setTextDirection(direction == QStringLiteral("rtl") ? Qt::RightToLeft : Qt::LeftToRight);
    option.setAlignment(align);
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::ManualWrap);
    layout.setTextOption(option);
    const QFontMetricsF metrics(font, &layer);
    const double step = metrics.lineSpacing() * lineHeight;
    double y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(rect.width());
        line.setPosition(QPointF(0, y));
        if (line.naturalTextWidth() > rect.width() + 0.01) {
            layout.endLayout();
            throw DrawError{where + QStringLiteral(": \"") + text +
                            QStringLiteral("\" is %1 px wide, the rectangle %2 px")
                                .arg(line.naturalTextWidth(), 0, 'f', 1)
                                .arg(rect.width())};
        }
        y += step;
    }
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        if (run.rawFont().familyName() != family)
            throw DrawError{where + QStringLiteral(": part of \"") + text +
                            QStringLiteral("\" would be drawn in \"") + run.rawFont().familyName() +
                            u'"'};
    }

    // Lines are placed by the letters' usual extent rather than the line box
    // (which this script's fonts make far taller than the letters) or each
    // text's own ink (which would set labels side by side on different
    // baselines): from the top of an alef to the bottom of a descending yeh.
    // "center" centres that extent of the whole block in the rectangle, "top"
    // and "bottom" set it on the rectangle's edge. Whole pixels keep the
    // baseline crisp.
    const QRectF reference = metrics.tightBoundingRect(QStringLiteral("\u0627\u0644\u0631\u064A"));
    const int lines = layout.lineCount();
    const double first = layout.lineAt(0).y() + layout.lineAt(0).ascent();
    const double last = layout.lineAt(lines - 1).y() + layout.lineAt(lines - 1).ascent();
    const double extentTop = first + reference.top();
    const double extentBottom = last + reference.bottom();
    double dy = 0;
    const QString valign = op.value(QStringLiteral("valign")).toString(QStringLiteral("center"));
    if (valign == QStringLiteral("center"))
        dy = rect.center().y() - (extentTop + extentBottom) / 2;
    else if (valign == QStringLiteral("top"))
        dy = rect.top() - extentTop;
    else if (valign == QStringLiteral("bottom"))
        dy = rect.bottom() - extentBottom;
    else
        throw DrawError{where + QStringLiteral(": \"valign\" is top, center or bottom")};
    dy = std::round(dy);

    {
        QPainter lp(&layer);
        lp.setRenderHints(p.renderHints());
        lp.setPen(manifest_.color(
            op.value(QStringLiteral("color")).toString(QStringLiteral("#000000")), where));
        layout.draw(&lp, QPointF(rect.left() + margin, dy + margin));
    }
    QRect ink = inkBounds(layer).translated(-margin, -margin);
    if (ink.isEmpty())
        throw DrawError{where + QStringLiteral(": \"") + text + QStringLiteral("\" draws nothing")};

    const QRect picture(QPoint(0, 0), ctx.size);
    if (!picture.contains(ink))
        throw DrawError{where + QStringLiteral(": \"") + text +
                        QStringLiteral("\" runs past the picture's edge (ink %1,%2 %3x%4)")
                            .arg(ink.x())
                            .arg(ink.y())
                            .arg(ink.width())
                            .arg(ink.height())};
    if (!rect.adjusted(-1, -1, 1, 1).contains(QRectF(ink)))
        throw DrawError{where + QStringLiteral(": \"") + text +
                        QStringLiteral("\" leaves its rectangle (ink %1,%2 %3x%4)")
                            .arg(ink.x())
                            .arg(ink.y())
                            .arg(ink.width())
                            .arg(ink.height())};
    p.drawImage(-margin, -margin, layer);
}
