// Catalogue XML in both encodings, read through the loaders into pugixml.

#include "catalogue/CatalogueXml.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(CatalogueXml, BothEncodingsGiveTheSameText) {
    TempAppFolder folder;
    RecordingPlatformGuard rec;
    const QString body = "<root><g1 name=\"Тормоза\"/></root>";
    struct Row {
        const char* name;
        QByteArray bytes;
    } rows[] = {
        {"cp1251 declared", ToCp1251("<?xml version=\"1.0\" encoding=\"windows-1251\"?>" + body)},
        {"cp1251 in capitals", ToCp1251("<?xml version=\"1.0\" encoding=\"WINDOWS-1251\"?>" + body)},
        {"utf-8 declared", ("<?xml version=\"1.0\" encoding=\"utf-8\"?>" + body).toUtf8()},
        {"utf-8 with a byte-order mark", "\xEF\xBB\xBF" + body.toUtf8()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        folder.writeBytes("data/doc.xml", row.bytes);
        pugi::xml_document doc;
        bool found = false;
        ASSERT_TRUE(LoadXmlFile(doc, "data\\doc.xml", &found));
        EXPECT_TRUE(found);
        EXPECT_EQ(XmlText(doc.child("root").child("g1").attribute("name").value()), "Тормоза");
        pugi::xml_document fromBytes;
        ASSERT_TRUE(LoadXmlDocument(fromBytes, row.bytes));
        EXPECT_EQ(XmlText(fromBytes.child("root").child("g1").attribute("name").value()), "Тормоза");
    }
    EXPECT_TRUE(rec->shown().isEmpty());
}

TEST(CatalogueXml, MissingFileIsReportedAndLeavesAnEmptyDocument) {
    TempAppFolder folder;
    RecordingPlatformGuard rec;
    pugi::xml_document doc;
    bool found = true;
    EXPECT_FALSE(LoadXmlFile(doc, "data\\none.xml", &found));
    EXPECT_FALSE(found);
    EXPECT_FALSE(doc.child("root"));
    EXPECT_EQ(rec->shown(), QStringList{"Не найден файл \r\ndata\\none.xml"});
}
