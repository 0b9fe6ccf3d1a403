// The compiled-in pictures as the program loads them: every resource path the
// window and its pages use exists, decodes in its format at its exact size,
// and each button's hover (and selected) picture differs from its normal one.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <gtest/gtest.h>

#include <string>

namespace {

struct Expected {
    const char* path;
    int width;
    int height;
};

// The form pictures of the shell and the calendar pages, the named JPG
// headers and the icon.
const Expected kPictures[] = {
    {":/pictures/background.png", 516, 463},
    {":/pictures/imgMin1.png", 49, 24},
    {":/pictures/imgMin2.png", 49, 24},
    {":/pictures/imgasli1.png", 115, 28},
    {":/pictures/imgasli2.png", 115, 28},
    {":/pictures/imgfMataleb1.png", 115, 28},
    {":/pictures/imgfMataleb2.png", 115, 28},
    {":/pictures/imgExit1.png", 115, 28},
    {":/pictures/imgExit2.png", 115, 28},
    {":/pictures/imgDast1.png", 117, 70},
    {":/pictures/imgDast2.png", 117, 70},
    {":/pictures/imgTrooz1.png", 496, 43},
    {":/pictures/imgTrooz2.png", 496, 43},
    {":/pictures/imgMonasebat1.png", 496, 43},
    {":/pictures/imgMonasebat2.png", 496, 43},
    {":/pictures/imgBank1.png", 496, 43},
    {":/pictures/imgBank2.png", 496, 43},
    {":/pictures/imgSetting1.png", 82, 26},
    {":/pictures/imgSetting2.png", 82, 26},
    {":/pictures/imgNext_tip1.png", 28, 28},
    {":/pictures/imgNext_tip2.png", 28, 28},
    {":/pictures/imgBack_tip1.png", 28, 28},
    {":/pictures/imgBack_tip2.png", 28, 28},
    {":/pictures/imgTagvimRooz1.png", 106, 26},
    {":/pictures/imgTagvimRooz2.png", 106, 26},
    {":/pictures/imgTagvimRooz3.png", 106, 36},
    {":/pictures/imgRoozShomarPezeshki1.png", 106, 26},
    {":/pictures/imgRoozShomarPezeshki2.png", 106, 26},
    {":/pictures/imgRoozShomarPezeshki3.png", 106, 36},
    {":/pictures/imgFalnameh1.png", 106, 26},
    {":/pictures/imgFalnameh2.png", 106, 26},
    {":/pictures/imgFalnameh3.png", 106, 36},
    {":/pictures/imgBackTR.png", 491, 248},
    {":/pictures/imgNext1.png", 25, 25},
    {":/pictures/imgNext2.png", 25, 25},
    {":/pictures/imgBack1.png", 25, 25},
    {":/pictures/imgBack2.png", 25, 25},
    {":/pictures/imgSherChap1.png", 24, 24},
    {":/pictures/imgSherChap2.png", 24, 24},
    {":/pictures/imgSherRast1.png", 24, 24},
    {":/pictures/imgSherRast2.png", 24, 24},
    {":/pictures/imgTopRoozShomar.png", 494, 26},
    {":/jpg/2001.jpg", 496, 287},
    {":/jpg/ABOUT.jpg", 496, 287},
    {":/jpg/BACK_OPTION.jpg", 496, 287},
    {":/jpg/HTROOZ.jpg", 496, 36},
    {":/icons/darvista.png", 256, 256},
};

QImage load(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

TEST(Resources, EveryPictureHasItsPathFormatAndSize) {
    for (const Expected& e : kPictures) {
        const QString path = QString::fromLatin1(e.path);
        SCOPED_TRACE(e.path);
        ASSERT_TRUE(QFile::exists(path));
        QImageReader reader(path);
        const QByteArray format = reader.format();
        EXPECT_EQ(format,
                  path.endsWith(QStringLiteral(".jpg")) ? QByteArray("jpeg") : QByteArray("png"));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.width(), e.width);
        EXPECT_EQ(image.height(), e.height);
    }
}

TEST(Resources, HoverAndSelectedPicturesDifferFromNormal) {
    const char* pairs[] = {"imgMin",
                           "imgasli",
                           "imgfMataleb",
                           "imgExit",
                           "imgDast",
                           "imgTrooz",
                           "imgMonasebat",
                           "imgBank",
                           "imgSetting",
                           "imgNext_tip",
                           "imgBack_tip",
                           "imgNext",
                           "imgBack",
                           "imgSherChap",
                           "imgSherRast",
                           "imgTagvimRooz",
                           "imgRoozShomarPezeshki",
                           "imgFalnameh"};
    for (const char* name : pairs) {
        SCOPED_TRACE(name);
        const QString base = QStringLiteral(":/pictures/") + QLatin1String(name);
        const QImage normal = load(base + QStringLiteral("1.png"));
        const QImage hover = load(base + QStringLiteral("2.png"));
        ASSERT_FALSE(normal.isNull());
        ASSERT_FALSE(hover.isNull());
        EXPECT_NE(normal, hover);
    }
    for (const char* tab : {"imgTagvimRooz", "imgRoozShomarPezeshki", "imgFalnameh"}) {
        SCOPED_TRACE(tab);
        const QString base = QStringLiteral(":/pictures/") + QLatin1String(tab);
        const QImage selected = load(base + QStringLiteral("3.png"));
        const QImage top = selected.copy(0, 0, 106, 26);
        EXPECT_NE(top, load(base + QStringLiteral("1.png")));
        EXPECT_NE(top, load(base + QStringLiteral("2.png")));
    }
}

TEST(Resources, BackArrowsPointTheOtherWay) {
    // Each "back" arrow is drawn from its "next" arrow, mirrored; without the
    // mirroring both would point the same way.
    const char* pairs[][2] = {
        {"imgNext_tip", "imgBack_tip"}, {"imgNext", "imgBack"}, {"imgSherChap", "imgSherRast"}};
    for (const auto& pair : pairs) {
        for (const char* state : {"1", "2"}) {
            SCOPED_TRACE(std::string(pair[0]) + state);
            const QImage next = load(QStringLiteral(":/pictures/%1%2.png")
                                         .arg(QLatin1String(pair[0]), QLatin1String(state)));
            const QImage back = load(QStringLiteral(":/pictures/%1%2.png")
                                         .arg(QLatin1String(pair[1]), QLatin1String(state)));
            EXPECT_NE(next, back);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    Q_INIT_RESOURCE(darvista_assets);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
