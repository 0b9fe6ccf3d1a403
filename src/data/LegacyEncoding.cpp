#include "data/XmlStore.h"

#include <QByteArray>
#include <QRegularExpression>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace {

// The encoding named in the XML declaration, or "" when there is none.
QByteArray declaredEncoding(const QByteArray& bytes) {
    if (!bytes.startsWith("<?xml")) {
        return {};
    }
    const qsizetype end = bytes.indexOf("?>");
    if (end < 0) {
        return {};
    }
    static const QRegularExpression re(
        QStringLiteral("encoding\\s*=\\s*[\"']([A-Za-z0-9._:-]+)[\"']"));
    const auto m = re.match(QString::fromLatin1(bytes.left(end)));
    return m.hasMatch() ? m.captured(1).toLatin1().toLower() : QByteArray();
}

bool readsNatively(const QByteArray& encoding) {
    // What the parser reads itself (the Unicode forms and Latin-1), and ASCII,
    // which is a part of UTF-8.
    static const char* const native[] = {
        "",         "utf-8",    "utf8",       "utf-16", "utf-16le", "utf-16be", "utf-32",
        "utf-32le", "utf-32be", "iso-8859-1", "latin1", "latin-1",  "us-ascii", "ascii"};
    for (const char* n : native) {
        if (encoding == n) {
            return true;
        }
    }
    return false;
}

#ifdef Q_OS_WIN
bool convert(const QByteArray& encoding, const QByteArray& in, QByteArray& out) {
    UINT codePage = 0;
    if (encoding.startsWith("windows-")) {
        codePage = encoding.mid(8).toUInt();
    } else if (encoding.startsWith("cp")) {
        codePage = encoding.mid(2).toUInt();
    }
    if (codePage == 0) {
        return false;
    }
    const int wide = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.constData(),
                                         static_cast<int>(in.size()), nullptr, 0);
    if (wide <= 0 && !in.isEmpty()) {
        return false;
    }
    std::wstring w(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(codePage, 0, in.constData(), static_cast<int>(in.size()), w.data(), wide);
    out = QString::fromWCharArray(w.data(), wide).toUtf8();
    return true;
}
#else
bool convert(const QByteArray& encoding, const QByteArray& in, QByteArray& out) {
    iconv_t cd = iconv_open("UTF-8", encoding.constData());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return false;
    }
    out.resize(in.size() * 4 + 16);
    char* src = const_cast<char*>(in.constData());
    size_t srcLeft = static_cast<size_t>(in.size());
    char* dst = out.data();
    size_t dstLeft = static_cast<size_t>(out.size());
    const size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (r == static_cast<size_t>(-1)) {
        return false;
    }
    out.resize(out.size() - static_cast<qsizetype>(dstLeft));
    return true;
}
#endif

} // namespace

QByteArray ToUtf8IfLegacy(const QByteArray& bytes, bool* converted, bool* ok) {
    *converted = false;
    *ok = true;
    const QByteArray encoding = declaredEncoding(bytes);
    if (readsNatively(encoding)) {
        return bytes;
    }
    QByteArray out;
    if (!convert(encoding, bytes, out)) {
        *ok = false;
        return {};
    }
    *converted = true;
    return out;
}
