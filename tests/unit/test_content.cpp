#include "data/XmlStore.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

// The shipped content: every record that a count promises is there, and the
// texts use the code points the program compares by.
namespace {

const QString kContent = QStringLiteral(DARVISTA_CONTENT "/");

void expectPersianCodePoints(const QString& text, const std::string& where) {
    EXPECT_FALSE(text.contains(QChar(0x06CC))) << where << ": Persian yeh instead of U+064A";
    EXPECT_FALSE(text.contains(QChar(0x0643))) << where << ": Arabic kaf instead of keheh";
}

} // namespace

TEST(Content, EveryCountedRecordIsThere) {
    struct File {
        const char* name;
        const char* countPath;
        const char* recordPrefix;
        std::vector<const char*> parts;
        int atLeast;
    };
    const File files[] = {
        {"details.xml", "/details/info/tedad", "/details/details", {"/title"}, 30},
        {"purepoem.xml",
         "/purepoem/info/Tedad",
         "/purepoem/purepoem",
         {"/M1", "/M2", "/M3", "/M4"},
         60},
    };
    XmlStore store;
    for (const File& f : files) {
        ASSERT_TRUE(store.OpenXmlDoc(kContent + f.name, 0)) << f.name;
        bool ok = false;
        const int count = store.GetXmlText(f.countPath).toInt(&ok);
        ASSERT_TRUE(ok) << f.name;
        EXPECT_GE(count, f.atLeast) << f.name;
        for (int i = 1; i <= count + 1; ++i) {
            for (const char* part : f.parts) {
                const QString path = f.recordPrefix + QString::number(i) + part;
                const QString text = store.GetXmlText(path);
                if (i <= count) {
                    EXPECT_FALSE(text.isEmpty()) << f.name << " " << path.toStdString();
                    expectPersianCodePoints(text, path.toStdString());
                } else {
                    EXPECT_TRUE(text.isEmpty()) << f.name << ": more records than the count";
                }
            }
        }
    }
}

TEST(Content, DayFilesUseTheKeysThePagesLookUp) {
    XmlStore store;
    ASSERT_TRUE(store.OpenXmlDoc(kContent + "Rokhdadha.xml", 0));
    // A few fixed days that every year has.
    EXPECT_FALSE(store.GetXmlText("/Rokhdad/farvardin/far1/koli").isEmpty());
    EXPECT_FALSE(store.GetXmlText("/Rokhdad/apr/apr7/koli").isEmpty());
    EXPECT_FALSE(store.GetXmlText("/Rokhdad/ramazan/ramazan21/koli").isEmpty());
    expectPersianCodePoints(store.GetXmlText("/Rokhdad"), "Rokhdadha.xml");

    ASSERT_TRUE(store.OpenXmlDoc(kContent + "RoozShomar.xml", 0));
    const QString all = store.GetXmlText("/RoozShomar");
    EXPECT_GT(all.size(), 10000);
    expectPersianCodePoints(all, "RoozShomar.xml");
    const QString day = store.GetXmlText("/RoozShomar/may14");
    EXPECT_TRUE(QRegularExpression("^\\d{3,4} - ").match(day).hasMatch()) << day.toStdString();
}
