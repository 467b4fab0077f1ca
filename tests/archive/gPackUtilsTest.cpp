#include "archive/gPackUtils.h"

#include "ArchiveBytes.h"
#include "archive/gPack.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

TEST(DecodeText, Cp1251UnlessUtf8ByteOrderMark) {
    const QString text = QStringLiteral("Автозапчасти ёЁ №");
    EXPECT_EQ(DecodeText(ToCp1251(text)), text);
    EXPECT_EQ(DecodeText("\xEF\xBB\xBF" + text.toUtf8()), text);
    // Without the mark UTF-8 bytes are taken as cp1251.
    EXPECT_NE(DecodeText(text.toUtf8()), text);
    EXPECT_EQ(DecodeText("\xEF\xBB\xBF"), QString());
    EXPECT_EQ(DecodeText(QByteArray()), QString());
}

TEST(SplitLines, AnyLineBreak) {
    struct Row {
        const char* name;
        QString text;
        QStringList lines;
    } rows[] = {
        {"Empty", "", {}},
        {"OneLine", "a", {"a"}},
        {"FinalBreakAddsNoLine", "a\r\n", {"a"}},
        {"CrLf", "a\r\nb", {"a", "b"}},
        {"Lf", "a\nb\n", {"a", "b"}},
        {"Cr", "a\rb", {"a", "b"}},
        {"Mixed", "a\r\n\nb\r\rc", {"a", "", "b", "", "c"}},
        {"LfCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}},
        {"OnlyBreaks", "\r\n\r\n", {"", ""}},
        {"BlanksKept", " a \r\n", {" a "}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(SplitLines(row.text), row.lines);
    }
}

class LoaderTest : public ::testing::Test {
protected:
    void TearDown() override { CloseArchive(); }
    TempAppFolder app;
    RecordingPlatformGuard rec;
};

TEST_F(LoaderTest, PackAndTextListReadThroughTheArchive) {
    QByteArray scrambled = ToCp1251(QStringLiteral("первая\r\nвторая\r\n"));
    for (char& c : scrambled)
        c = char(c ^ ArchiveKeyByte);
    ASSERT_TRUE(
        OpenArchive(app.writeBytes("interface.dat", ArchiveBytes().add("list.txt", scrambled, 1).bytes())));
    EXPECT_EQ(LoadTextList("LIST.TXT"), QStringList({QStringLiteral("первая"), QStringLiteral("вторая")}));

    app.writeBytes("utf.txt", "\xEF\xBB\xBF" + QStringLiteral("строка").toUtf8());
    EXPECT_EQ(LoadTextList("utf.txt"), QStringList{QStringLiteral("строка")});

    const auto pack = OpenPack("list.txt");
    EXPECT_TRUE(pack->isOpen());
    EXPECT_EQ(pack->pos(), 0);
    EXPECT_EQ(pack->size(), scrambled.size());
    EXPECT_EQ(pack->readLine(), ToCp1251(QStringLiteral("первая\r\n")));
    EXPECT_EQ(pack->fileName(), "list.txt");

    EXPECT_TRUE(LoadTextList("none.txt").isEmpty());
    EXPECT_EQ(rec->shown(), QStringList{QStringLiteral("Не найден файл \r\nnone.txt")});
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

TEST_F(LoaderTest, PictureFormatFollowsTheExtension) {
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QByteArray bmp = encoded(image, "BMP");
    const QByteArray jpg = encoded(image, "JPG");
    ASSERT_FALSE(bmp.isEmpty());
    ASSERT_FALSE(jpg.isEmpty());
    struct Row {
        const char* file;
        QByteArray bytes;
        bool decodes;
    } rows[] = {
        {"a.BMP", bmp, true},  {"a.jpeg", jpg, true},      {"a.jpg", jpg, true},
        {"pic", jpg, true},    {"dir.bmp/pic", jpg, true}, {"b.bmp", jpg, false},
        {"c.jpg", bmp, false}, {"noext", bmp, false},      {"d.png", jpg, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        rec->clear();
        app.writeBytes(row.file, row.bytes);
        const QImage loaded = LoadPicture(row.file);
        EXPECT_EQ(!loaded.isNull(), row.decodes);
        if (row.decodes) {
            EXPECT_EQ(loaded.size(), image.size());
            EXPECT_TRUE(rec->shown().isEmpty());
        } else {
            EXPECT_EQ(rec->texts("general"),
                      QStringList{QStringLiteral("Не удалось прочитать рисунок ") + row.file});
        }
    }
}

TEST_F(LoaderTest, MissingPictureIsReportedAndNull) {
    EXPECT_TRUE(LoadPicture("skin\\none.jpg").isNull());
    EXPECT_EQ(rec->texts("message"), QStringList{QStringLiteral("Не найден файл \r\nskin\\none.jpg")});
    EXPECT_EQ(rec->texts("general").size(), 1);
}

} // namespace
