#include "platform/RegistryStore.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Each test starts without a store file (XDG_CONFIG_HOME is private to the
// test program).
class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override { QFile::remove(RegistryStore::FileName()); }
    void TearDown() override { QFile::remove(RegistryStore::FileName()); }

    static QByteArray fileBytes() {
        QFile f(RegistryStore::FileName());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void writeFile(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(RegistryStore::FileName()).absolutePath());
        QFile f(RegistryStore::FileName());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    // Makes the next access parse the file again rather than use what the
    // settings layer remembers of it (the size changes).
    static void reloadFromDisk() { writeFile(fileBytes() + "\n; reloaded\n"); }
};

TEST_F(RegistryStoreTest, KeyPathsAndNamesIgnoreCaseAndSeparators) {
    ASSERT_TRUE(RegistryStore::WriteString("Software\\Ovd\\Harbinet", "EditHtml", "/usr/bin/editor"));
    ASSERT_TRUE(RegistryStore::WriteString("Software\\Каталог\\Окна", "Pos_ФормаГлавная", "1;2;3;4;0"));
    const struct {
        const char* path;
        const char* name;
        const char* value;
    } reads[] = {
        {"Software\\Ovd\\Harbinet", "EditHtml", "/usr/bin/editor"},
        {"software/ovd/harbinet", "edithtml", "/usr/bin/editor"},
        {"\\SOFTWARE\\OVD\\HARBINET\\", "EDITHTML", "/usr/bin/editor"},
        {"/Software/Ovd\\Harbinet/", "editHTML", "/usr/bin/editor"},
        {"Software\\\\Ovd//Harbinet", "EditHtml", "/usr/bin/editor"},
        {"SOFTWARE\\КАТАЛОГ\\окна", "pos_формаглавная", "1;2;3;4;0"},
    };
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto& r : reads) {
            SCOPED_TRACE(QStringLiteral("%1 | %2 (pass %3)").arg(r.path, r.name).arg(pass).toStdString());
            EXPECT_EQ(RegistryStore::ReadString(QString::fromUtf8(r.path), QString::fromUtf8(r.name)),
                      QString::fromUtf8(r.value));
            EXPECT_TRUE(RegistryStore::KeyExists(QString::fromUtf8(r.path)));
        }
        reloadFromDisk();
    }
    EXPECT_FALSE(RegistryStore::ReadString("Software\\Ovd", "EditHtml"));
    EXPECT_FALSE(RegistryStore::ReadString("Software\\Ovd\\Harbinet", "ViewFlash"));
}

TEST_F(RegistryStoreTest, WrittenValuesReadBackExactlyFromTheFile) {
    const char* values[] = {
        "",
        "a,b",
        "a, b ,c",
        "20;10;800;600;0",
        "Wheels=go*17",
        "C:\\Program Files\\new\\t",
        "\\\\server\\share\\",
        "He said \"hi\"",
        "\"quoted\"",
        "\"",
        "  leading and trailing  ",
        "\ttab",
        "two\nlines\r\nthree",
        "Каталог запчастей, «передняя подвеска»",
        "@Variant(x)",
        "[section]",
        "; not a comment",
        "# nor this",
        "%41%",
        "trailing backslash\\",
    };
    for (int i = 0; i < int(std::size(values)); ++i)
        ASSERT_TRUE(RegistryStore::WriteString("Software\\Test", QStringLiteral("v%1").arg(i),
                                               QString::fromUtf8(values[i])));
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < int(std::size(values)); ++i) {
            SCOPED_TRACE(values[i]);
            EXPECT_EQ(RegistryStore::ReadString("Software\\Test", QStringLiteral("v%1").arg(i)),
                      QString::fromUtf8(values[i]));
        }
        reloadFromDisk();
    }
}

TEST_F(RegistryStoreTest, ValueNamesWithSeparatorsAndMarkersRoundTrip) {
    const char* names[] = {"a/b", "a\\b", "x=y", "[n]", "50%", "%", "@", "", " padded ", ";c", "#c", "Имя"};
    for (const char* name : names)
        ASSERT_TRUE(
            RegistryStore::WriteString("Names", QString::fromUtf8(name), QStringLiteral("<%1>").arg(name)));
    reloadFromDisk();
    for (const char* name : names) {
        SCOPED_TRACE(name);
        EXPECT_EQ(RegistryStore::ReadString("Names", QString::fromUtf8(name)),
                  QStringLiteral("<%1>").arg(name));
    }
    QStringList expected;
    for (const char* name : names)
        expected << QString::fromUtf8(name).toLower();
    QStringList listed = RegistryStore::ValueNames("names");
    listed.sort();
    expected.sort();
    EXPECT_EQ(listed, expected);
    EXPECT_FALSE(RegistryStore::KeyExists("Names\\a"));
}

TEST_F(RegistryStoreTest, HandEditedFileReadsAsWritten) {
    const QByteArray file = "; settings edited by hand\n"
                            "[Software\\Ovd\\Harbinet]\r\n"
                            "EditHtml = /usr/bin/gedit --new-window, --wait\r\n"
                            "ViewFlash=\"/opt/flash player/view\"\n"
                            "\n"
                            "[Software/Ovd/Catalogue/]\n"
                            "pos_frmMain=20;10;800;600;0\n"
                            "favorite_0=Колёса, диски=go*17\n"
                            "Path=C:\\Program Files\\new\\table\n"
                            "Said=He said \"hi\" ; really\n"
                            "Padded=   a b   \n"
                            "KeepSpaces=\"  a b  \"\n"
                            "Escapes=\"x\\\"y\\\\z\\qw\"\n"
                            "list=a,b,c\n"
                            "Empty=\n"
                            "a line without an equals sign\n"
                            "  # indented comment\n"
                            "Twice=first\n"
                            "TWICE=second\n";
    writeFile(file);
    const struct {
        const char* path;
        const char* name;
        const char* value;
    } cases[] = {
        {"Software\\Ovd\\Harbinet", "EditHtml", "/usr/bin/gedit --new-window, --wait"},
        {"Software\\Ovd\\Harbinet", "ViewFlash", "/opt/flash player/view"},
        {"Software\\Ovd\\Catalogue", "pos_frmMain", "20;10;800;600;0"},
        {"Software\\Ovd\\Catalogue", "favorite_0", "Колёса, диски=go*17"},
        {"Software\\Ovd\\Catalogue", "Path", "C:\\Program Files\\new\\table"},
        {"Software\\Ovd\\Catalogue", "Said", "He said \"hi\" ; really"},
        {"Software\\Ovd\\Catalogue", "Padded", "a b"},
        {"Software\\Ovd\\Catalogue", "KeepSpaces", "  a b  "},
        {"Software\\Ovd\\Catalogue", "Escapes", "x\"y\\z\\qw"},
        {"Software\\Ovd\\Catalogue", "list", "a,b,c"},
        {"Software\\Ovd\\Catalogue", "Empty", ""},
        {"Software\\Ovd\\Catalogue", "Twice", "second"},
    };
    auto checkAll = [&] {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            EXPECT_EQ(RegistryStore::ReadString(QString::fromUtf8(c.path), QString::fromUtf8(c.name)),
                      QString::fromUtf8(c.value));
        }
    };
    checkAll();
    // Writing another value keeps every hand-edited one as it was.
    ASSERT_TRUE(RegistryStore::WriteString("Software\\Ovd\\Catalogue", "favorite_1", "new"));
    reloadFromDisk();
    checkAll();
    EXPECT_EQ(RegistryStore::ReadString("Software\\Ovd\\Catalogue", "favorite_1"), QString("new"));
}

TEST_F(RegistryStoreTest, HandEditedFileInSingleByteEncoding) {
    writeFile("[Software\\" + ToCp1251("Каталог") + "]\nName=" + ToCp1251("Передняя подвеска") + "\n");
    EXPECT_EQ(RegistryStore::ReadString("software\\каталог", "name"), QString("Передняя подвеска"));
}

TEST_F(RegistryStoreTest, ReadingCreatesNothing) {
    EXPECT_FALSE(RegistryStore::ReadString("Software\\Missing", "x"));
    EXPECT_FALSE(RegistryStore::KeyExists("Software\\Missing"));
    EXPECT_FALSE(RegistryStore::ValueExists("Software\\Missing", "x"));
    EXPECT_TRUE(RegistryStore::ValueNames("Software\\Missing").isEmpty());
    RegistryStore::DeleteValue("Software\\Missing", "x");
    EXPECT_FALSE(QFileInfo::exists(RegistryStore::FileName()));

    ASSERT_TRUE(RegistryStore::WriteString("Software\\Present", "x", "1"));
    const QByteArray before = fileBytes();
    EXPECT_FALSE(RegistryStore::ReadString("Software\\Missing", "x"));
    EXPECT_FALSE(RegistryStore::KeyExists("Software\\Missing"));
    EXPECT_FALSE(RegistryStore::ReadString("Software\\Present", "y"));
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(RegistryStoreTest, KeysOutliveTheirValues) {
    RegistryStore::CreateKey("Software\\Ovd\\Empty");
    ASSERT_TRUE(RegistryStore::WriteString("Control Panel\\Desktop", "Wallpaper", "/a.bmp"));
    ASSERT_TRUE(RegistryStore::WriteString("Control Panel\\Desktop", "TileWallpaper", "0"));
    RegistryStore::DeleteValue("control panel/desktop", "WALLPAPER");
    RegistryStore::DeleteValue("control panel/desktop", "TileWallpaper");
    reloadFromDisk();
    EXPECT_TRUE(RegistryStore::KeyExists("Software\\Ovd\\Empty"));
    EXPECT_TRUE(RegistryStore::KeyExists("software"));
    EXPECT_TRUE(RegistryStore::ValueNames("Software\\Ovd\\Empty").isEmpty());
    EXPECT_TRUE(RegistryStore::KeyExists("Control Panel\\Desktop"));
    EXPECT_FALSE(RegistryStore::ValueExists("Control Panel\\Desktop", "Wallpaper"));
    EXPECT_TRUE(RegistryStore::ValueNames("Control Panel\\Desktop").isEmpty());
}

TEST_F(RegistryStoreTest, DeleteValueKeepsTheOthers) {
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(
            RegistryStore::WriteString("Fav", QStringLiteral("favorite_%1").arg(i), QString::number(i)));
    RegistryStore::DeleteValue("fav", "Favorite_2");
    reloadFromDisk();
    QStringList names = RegistryStore::ValueNames("Fav");
    names.sort();
    EXPECT_EQ(names, QStringList({"favorite_0", "favorite_1", "favorite_3"}));
    EXPECT_EQ(RegistryStore::ReadString("Fav", "favorite_3"), QString("3"));
}

TEST_F(RegistryStoreTest, UnwritableStoreReportsFailure) {
    // The config folder lies under a regular file, so no folder can be made.
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.filePath("file/config").toUtf8());
    const bool written = RegistryStore::WriteString("Software\\x", "y", "z");
    const auto read = RegistryStore::ReadString("Software\\x", "y");
    qputenv("XDG_CONFIG_HOME", previous);
    EXPECT_FALSE(written);
    EXPECT_FALSE(read);
}

} // namespace
