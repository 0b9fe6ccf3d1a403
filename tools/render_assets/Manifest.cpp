#include "Manifest.h"

#include <QFile>
#include <QFileInfo>
#include <QGradient>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QSet>

namespace {

constexpr int kMaxTemplateDepth = 8;

QString lineAndColumn(const QByteArray& data, int offset) {
    int line = 1;
    int column = 1;
    for (int i = 0; i < offset && i < data.size(); ++i) {
        if (data[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return QStringLiteral("%1:%2").arg(line).arg(column);
}

bool isIdentifier(const QString& s) {
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return re.match(s).hasMatch();
}

QString scalarText(const QJsonValue& v) {
    if (v.isString())
        return v.toString();
    if (v.isDouble())
        return QString::number(v.toDouble());
    if (v.isBool())
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return {};
}

// "$name" as a whole string takes the argument's value with its JSON type;
// "${name}" inside a longer string is replaced by the argument's text.
QJsonValue substitute(const QJsonValue& value, const QJsonObject& args, const QString& where) {
    if (value.isArray()) {
        QJsonArray out;
        for (const QJsonValue& v : value.toArray())
            out.append(substitute(v, args, where));
        return out;
    }
    if (value.isObject()) {
        QJsonObject out;
        const QJsonObject in = value.toObject();
        for (auto it = in.begin(); it != in.end(); ++it) {
            // The arguments of a nested "use" are substituted here, its own
            // template's body later with those arguments.
            out.insert(it.key(), substitute(it.value(), args, where));
        }
        return out;
    }
    if (!value.isString())
        return value;
    const QString s = value.toString();
    if (s.startsWith(u'$') && isIdentifier(s.mid(1))) {
        const QString name = s.mid(1);
        if (!args.contains(name))
            throw DrawError{where + QStringLiteral(": unknown argument $") + name};
        return args.value(name);
    }
    if (!s.contains(QStringLiteral("${")))
        return value;
    QString out;
    qsizetype i = 0;
    while (i < s.size()) {
        const qsizetype open = s.indexOf(QStringLiteral("${"), i);
        if (open < 0) {
            out += s.mid(i);
            break;
        }
        const qsizetype close = s.indexOf(u'}', open);
        if (close < 0)
            throw DrawError{where + QStringLiteral(": unclosed ${ in \"") + s + u'"'};
        const QString name = s.mid(open + 2, close - open - 2);
        if (!args.contains(name))
            throw DrawError{where + QStringLiteral(": unknown argument ${") + name + u'}'};
        const QJsonValue arg = args.value(name);
        if (!arg.isString() && !arg.isDouble() && !arg.isBool())
            throw DrawError{where + QStringLiteral(": argument ") + name +
                            QStringLiteral(" is not text and cannot be spliced into a string")};
        out += s.mid(i, open - i) + scalarText(arg);
        i = close + 1;
    }
    return out;
}

QSize readSize(const QJsonValue& v, const QString& where) {
    const QJsonArray a = v.toArray();
    if (a.size() != 2 || !a[0].isDouble() || !a[1].isDouble() || a[0].toInt() <= 0 ||
        a[1].toInt() <= 0)
        throw DrawError{where + QStringLiteral(": \"size\" must be [width, height] in pixels")};
    return QSize(a[0].toInt(), a[1].toInt());
}

} // namespace

void checkKeys(const QJsonObject& object, const QStringList& allowed, const QString& where) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key() != QStringLiteral("comment") && !allowed.contains(it.key()))
            throw DrawError{where + QStringLiteral(": unknown key \"") + it.key() +
                            QStringLiteral("\" (allowed: ") + allowed.join(QStringLiteral(", ")) +
                            u')'};
    }
}

void Manifest::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DrawError{path + QStringLiteral(": cannot read the drawing table")};
    const QByteArray data = file.readAll();
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError)
        throw DrawError{path + u':' + lineAndColumn(data, error.offset) + QStringLiteral(": ") +
                        error.errorString()};
    if (!doc.isObject())
        throw DrawError{path + QStringLiteral(": a drawing table is a JSON object")};
    const QString table = QFileInfo(path).fileName();
    const QJsonObject root = doc.object();
    checkKeys(root,
              {QStringLiteral("colors"), QStringLiteral("templates"), QStringLiteral("pictures"),
               QStringLiteral("previews")},
              table);

    const QJsonObject colors = root.value(QStringLiteral("colors")).toObject();
    for (auto it = colors.begin(); it != colors.end(); ++it) {
        if (it.key() == QStringLiteral("comment"))
            continue;
        if (colors_.contains(it.key()))
            throw DrawError{table + QStringLiteral(": colour \"") + it.key() +
                            QStringLiteral("\" is defined twice")};
        colors_.insert(it.key(), it.value().toString());
    }

    const QJsonObject templates = root.value(QStringLiteral("templates")).toObject();
    for (auto it = templates.begin(); it != templates.end(); ++it) {
        if (it.key() == QStringLiteral("comment"))
            continue;
        const QString where = table + QStringLiteral(": template ") + it.key();
        if (templates_.contains(it.key()))
            throw DrawError{where + QStringLiteral(" is defined twice")};
        const QJsonObject t = it.value().toObject();
        checkKeys(t, {QStringLiteral("params"), QStringLiteral("ops")}, where);
        templates_.insert(it.key(), Template{t.value(QStringLiteral("params")).toObject(),
                                             t.value(QStringLiteral("ops")).toArray(), table});
    }

    for (const QJsonValue& v : root.value(QStringLiteral("pictures")).toArray())
        raw_.append(Raw{v.toObject(), table, false});
    for (const QJsonValue& v : root.value(QStringLiteral("previews")).toArray())
        raw_.append(Raw{v.toObject(), table, true});
}

void Manifest::finish() {
    QSet<QString> files;
    for (const Raw& raw : raw_) {
        Picture p = makePicture(raw);
        if (files.contains(p.file))
            throw DrawError{raw.table + QStringLiteral(": picture ") + p.file +
                            QStringLiteral(" is defined twice")};
        files.insert(p.file);
        (p.preview ? previews_ : pictures_).append(p);
    }
}

Picture Manifest::makePicture(const Raw& raw) const {
    const QJsonObject& o = raw.object;
    Picture p;
    p.table = raw.table;
    p.preview = raw.preview;
    p.file = o.value(QStringLiteral("file")).toString();
    const QString where = raw.table + QStringLiteral(": ") +
                          (p.file.isEmpty() ? QStringLiteral("picture without \"file\"") : p.file);
    checkKeys(o,
              {QStringLiteral("file"), QStringLiteral("size"), QStringLiteral("template"),
               QStringLiteral("args"), QStringLiteral("ops"), QStringLiteral("flip"),
               QStringLiteral("quality"), QStringLiteral("matte")},
              where);
    static const QRegularExpression fileRe(
        QStringLiteral("^[A-Za-z0-9_]+(/[A-Za-z0-9_]+)*\\.(png|jpg)$"));
    if (!fileRe.match(p.file).hasMatch())
        throw DrawError{where + QStringLiteral(": \"file\" must be a relative path such as "
                                               "pictures/name.png or jpg/NAME.jpg")};
    p.size = readSize(o.value(QStringLiteral("size")), where);
    const QString flip = o.value(QStringLiteral("flip")).toString();
    if (!flip.isEmpty() && flip != QStringLiteral("horizontal"))
        throw DrawError{where + QStringLiteral(": \"flip\" can only be \"horizontal\"")};
    p.flipHorizontal = flip == QStringLiteral("horizontal");
    p.quality = o.value(QStringLiteral("quality")).toInt(92);
    if (p.quality < 1 || p.quality > 100)
        throw DrawError{where + QStringLiteral(": \"quality\" must lie in 1..100")};
    p.matte = o.value(QStringLiteral("matte")).toString(QStringLiteral("#ffffff"));

    QJsonArray ops;
    if (o.contains(QStringLiteral("template"))) {
        QJsonObject use;
        use.insert(QStringLiteral("op"), QStringLiteral("use"));
        use.insert(QStringLiteral("template"), o.value(QStringLiteral("template")));
        use.insert(QStringLiteral("args"), o.value(QStringLiteral("args")));
        ops.append(use);
    } else if (o.contains(QStringLiteral("args"))) {
        throw DrawError{where + QStringLiteral(": \"args\" without \"template\"")};
    }
    for (const QJsonValue& v : o.value(QStringLiteral("ops")).toArray())
        ops.append(v);
    if (ops.isEmpty())
        throw DrawError{where + QStringLiteral(": nothing to draw")};
    p.ops = expand(ops, QJsonObject{}, where, 0);
    return p;
}

QJsonArray Manifest::expand(const QJsonArray& ops, const QJsonObject& args, const QString& where,
                            int depth) const {
    if (depth > kMaxTemplateDepth)
        throw DrawError{where + QStringLiteral(": templates nested too deep (a cycle?)")};
    QJsonArray out;
    for (const QJsonValue& value : ops) {
        if (!value.isObject())
            throw DrawError{where + QStringLiteral(": an operation must be a JSON object")};
        QJsonObject op = substitute(value, args, where).toObject();
        const QString kind = op.value(QStringLiteral("op")).toString();
        if (kind == QStringLiteral("use")) {
            checkKeys(op,
                      {QStringLiteral("op"), QStringLiteral("template"), QStringLiteral("args")},
                      where);
            const QString name = op.value(QStringLiteral("template")).toString();
            const auto t = templates_.constFind(name);
            if (t == templates_.constEnd())
                throw DrawError{where + QStringLiteral(": unknown template \"") + name + u'"'};
            const QString inner = where + QStringLiteral(" (template ") + name + u')';
            QJsonObject merged;
            for (auto it = t->params.begin(); it != t->params.end(); ++it)
                merged.insert(it.key(), it.value());
            const QJsonObject given = op.value(QStringLiteral("args")).toObject();
            for (auto it = given.begin(); it != given.end(); ++it) {
                if (!t->params.contains(it.key()))
                    throw DrawError{inner + QStringLiteral(": no parameter \"") + it.key() + u'"'};
                merged.insert(it.key(), it.value());
            }
            for (auto it = merged.begin(); it != merged.end(); ++it) {
                if (it.value().isNull())
                    throw DrawError{inner + QStringLiteral(": parameter \"") + it.key() +
                                    QStringLiteral("\" is required")};
            }
            for (const QJsonValue& v : expand(t->ops, merged, inner, depth + 1))
                out.append(v);
        } else if (kind == QStringLiteral("group")) {
            op.insert(QStringLiteral("ops"), expand(op.value(QStringLiteral("ops")).toArray(),
                                                    QJsonObject{}, where, depth + 1));
            out.append(op);
        } else {
            out.append(op);
        }
    }
    return out;
}

QColor Manifest::color(const QJsonValue& value, const QString& where) const {
    if (!value.isString())
        throw DrawError{where + QStringLiteral(": a colour is a text such as \"#1f8a84\", "
                                               "\"#1f8a8480\" or a palette name")};
    return colorDepth(value.toString(), where, 0);
}

QColor Manifest::colorDepth(const QString& text, const QString& where, int depth) const {
    if (depth > 4)
        throw DrawError{where + QStringLiteral(": palette names refer to each other in a cycle")};
    // "name/0.4": the colour with its alpha multiplied by 0.4.
    QString base = text;
    double alpha = 1.0;
    const qsizetype slash = text.lastIndexOf(u'/');
    if (slash > 0) {
        bool ok = false;
        alpha = text.mid(slash + 1).toDouble(&ok);
        if (!ok || alpha < 0.0 || alpha > 1.0)
            throw DrawError{where + QStringLiteral(": bad alpha in colour \"") + text + u'"'};
        base = text.left(slash);
    }
    QColor c;
    static const QRegularExpression hex(QStringLiteral("^#([0-9a-fA-F]{6})([0-9a-fA-F]{2})?$"));
    const auto m = hex.match(base);
    if (base == QStringLiteral("none") || base == QStringLiteral("transparent")) {
        c = QColor(0, 0, 0, 0);
    } else if (m.hasMatch()) {
        const uint rgb = m.captured(1).toUInt(nullptr, 16);
        const int a = m.captured(2).isEmpty() ? 255 : m.captured(2).toInt(nullptr, 16);
        c = QColor(int((rgb >> 16) & 0xff), int((rgb >> 8) & 0xff), int(rgb & 0xff), a);
    } else if (colors_.contains(base)) {
        c = colorDepth(colors_.value(base), where, depth + 1);
    } else {
        throw DrawError{where + QStringLiteral(": unknown colour \"") + text + u'"'};
    }
    c.setAlphaF(float(c.alphaF() * alpha));
    return c;
}

QBrush Manifest::paint(const QJsonValue& value, const QString& where) const {
    if (value.isString())
        return QBrush(color(value, where));
    if (!value.isObject())
        throw DrawError{where + QStringLiteral(": a paint is a colour or a gradient object")};
    const QJsonObject g = value.toObject();
    checkKeys(g, {QStringLiteral("linear"), QStringLiteral("radial"), QStringLiteral("stops")},
              where);
    const QJsonArray stops = g.value(QStringLiteral("stops")).toArray();
    if (stops.size() < 2)
        throw DrawError{where + QStringLiteral(": a gradient needs at least two stops")};
    QGradientStops qstops;
    for (const QJsonValue& s : stops) {
        const QJsonArray pair = s.toArray();
        if (pair.size() != 2 || !pair[0].isDouble())
            throw DrawError{where + QStringLiteral(": a stop is [position 0..1, colour]")};
        qstops.append({pair[0].toDouble(), color(pair[1], where)});
    }
    // Gradient coordinates are fractions of the painted shape's bounds.
    auto numbers = [&](const QString& key, int n) {
        const QJsonArray a = g.value(key).toArray();
        QList<double> out;
        for (const QJsonValue& v : a)
            out.append(v.toDouble());
        if (out.size() != n)
            throw DrawError{where + QStringLiteral(": \"") + key + QStringLiteral("\" needs ") +
                            QString::number(n) + QStringLiteral(" numbers")};
        return out;
    };
    if (g.contains(QStringLiteral("linear"))) {
        const QList<double> a = numbers(QStringLiteral("linear"), 4);
        QLinearGradient lg(a[0], a[1], a[2], a[3]);
        lg.setCoordinateMode(QGradient::ObjectMode);
        lg.setStops(qstops);
        return QBrush(lg);
    }
    if (g.contains(QStringLiteral("radial"))) {
        const QList<double> a = numbers(QStringLiteral("radial"), 3);
        QRadialGradient rg(a[0], a[1], a[2]);
        rg.setCoordinateMode(QGradient::ObjectMode);
        rg.setStops(qstops);
        return QBrush(rg);
    }
    throw DrawError{where + QStringLiteral(": a gradient is \"linear\" or \"radial\"")};
}
