#include "archive/uIniFiles.h"

#include "ArchiveBytes.h"
#include "archive/gPack.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(TPakIniFile, ValueSyntax) {
    struct Row {
        const char* name;
        QString text;
        QString section;
        QString key;
        QString value; // "<none>" when the key must be missing
    } rows[] = {
        {"Plain", "[s]\nk=v", "s", "k", "v"},
        {"Trimmed", "  [ s ]  \r\n  k  =  v w  \r\n", "s", "k", "v w"},
        {"TabsTrimmed", "[s]\n\tk\t=\tv\t", "s", "k", "v"},
        {"NoBreakSpaceKept", QStringLiteral("[s]\nk=v\u00A0"), "s", "k", QStringLiteral("v\u00A0")},
        {"ValueWithEquals", "[s]\nk=a=b", "s", "k", "a=b"},
        {"EmptyValue", "[s]\nk=", "s", "k", ""},
        {"SectionCase", "[Form1]\nk=v", "FORM1", "k", "v"},
        {"KeyCase", "[s]\nCaption=v", "s", "CAPTION", "v"},
        {"CyrillicCase", QStringLiteral("[Окно]\nКлюч=v"), QStringLiteral("ОКНО"), QStringLiteral("ключ"),
         "v"},
        {"FirstKeyWins", "[s]\nk=1\nK=2", "s", "k", "1"},
        {"FirstSectionWins", "[s]\nk=1\n[S]\nk=2\nx=3", "s", "x", "<none>"},
        {"CommentIgnored", "[s]\n;k=1\n  ;k=2\nk=3", "s", "k", "3"},
        {"SemicolonInsideKept", "[s]\nk=a;b", "s", "k", "a;b"},
        {"LineWithoutEquals", "[s]\nk\nk=2", "s", "k", "2"},
        {"BeforeFirstSection", "k=1\n[s]\nx=2", "s", "k", "<none>"},
        {"UnclosedSectionIsNoSection", "[s]\n[t\nk=1", "s", "k", "1"},
        {"BracketLineIsSection", "[s]\n[]\nk=1", "", "k", "1"},
        {"MissingSection", "[s]\nk=1", "t", "k", "<none>"},
        {"CrOnlyBreaks", "[s]\rk=1\r", "s", "k", "1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const TPakIniFile ini = TPakIniFile::FromText(row.text);
        const bool missing = row.value == "<none>";
        EXPECT_EQ(ini.ValueExists(row.section, row.key), !missing);
        EXPECT_EQ(ini.ReadString(row.section, row.key, "<none>"), row.value);
    }
}

TEST(TPakIniFile, SectionsAndKeysInFileOrder) {
    const TPakIniFile ini = TPakIniFile::FromText("; head\n[Main]\ntype=form\nCaption = Окно\nnokey\n"
                                                  "TYPE=panel\n[panel1]\nmaster=Main\n[main]\nx=1\n");
    EXPECT_EQ(ini.ReadSections(), QStringList({"Main", "panel1", "main"}));
    EXPECT_EQ(ini.ReadSection("MAIN"), QStringList({"type", "Caption", "TYPE"}));
    EXPECT_EQ(ini.ReadKeys("MAIN"), QStringList({"type", "Caption"})) << "a key written twice counts once";
    EXPECT_EQ(ini.ReadSectionValues("main"), QStringList({"type=form", "Caption=Окно", "TYPE=panel"}));
    EXPECT_TRUE(ini.SectionExists("PANEL1"));
    EXPECT_FALSE(ini.SectionExists("panel2"));
    EXPECT_TRUE(ini.ReadSection("panel2").isEmpty());
    EXPECT_EQ(ini.ReadString("panel2", "x"), QString());
}

TEST(TPakIniFile, ReadsByNameThroughTheArchive) {
    TempAppFolder app;
    RecordingPlatformGuard rec;
    ASSERT_TRUE(OpenArchive(app.writeBytes(
        "interface.dat",
        ArchiveBytes().add("struct_main.txt", ToCp1251(QStringLiteral("[Форма]\ntype=form"))).bytes())));
    app.writeBytes("utf.txt", "\xEF\xBB\xBF[s]\nk=" + QStringLiteral("значение").toUtf8());
    const TPakIniFile packed("Struct_Main.txt");
    EXPECT_EQ(packed.ReadString(QStringLiteral("форма"), "TYPE"), "form");
    EXPECT_EQ(packed.FileName(), "Struct_Main.txt");
    EXPECT_EQ(TPakIniFile("utf.txt").ReadString("s", "k"), QStringLiteral("значение"));
    const TPakIniFile missing("none.txt");
    EXPECT_TRUE(missing.ReadSections().isEmpty());
    EXPECT_EQ(rec->shown(), QStringList{QStringLiteral("Не найден файл \r\nnone.txt")});
    CloseArchive();
}

// Short and long sections are looked up differently; both keep the first
// of equal names.
TEST(TPakIniFile, ManySectionsAndLongSectionsKeepFirstWins) {
    QString text;
    for (int i = 0; i < 5000; ++i)
        text += QString("[obj%1]\ntype=panel\nleft=%2\n").arg(i % 4000).arg(i);
    text += "[Long]\n";
    for (int k = 0; k < 40; ++k)
        text += QString("Key%1=%2\n").arg(k % 30).arg(k);
    const TPakIniFile ini = TPakIniFile::FromText(text);
    EXPECT_EQ(ini.ReadSections().size(), 5001);
    EXPECT_EQ(ini.ReadString("OBJ3999", "left"), "3999");
    EXPECT_EQ(ini.ReadString("obj4", "left"), "4");
    EXPECT_EQ(ini.ReadString("obj10", "LEFT"), "10");
    EXPECT_EQ(ini.ReadSection("long").size(), 40);
    EXPECT_EQ(ini.ReadString("long", "KEY5"), "5");
    EXPECT_EQ(ini.ReadString("long", "key29"), "29");
    EXPECT_FALSE(ini.ValueExists("long", "key30"));
}

} // namespace
