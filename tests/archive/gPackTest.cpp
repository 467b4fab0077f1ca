#include "archive/gPack.h"

#include "ArchiveBytes.h"
#include "platform/Paths.h"
#include "support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QString NotFound = QStringLiteral("Не найден файл \r\n");

class ArchiveTest : public ::testing::Test {
protected:
    // A failed open makes the program's folder the archive folder again.
    void SetUp() override { EXPECT_FALSE(OpenArchive(QString())); }
    void TearDown() override { CloseArchive(); }
    // Writes the archive into the program folder and opens it by its full name.
    bool open(const QByteArray& bytes, const QString& relative = "interface.dat") {
        return OpenArchive(app.writeBytes(relative, bytes));
    }
    QByteArray load(const QString& name) {
        QByteArray stream("stale");
        LoadFile(stream, name);
        return stream;
    }

    TempAppFolder app;
    RecordingPlatformGuard rec;
};

struct BadArchive {
    const char* name;
    QByteArray bytes;
    bool opens;
    QStringList messages;
    std::optional<QByteArray> firstEntry; // read back when the open succeeds
};

std::vector<BadArchive> badArchives() {
    const QByteArray good = ArchiveBytes().add("a", "abc").bytes();
    const QByteArray goodDir = ArchiveBytes().add("a", "abc").directory();
    const QString sig = QStringLiteral("Неверная сигнатура архива");
    using R = ArchiveBytes::Record;
    return {
        {"EmptyFile", QByteArray(), true, {}, std::nullopt},
        {"ShorterThanMagic", "BM", false, {}, std::nullopt},
        {"TruncatedHeader", good.left(10), false, {}, std::nullopt},
        {"TruncatedHeaderWrongMagic", "XYZ0000", false, {}, std::nullopt},
        {"WrongMagic", "BMB" + good.mid(3), false, {sig}, std::nullopt},
        {"HeaderOnly", ArchiveBytes().bytes(), false, {}, std::nullopt},
        {"DirectoryAtEnd", ArchiveBytes().add("a", "abc").bytes(good.size()), false, {}, std::nullopt},
        {"DirectoryPastEnd",
         ArchiveBytes().add("a", "abc").bytes(good.size() + 100),
         false,
         {},
         std::nullopt},
        {"DirectoryNegative", ArchiveBytes().add("a", "abc").bytes(0xFFFFFFF0LL), false, {}, std::nullopt},
        {"DirectoryHighBitsIgnored", ArchiveBytes().add("a", "abc").bytes((1LL << 32) + 18), true, {}, "abc"},
        {"NameRunsPastEnd", good.left(18) + char(200) + "abc", false, {}, std::nullopt},
        {"RecordCutInSize", good.chopped(7), false, {}, std::nullopt},
        {"PartialSecondRecord", good + goodDir.left(4), false, {}, std::nullopt},
        {"SizePastEnd", ArchiveBytes().add("a", "abc").record(R{"b", 100, 16, 0}).bytes(), true, {}, "abc"},
        {"HugeSize",
         ArchiveBytes().add("a", "abc").record(R{"b", 0x7FFFFFFF, 15, 0}).bytes(),
         true,
         {},
         "abc"},
        {"NegativeSize", ArchiveBytes().record(R{"a", -5, 15, 0}).bytes(), true, {}, QByteArray()},
        {"NegativeOffset", ArchiveBytes().record(R{"a", 3, -1, 0}).bytes(), true, {}, QByteArray()},
        {"OffsetPastEnd", ArchiveBytes().record(R{"a", 3, 1 << 30, 0}).bytes(), true, {}, QByteArray()},
    };
}

TEST_F(ArchiveTest, BadArchivesFailOrReadWithinTheFile) {
    for (const BadArchive& row : badArchives()) {
        SCOPED_TRACE(row.name);
        rec->clear();
        EXPECT_EQ(open(row.bytes), row.opens);
        EXPECT_EQ(rec->shown(), row.messages);
        EXPECT_EQ(ArchiveIsOpen(), row.opens);
        if (!row.opens) {
            EXPECT_TRUE(ArchiveEntries().empty());
            EXPECT_EQ(FindEntry("a"), -1);
        }
        if (row.firstEntry) {
            QByteArray stream;
            ReadEntry(stream, 0);
            EXPECT_EQ(stream, *row.firstEntry);
        }
        // Every record, however broken, reads without crashing and never
        // gives more than the file holds.
        for (int i = 0; i < int(ArchiveEntries().size()); ++i) {
            QByteArray stream;
            ReadEntry(stream, i);
            EXPECT_LE(stream.size(), row.bytes.size());
        }
        CloseArchive();
    }
}

// Every cut of a good archive, and every single-byte change of its
// directory, opens or fails quietly and reads only what the file holds.
TEST_F(ArchiveTest, CutOrChangedArchivesNeverReadOutsideTheFile) {
    const ArchiveBytes good = ArchiveBytes().add("a.txt", "alpha").add("b\\c.txt", "beta", 1);
    const QByteArray whole = good.bytes();
    std::vector<QByteArray> variants;
    for (int cut = 0; cut < whole.size(); ++cut)
        variants.push_back(whole.left(cut));
    for (qsizetype at = whole.size() - good.directory().size(); at < whole.size(); ++at) {
        for (char value : {'\x00', '\x7F', '\xFF'}) {
            QByteArray changed = whole;
            changed[at] = value;
            variants.push_back(changed);
        }
    }
    for (const QByteArray& bytes : variants) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        if (!open(bytes)) continue;
        for (int i = 0; i < int(ArchiveEntries().size()); ++i) {
            QByteArray stream;
            ReadEntry(stream, i);
            EXPECT_LE(stream.size(), bytes.size());
        }
    }
    EXPECT_TRUE(rec->shown().isEmpty());
}

TEST_F(ArchiveTest, EntryRunningPastTheEndIsCutToTheBytesThere) {
    using R = ArchiveBytes::Record;
    const QByteArray file = ArchiveBytes().add("a", "abcdef").record(R{"b", 100, 18, 0}).bytes();
    ASSERT_TRUE(open(file));
    // Entry b starts at "def" and claims 100 bytes: it reads to the end of the file.
    EXPECT_EQ(load("b"), file.mid(18));
}

// Reads go through a read-ahead window for entries read one after another;
// entries of every size must come back whole in any order.
TEST_F(ArchiveTest, EntriesReadBackInAnyOrder) {
    const int sizes[] = {1, 700, 40000, 20000, 70000, 3, 33000, 5, 140000, 12};
    ArchiveBytes archive;
    std::vector<QByteArray> contents;
    for (int i = 0; i < int(std::size(sizes)); ++i) {
        QByteArray bytes(sizes[i], Qt::Uninitialized);
        for (int k = 0; k < sizes[i]; ++k)
            bytes[k] = char((k * 7 + i * 13) & 0xFF);
        contents.push_back(bytes);
        if (i % 2) {
            for (char& c : bytes)
                c = char(c ^ ArchiveKeyByte);
        }
        archive.add(QByteArray("e") + QByteArray::number(i), bytes, uint8_t(i % 2));
    }
    ASSERT_TRUE(open(archive.bytes()));
    const int n = int(contents.size());
    std::vector<int> orders[3];
    for (int i = 0; i < n; ++i) {
        orders[0].push_back(i);
        orders[1].push_back(n - 1 - i);
        orders[2].push_back((i * 3) % n);
    }
    for (const auto& order : orders) {
        for (int k = 0; k < 2; ++k) { // each entry twice: from the window and from the file
            for (int i : order) {
                SCOPED_TRACE(i);
                ASSERT_EQ(load(QString("E%1").arg(i)), contents[size_t(i)]);
            }
        }
    }
}

TEST_F(ArchiveTest, LaterDuplicateRecordWins) {
    ASSERT_TRUE(
        open(ArchiveBytes().add("struct_main.txt", "first").add("struct_main.txt", "second").bytes()));
    EXPECT_EQ(ArchiveEntries().size(), 2u);
    EXPECT_EQ(FindEntry("struct_main.txt"), 1);
    EXPECT_EQ(load("struct_main.txt"), "second");
}

TEST_F(ArchiveTest, RequestIsLowerCasedButStoredNamesAreNot) {
    app.writeBytes("Data/result.xml", "disk");
    ASSERT_TRUE(open(ArchiveBytes()
                         .add("data\\result.xml", "packed")
                         .add("Data\\other.xml", "capital")
                         .add(ToCp1251("папка\\файл.txt"), "cyrillic")
                         .bytes()));
    EXPECT_EQ(FindEntry("Data\\Result.XML"), 0);
    EXPECT_EQ(FindEntry("DATA/RESULT.XML"), 0);
    EXPECT_EQ(FindEntry("ПАПКА\\Файл.TXT"), 2);
    EXPECT_EQ(FindEntry("Data\\other.xml"), -1);
    EXPECT_EQ(ArchiveEntries()[1].name, "Data\\other.xml");
    EXPECT_EQ(load("Data\\Result.XML"), "packed"); // the archive wins over the disk
    app.writeBytes("Data/Other.xml", "disk copy");
    EXPECT_EQ(load("Data\\other.xml"), "disk copy");
    EXPECT_TRUE(rec->shown().isEmpty());
}

TEST_F(ArchiveTest, AbsoluteRequestDropsTheArchiveFolder) {
    ASSERT_TRUE(open(ArchiveBytes().add("skin\\a.bmp", "bitmap").bytes(), "pack/interface.dat"));
    EXPECT_EQ(ArchiveFolder(), app.path() + "pack/");
    EXPECT_EQ(load(ArchiveFolder() + "skin\\a.bmp"), "bitmap");
    EXPECT_EQ(load(ArchiveFolder() + "Skin/A.BMP"), "bitmap");
    // Only the length of the folder counts, not its text.
    const QString sameLength = "C:" + QString(ArchiveFolder().size() - 2, 'x');
    EXPECT_EQ(load(sameLength + "skin\\a.bmp"), "bitmap");
    EXPECT_TRUE(FileExistsInArchive(sameLength + "skin\\a.bmp"));
    EXPECT_TRUE(rec->shown().isEmpty());
}

TEST_F(ArchiveTest, ScrambledOnlyWithFlagOne) {
    const QByteArray plain("\x00\x01\xA7\xFFtext", 8);
    QByteArray scrambled = plain;
    for (char& c : scrambled)
        c = char(c ^ ArchiveKeyByte);
    ASSERT_TRUE(open(ArchiveBytes()
                         .add("f0", plain, 0)
                         .add("f1", scrambled, 1)
                         .add("f2", plain, 2)
                         .add("f255", plain, 255)
                         .bytes()));
    for (const char* name : {"f0", "f1", "f2", "f255"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(load(name), plain);
    }
}

TEST_F(ArchiveTest, MissingFileShowsItsNameOncePerAttempt) {
    ASSERT_TRUE(open(ArchiveBytes().add("a", "x").bytes()));
    EXPECT_TRUE(load("Skin\\None.bmp").isEmpty());
    EXPECT_TRUE(load("Skin\\None.bmp").isEmpty());
    EXPECT_EQ(rec->shown(), QStringList({NotFound + "Skin\\None.bmp", NotFound + "Skin\\None.bmp"}));
    rec->clear();
    EXPECT_TRUE(load("").isEmpty());
    EXPECT_FALSE(FileExistsInArchive("Skin\\None.bmp"));
    EXPECT_TRUE(rec->shown().isEmpty());
}

TEST_F(ArchiveTest, DiskFallBackTakesEitherSeparatorAndAnyLetterCase) {
    app.writeBytes("Sub/Folder/File.Txt", "on disk");
    for (bool withArchive : {false, true}) {
        if (withArchive) {
            ASSERT_TRUE(open(ArchiveBytes().add("x", "x").bytes()));
        }
        for (const QString& name : {QString("Sub\\Folder\\File.Txt"), QString("sub/folder/file.txt"),
                                    QString("SUB\\folder/FILE.TXT"), app.path() + "sub\\FOLDER\\file.txt",
                                    QString("\\Sub\\Folder\\File.Txt")}) {
            SCOPED_TRACE(name.toStdString());
            EXPECT_EQ(load(name), "on disk");
            EXPECT_TRUE(FileExistsInArchive(name));
        }
    }
    EXPECT_TRUE(rec->shown().isEmpty());
}

TEST_F(ArchiveTest, RelativeDiskNamesAlsoResolveAgainstTheArchiveFolder) {
    app.writeBytes("pack/Only.txt", "beside the archive");
    ASSERT_TRUE(open(ArchiveBytes().add("x", "x").bytes(), "pack/interface.dat"));
    EXPECT_EQ(load("only.txt"), "beside the archive");
    EXPECT_EQ(load("Sub\\..\\ONLY.TXT"), "beside the archive");
    EXPECT_TRUE(rec->shown().isEmpty());
}

TEST_F(ArchiveTest, EmptyArchiveOpensWithNoEntries) {
    app.writeBytes("a.txt", "disk");
    ASSERT_TRUE(open(QByteArray()));
    EXPECT_TRUE(ArchiveIsOpen());
    EXPECT_TRUE(ArchiveEntries().empty());
    EXPECT_EQ(load("a.txt"), "disk");
}

TEST_F(ArchiveTest, OpenCloseAndReopen) {
    const QString first = app.writeBytes("one/interface.dat", ArchiveBytes().add("a", "one").bytes());
    const QString second = app.writeBytes("two.dat", ArchiveBytes().add("a", "two").bytes());
    ASSERT_TRUE(OpenArchive(first));
    EXPECT_EQ(ArchiveName(), first);
    // A missing archive changes nothing else: the open one stays open.
    EXPECT_FALSE(OpenArchive(app.path() + "missing.dat"));
    EXPECT_TRUE(ArchiveIsOpen());
    EXPECT_EQ(load("a"), "one");
    // Opening the same archive again re-reads it.
    ASSERT_TRUE(OpenArchive(first));
    EXPECT_EQ(ArchiveEntries().size(), 1u);
    EXPECT_EQ(load("a"), "one");
    // A relative name comes from the current folder; without a folder part
    // the archive folder is the program's folder.
    ASSERT_TRUE(OpenArchive("two.dat"));
    EXPECT_EQ(ArchiveName(), "two.dat");
    EXPECT_EQ(ArchiveFolder(), AppFolder());
    EXPECT_EQ(load("a"), "two");
    // Closing forgets the entries but keeps the folder.
    ASSERT_TRUE(OpenArchive(first));
    CloseArchive();
    EXPECT_FALSE(ArchiveIsOpen());
    EXPECT_TRUE(ArchiveName().isEmpty());
    EXPECT_EQ(FindEntry("a"), -1);
    EXPECT_EQ(ArchiveFolder(), app.path() + "one/");
    EXPECT_TRUE(load("a").isEmpty());
    EXPECT_EQ(rec->shown(), QStringList{NotFound + "a"});
    Q_UNUSED(second);
}

TEST_F(ArchiveTest, FileExistsInArchiveLooksInTheArchiveThenTheProgramFolder) {
    app.writeBytes("disk.txt", "d");
    QDir().mkpath(app.path() + "folder");
    ASSERT_TRUE(open(ArchiveBytes().add("packed.txt", "p").bytes(), "pack/interface.dat"));
    struct Row {
        QString name;
        bool exists;
    } rows[] = {
        {"packed.txt", true},
        {"PACKED.TXT", true},
        {"disk.txt", true},
        {"\\disk.txt", true},
        {"Disk.TXT", true},
        {"folder", false},
        {"none.txt", false},
        {"", false},
        {app.path() + "disk.txt", true},
        {ArchiveFolder() + "packed.txt", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        EXPECT_EQ(FileExistsInArchive(row.name), row.exists);
    }
    EXPECT_TRUE(rec->shown().isEmpty());
}

} // namespace
