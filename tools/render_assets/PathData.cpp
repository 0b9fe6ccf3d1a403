#include "PathData.h"

#include <QList>

namespace {

class Reader {
public:
    explicit Reader(const QString& s) : s_(s) {}

    void skipSeparators() {
        while (pos_ < s_.size() && (s_[pos_].isSpace() || s_[pos_] == u','))
            ++pos_;
    }
    bool atEnd() {
        skipSeparators();
        return pos_ >= s_.size();
    }
    bool atCommand() {
        skipSeparators();
        return pos_ < s_.size() && s_[pos_].isLetter();
    }
    QChar command() { return s_[pos_++]; }
    bool number(double& out) {
        skipSeparators();
        const qsizetype start = pos_;
        if (pos_ < s_.size() && (s_[pos_] == u'-' || s_[pos_] == u'+'))
            ++pos_;
        bool digits = false;
        bool dot = false;
        while (pos_ < s_.size()) {
            const QChar c = s_[pos_];
            if (c.isDigit()) {
                digits = true;
            } else if (c == u'.' && !dot) {
                dot = true;
            } else {
                break;
            }
            ++pos_;
        }
        if (digits && pos_ < s_.size() && (s_[pos_] == u'e' || s_[pos_] == u'E')) {
            ++pos_;
            if (pos_ < s_.size() && (s_[pos_] == u'-' || s_[pos_] == u'+'))
                ++pos_;
            while (pos_ < s_.size() && s_[pos_].isDigit())
                ++pos_;
        }
        if (!digits) {
            pos_ = start;
            return false;
        }
        bool ok = false;
        out = s_.mid(start, pos_ - start).toDouble(&ok);
        return ok;
    }
    qsizetype position() const { return pos_; }

private:
    const QString& s_;
    qsizetype pos_ = 0;
};

} // namespace

bool parsePathData(const QString& data, QPainterPath& path, QString& error) {
    Reader r(data);
    QPointF current;
    QPointF start;
    QPointF lastControl; // for S and T
    QChar previous;
    QChar cmd;
    while (!r.atEnd()) {
        if (r.atCommand()) {
            cmd = r.command();
        } else if (cmd.isNull()) {
            error = QStringLiteral("path data must begin with a command");
            return false;
        }
        // A command letter may be followed by several sets of arguments;
        // after a move, further pairs are lines.
        const bool relative = cmd.isLower();
        const QChar c = cmd.toUpper();
        const QPointF base = relative ? current : QPointF();
        auto take = [&](int n, QList<double>& v) {
            v.clear();
            for (int i = 0; i < n; ++i) {
                double x = 0;
                if (!r.number(x)) {
                    error = QStringLiteral("command %1 needs %2 numbers (at character %3)")
                                .arg(cmd)
                                .arg(n)
                                .arg(r.position());
                    return false;
                }
                v.append(x);
            }
            return true;
        };
        QList<double> v;
        switch (c.unicode()) {
        case 'M':
            if (!take(2, v))
                return false;
            current = base + QPointF(v[0], v[1]);
            start = current;
            path.moveTo(current);
            cmd = relative ? QChar(u'l') : QChar(u'L');
            break;
        case 'L':
            if (!take(2, v))
                return false;
            current = base + QPointF(v[0], v[1]);
            path.lineTo(current);
            break;
        case 'H':
            if (!take(1, v))
                return false;
            current.setX((relative ? current.x() : 0.0) + v[0]);
            path.lineTo(current);
            break;
        case 'V':
            if (!take(1, v))
                return false;
            current.setY((relative ? current.y() : 0.0) + v[0]);
            path.lineTo(current);
            break;
        case 'C': {
            if (!take(6, v))
                return false;
            const QPointF c1 = base + QPointF(v[0], v[1]);
            const QPointF c2 = base + QPointF(v[2], v[3]);
            current = base + QPointF(v[4], v[5]);
            path.cubicTo(c1, c2, current);
            lastControl = c2;
            break;
        }
        case 'S': {
            if (!take(4, v))
                return false;
            const QChar p = previous.toUpper();
            const QPointF c1 = (p == u'C' || p == u'S') ? current * 2 - lastControl : current;
            const QPointF c2 = base + QPointF(v[0], v[1]);
            current = base + QPointF(v[2], v[3]);
            path.cubicTo(c1, c2, current);
            lastControl = c2;
            break;
        }
        case 'Q': {
            if (!take(4, v))
                return false;
            const QPointF c1 = base + QPointF(v[0], v[1]);
            current = base + QPointF(v[2], v[3]);
            path.quadTo(c1, current);
            lastControl = c1;
            break;
        }
        case 'T': {
            if (!take(2, v))
                return false;
            const QChar p = previous.toUpper();
            const QPointF c1 = (p == u'Q' || p == u'T') ? current * 2 - lastControl : current;
            current = base + QPointF(v[0], v[1]);
            path.quadTo(c1, current);
            lastControl = c1;
            break;
        }
        case 'Z':
            path.closeSubpath();
            current = start;
            break;
        default:
            error = QStringLiteral("path command %1 is not supported").arg(cmd);
            return false;
        }
        previous = c == u'M' ? QChar(u'M') : cmd;
        if (c == u'Z')
            cmd = QChar();
    }
    return true;
}
