#include "shell/ResPicture.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace {

constexpr int kResourceNotFound = 1813; // the system's "resource type/name not found"
constexpr int kInvalidPicture = 481;    // "invalid picture"

QString errorSource() {
    QString exe = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (exe.isEmpty()) {
        exe = QStringLiteral("darvista");
    }
    return exe + QStringLiteral(".cLoadResPicture");
}

} // namespace

void initPictureResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(darvista_assets);
        return true;
    }();
    (void)done;
}

QPixmap cLoadResPicture::LoadResPicture(const QVariant& identifier, const QString& type) const {
    initPictureResources();
    QString name;
    bool isNumber = false;
    const int number = identifier.toInt(&isNumber);
    if (identifier.typeId() != QMetaType::QString && isNumber) {
        name = QString::number(number);
    } else {
        name = identifier.toString().toUpper();
    }
    const QString path = QStringLiteral(":/%1/%2.%3").arg(type.toLower(), name, type.toLower());
    QFile file(path);
    if (name.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        throw ResPictureError(
            kResourceNotFound,
            QStringLiteral("No %1 resource named %2").arg(type, identifier.toString()),
            errorSource());
    }
    QImage image;
    if (!image.loadFromData(file.readAll(), "JPG")) {
        throw ResPictureError(kInvalidPicture, QStringLiteral("Invalid picture"), errorSource());
    }
    return QPixmap::fromImage(std::move(image));
}
