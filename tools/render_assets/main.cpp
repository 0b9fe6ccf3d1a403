// render_assets: draws every picture named in the drawing tables at its exact
// pixel size and writes them, with a Qt resource collection listing them, into
// the build tree.
//
//   render_assets --sources assets --out DIR --qrc FILE.qrc TABLE.json...
//       [--previews DIR] [--sheet FILE.png]
//       [--ico FILE.ico --ico-from icons/darvista.png]
//
// Pictures whose file ends in .png are written as PNG with alpha; .jpg ones are
// flattened on their matte colour and written as JPEG. Previews (the tables'
// "previews") put rendered pictures together the way the window shows them and
// are only written when --previews is given; they are never part of the
// resources. --sheet lays every picture out at its real size, named, on one
// contact sheet for looking them over.

#include "Canvas.h"
#include "Manifest.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

const QString kFont = QStringLiteral("Noto Sans Arabic");

void fail(const QString& message) {
    std::fprintf(stderr, "render_assets: error: %s\n", message.toLocal8Bit().constData());
}

void writeFile(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size() || !out.commit())
        throw DrawError{path + QStringLiteral(": cannot write")};
}

QByteArray encode(const QImage& image, const Picture& picture, const Manifest& manifest) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool ok = false;
    if (picture.file.endsWith(QStringLiteral(".jpg"))) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(manifest.color(picture.matte, picture.file));
        {
            QPainter p(&flat);
            p.drawImage(0, 0, image);
        }
        ok = flat.save(&buffer, "JPG", picture.quality);
    } else {
        // An opaque picture is written without alpha: it decodes faster and
        // needs no conversion when the program draws it.
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        bool opaque = true;
        for (int y = 0; y < argb.height() && opaque; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            for (int x = 0; x < argb.width(); ++x) {
                if (qAlpha(line[x]) != 255) {
                    opaque = false;
                    break;
                }
            }
        }
        ok = (opaque ? argb.convertToFormat(QImage::Format_RGB32) : argb).save(&buffer, "PNG");
    }
    if (!ok)
        throw DrawError{picture.file + QStringLiteral(": the image could not be encoded (is "
                                                      "Qt's image format plugin installed?)")};
    return bytes;
}

QString qrcText(const QList<Picture>& pictures, const QString& outDir) {
    QString text;
    QTextStream s(&text);
    s << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const Picture& p : pictures) {
        s << "  <file alias=\"" << p.file << "\">"
          << QDir(outDir).absoluteFilePath(p.file).toHtmlEscaped() << "</file>\n";
    }
    s << "</qresource>\n</RCC>\n";
    return text;
}

// An icon file holding PNG images (understood by Windows Vista and later).
QByteArray icoFile(const QImage& source) {
    const int sizes[] = {16, 24, 32, 48, 64, 256};
    QList<QByteArray> images;
    for (const int size : sizes) {
        QImage scaled = size == source.width() ? source
                                               : source.scaled(size, size, Qt::KeepAspectRatio,
                                                               Qt::SmoothTransformation);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        scaled.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
        images.append(png);
    }
    QByteArray out;
    auto u16 = [&](quint16 v) {
        out.append(char(v & 0xff));
        out.append(char(v >> 8));
    };
    auto u32 = [&](quint32 v) {
        u16(quint16(v & 0xffff));
        u16(quint16(v >> 16));
    };
    const int count = int(images.size());
    u16(0);
    u16(1);
    u16(quint16(count));
    quint32 offset = 6 + 16 * quint32(count);
    for (int i = 0; i < count; ++i) {
        const int size = sizes[i];
        out.append(char(size >= 256 ? 0 : size));
        out.append(char(size >= 256 ? 0 : size));
        out.append(char(0));
        out.append(char(0));
        u16(1);
        u16(32);
        u32(quint32(images[i].size()));
        u32(offset);
        offset += quint32(images[i].size());
    }
    for (const QByteArray& png : images)
        out.append(png);
    return out;
}

// Every picture at 1:1 on a checkered ground (so transparency shows), in the
// tables' order, which keeps the normal, hover and selected states together.
QImage contactSheet(const QList<Picture>& pictures, const QHash<QString, QImage>& rendered) {
    constexpr int width = 1400;
    constexpr int gap = 14;
    constexpr int label = 18;
    struct Cell {
        QPoint at;
        const Picture* picture;
    };
    QFont font(QStringLiteral("Noto Sans"));
    font.setPixelSize(11);
    const QFontMetrics metrics(font);
    auto caption = [](const Picture& p) {
        return QFileInfo(p.file).completeBaseName() +
               QStringLiteral("  %1×%2").arg(p.size.width()).arg(p.size.height());
    };
    QList<Cell> cells;
    int x = gap;
    int y = gap;
    int rowHeight = 0;
    // Small pictures first, then the large ones, each in the tables' order.
    QList<const Picture*> order;
    for (const bool large : {false, true}) {
        for (const Picture& p : pictures) {
            if ((p.size.height() >= 100) == large)
                order.append(&p);
        }
    }
    for (const Picture* pp : order) {
        const Picture& p = *pp;
        const int w = std::max(p.size.width(), metrics.horizontalAdvance(caption(p)));
        if (x + w + gap > width && x > gap) {
            x = gap;
            y += rowHeight + label + gap;
            rowHeight = 0;
        }
        cells.append({QPoint(x, y), &p});
        x += w + gap;
        rowHeight = std::max(rowHeight, p.size.height());
    }
    QImage sheet(width, y + rowHeight + label + gap, QImage::Format_RGB32);
    sheet.fill(QColor(0x5d, 0x69, 0x69));
    QPainter painter(&sheet);
    painter.setFont(font);
    for (const Cell& c : cells) {
        const QRect r(c.at, c.picture->size);
        for (int cy = 0; cy < r.height(); cy += 8) {
            for (int cx = 0; cx < r.width(); cx += 8) {
                const bool dark = ((cx + cy) / 8) % 2 != 0;
                painter.fillRect(QRect(r.left() + cx, r.top() + cy, 8, 8).intersected(r),
                                 dark ? QColor(0x7c, 0x88, 0x88) : QColor(0x94, 0x9f, 0x9f));
            }
        }
        painter.drawImage(r.topLeft(), rendered.value(c.picture->file));
        painter.setPen(Qt::white);
        painter.drawText(QPoint(r.left(), r.bottom() + 2 + metrics.ascent()), caption(*c.picture));
    }
    return sheet;
}

// Qt's remark that no runtime directory is set is noise in a build log; every
// other message is passed on.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n",
                 qFormatLogMessage(type, context, message).toLocal8Bit().constData());
}

} // namespace

int main(int argc, char** argv) {
    // Drawing needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders the program's pictures."));
    parser.addHelpOption();
    const QCommandLineOption sourcesOpt(QStringLiteral("sources"),
                                        QStringLiteral("Folder of the SVG sources."),
                                        QStringLiteral("dir"));
    const QCommandLineOption outOpt(QStringLiteral("out"),
                                    QStringLiteral("Folder the pictures are written to."),
                                    QStringLiteral("dir"));
    const QCommandLineOption qrcOpt(QStringLiteral("qrc"),
                                    QStringLiteral("Resource collection to write."),
                                    QStringLiteral("file"));
    const QCommandLineOption previewsOpt(QStringLiteral("previews"),
                                         QStringLiteral("Folder for the preview pictures."),
                                         QStringLiteral("dir"));
    const QCommandLineOption icoOpt(QStringLiteral("ico"),
                                    QStringLiteral("Windows icon file to write."),
                                    QStringLiteral("file"));
    const QCommandLineOption icoFromOpt(
        QStringLiteral("ico-from"), QStringLiteral("Picture the icon file is made from."),
        QStringLiteral("picture"), QStringLiteral("icons/darvista.png"));
    const QCommandLineOption sheetOpt(QStringLiteral("sheet"),
                                      QStringLiteral("Contact sheet of every picture to write."),
                                      QStringLiteral("file"));
    parser.addOptions({sourcesOpt, outOpt, qrcOpt, previewsOpt, sheetOpt, icoOpt, icoFromOpt});
    parser.addPositionalArgument(QStringLiteral("tables"), QStringLiteral("Drawing tables."));
    parser.process(app);
    if (!parser.isSet(sourcesOpt) || !parser.isSet(outOpt) ||
        parser.positionalArguments().isEmpty()) {
        fail(QStringLiteral("--sources, --out and at least one drawing table are required"));
        return 2;
    }

    // Every Persian label is drawn with this font; without it the pictures
    // would show boxes or another script's shapes, so there is no fallback.
    if (!QFontDatabase::families().contains(kFont) ||
        !QFontDatabase::styles(kFont).contains(QStringLiteral("Bold"))) {
        fail(QStringLiteral("the font \"%1\" (regular and bold) is not installed; the pictures' "
                            "Persian labels need it. On Debian install the package "
                            "fonts-noto-core.")
                 .arg(kFont));
        return 1;
    }

    try {
        Manifest manifest;
        for (const QString& table : parser.positionalArguments())
            manifest.load(table);
        manifest.finish();

        const Canvas canvas(manifest, parser.value(sourcesOpt), kFont);
        const QString outDir = parser.value(outOpt);
        QHash<QString, QImage> rendered;
        for (const Picture& picture : manifest.pictures()) {
            const QImage image = canvas.render(picture, rendered);
            writeFile(QDir(outDir).absoluteFilePath(picture.file),
                      encode(image, picture, manifest));
            rendered.insert(picture.file, image);
        }
        if (parser.isSet(qrcOpt))
            writeFile(parser.value(qrcOpt), qrcText(manifest.pictures(), outDir).toUtf8());
        if (parser.isSet(previewsOpt)) {
            for (const Picture& preview : manifest.previews()) {
                const QImage image = canvas.render(preview, rendered);
                writeFile(QDir(parser.value(previewsOpt)).absoluteFilePath(preview.file),
                          encode(image, preview, manifest));
            }
        }
        if (parser.isSet(sheetOpt)) {
            const QString path = parser.value(sheetOpt);
            QDir().mkpath(QFileInfo(path).absolutePath());
            if (!contactSheet(manifest.pictures(), rendered).save(path, "PNG"))
                throw DrawError{path + QStringLiteral(": cannot write")};
        }
        if (parser.isSet(icoOpt)) {
            const QString from = parser.value(icoFromOpt);
            if (!rendered.contains(from))
                throw DrawError{QStringLiteral("--ico-from: no picture \"") + from + u'"'};
            writeFile(parser.value(icoOpt), icoFile(rendered.value(from)));
        }
    } catch (const DrawError& e) {
        fail(e.message);
        return 1;
    }
    return 0;
}
