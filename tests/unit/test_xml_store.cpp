#include "data/XmlStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const char* kFortunes = R"(<Falnameh>
  <Falnameh1><post>first</post></Falnameh1>
  <Falnameh2><post>second</post></Falnameh2>
  <Falnameh12><post>twelfth</post></Falnameh12>
</Falnameh>)";

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
    return path;
}

} // namespace

TEST(XmlStore, EveryFailureReadsAsEmpty) {
    QTemporaryDir dir;
    const QString good = writeFile(dir, "good.xml", "<a><b>text</b></a>");
    const QString broken = writeFile(dir, "broken.xml", "<a><b>text</a>");
    struct Case {
        const char* what;
        QString source;
        int16_t mode;
        const char* path;
        bool loads;
    };
    const Case cases[] = {
        {"missing file", dir.filePath("none.xml"), 0, "/a/b", false},
        {"not well-formed", broken, 0, "/a/b", false},
        {"unknown mode", good, 2, "/a/b", false},
        {"path matches nothing", good, 0, "/a/c", true},
        {"wrong root", good, 0, "/x/b", true},
        {"relative path", good, 0, "a/b", true},
        {"predicate is not in the language", good, 0, "/a/b[1]", true},
        {"attribute step", good, 0, "/a/@x", true},
        {"trailing slash", good, 0, "/a/b/", true},
        {"three slashes", good, 0, "/a///b", true},
        {"empty path", good, 0, "", true},
    };
    for (const Case& c : cases) {
        XmlStore store;
        EXPECT_EQ(store.OpenXmlDoc(c.source, c.mode), c.loads) << c.what;
        EXPECT_EQ(store.GetXmlText(QString::fromLatin1(c.path)), QString()) << c.what;
    }
    XmlStore never;
    EXPECT_EQ(never.GetXmlText("/a/b"), QString()) << "read before any load";
}

TEST(XmlStore, EachLoadReplacesTheDocument) {
    QTemporaryDir dir;
    const QString first = writeFile(dir, "first.xml", "<a><only>one</only></a>");
    const QString second = writeFile(dir, "second.xml", "<a><b>two</b></a>");
    XmlStore store;
    ASSERT_TRUE(store.OpenXmlDoc(first, 0));
    EXPECT_EQ(store.GetXmlText("/a/only"), "one");
    ASSERT_TRUE(store.OpenXmlDoc(second, 0));
    EXPECT_EQ(store.GetXmlText("/a/only"), "");
    EXPECT_EQ(store.GetXmlText("/a/b"), "two");
    // A failed load leaves nothing readable, and the next good load works.
    EXPECT_FALSE(store.OpenXmlDoc(dir.filePath("missing.xml"), 0));
    EXPECT_EQ(store.GetXmlText("/a/b"), "");
    EXPECT_TRUE(store.OpenXmlDoc(second, 0));
    EXPECT_EQ(store.GetXmlText("/a/b"), "two");
}

TEST(XmlStore, FileChangedOnDiskShowsItsNewContent) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, "tips.xml", "<a><b>old</b></a>");
    XmlStore store;
    store.OpenXmlDoc(path, 0);
    EXPECT_EQ(store.GetXmlText("/a/b"), "old");
    writeFile(dir, "tips.xml", "<a><b>new</b></a>");
    store.OpenXmlDoc(path, 0);
    EXPECT_EQ(store.GetXmlText("/a/b"), "new");
}

TEST(XmlStore, ElementTextIsTheTextOfAllItsDescendants) {
    XmlStore store;
    ASSERT_TRUE(
        store.OpenXmlDoc("<r>\n  <rec>\n    <title>Head</title>\n    <post>Body <i>with</i> and "
                         "<![CDATA[a & b]]></post>\n  </rec>\n</r>",
                         1));
    EXPECT_EQ(store.GetXmlText("/r/rec"), "HeadBody with and a & b");
    EXPECT_EQ(store.GetXmlText("/r/rec/post"), "Body with and a & b");
    EXPECT_EQ(store.GetXmlText("//post"), "Body with and a & b");
}

TEST(XmlStore, RecordNumbersArePartOfTheElementName) {
    XmlStore store;
    ASSERT_TRUE(store.OpenXmlDoc(kFortunes, 1));
    EXPECT_EQ(store.GetXmlText("//Falnameh//Falnameh1//post"), "first");
    EXPECT_EQ(store.GetXmlText("//Falnameh//Falnameh12//post"), "twelfth");
    EXPECT_EQ(store.GetXmlText("/Falnameh/Falnameh1/post"), "first");
    EXPECT_EQ(store.GetXmlText("/Falnameh/Falnameh12/post"), "twelfth");
    EXPECT_EQ(store.GetXmlText("/Falnameh/Falnameh3/post"), "");
}

TEST(XmlStore, FirstMatchInDocumentOrderWins) {
    XmlStore store;
    // Nested records: the inner <y> comes first in the document although it
    // is found through the second <x>.
    ASSERT_TRUE(store.OpenXmlDoc(
        "<r><x><x><y>inner</y></x><y>outer</y></x><dup>1</dup><dup>2</dup></r>", 1));
    EXPECT_EQ(store.GetXmlText("//x/y"), "inner");
    EXPECT_EQ(store.GetXmlText("/r/dup"), "1");
    // Many siblings: the lookup by name still takes the first of a name.
    QString many = "<r>";
    for (int i = 1; i <= 100; ++i) {
        many += QString("<item%1><t>%1</t></item%1>").arg(i);
    }
    many += "<item7><t>again</t></item7></r>";
    ASSERT_TRUE(store.OpenXmlDoc(many, 1));
    EXPECT_EQ(store.GetXmlText("/r/item7/t"), "7");
    EXPECT_EQ(store.GetXmlText("/r/item100/t"), "100");
    EXPECT_EQ(store.GetXmlText("/r/item101/t"), "");
}

TEST(XmlStore, ReadsAFileDeclaredAsWindows1256) {
    XmlStore store;
    ASSERT_TRUE(store.OpenXmlDoc(DARVISTA_FIXTURES "/cp1256.xml", 0));
    EXPECT_EQ(store.GetXmlText("/details/details1/title"), QString::fromUtf8("سلام دنيا"));
}

TEST(XmlStore, AnUnknownDeclaredEncodingFailsToLoad) {
    QTemporaryDir dir;
    const QString path = writeFile(
        dir, "x.xml", "<?xml version=\"1.0\" encoding=\"no-such-charset\"?><a><b>x</b></a>");
    XmlStore store;
    EXPECT_FALSE(store.OpenXmlDoc(path, 0));
    EXPECT_EQ(store.GetXmlText("/a/b"), "");
}
