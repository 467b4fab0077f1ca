#include "runtime/uUtils.h"

#include "platform/Errors.h"
#include "platform/RegistryStore.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QProgressBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString S(const char* text) {
    return QString::fromUtf8(text);
}

// ---- Text splitting ----

TEST(SplitHead, ConsumesTheTextPieceByPiece) {
    const struct {
        const char* text;
        const char* separator;
        QStringList pieces;
    } cases[] = {
        {"a*b*", "*", {"a", "b"}}, // a trailing separator gives no empty last piece
        {"*a", "*", {"", "a"}},    // a leading one gives an empty first piece
        {"a**b", "*", {"a", "", "b"}},  {"abc", "*", {"abc"}}, {"x*1//y*2//", "//", {"x*1", "y*2"}},
        {"a/b//c", "//", {"a/b", "c"}}, {"a b", "", {"a b"}}, // an empty separator must not loop forever
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        QString text = S(c.text);
        QStringList pieces;
        for (int guard = 0; !text.isEmpty() && guard < 20; ++guard)
            pieces << SplitHead(text, S(c.separator));
        EXPECT_EQ(pieces, c.pieces);
    }
    QString empty;
    EXPECT_EQ(SplitHead(empty, "*"), "");
    EXPECT_TRUE(empty.isEmpty());
}

TEST(TextSplitting, HeadTakeTailAndField) {
    EXPECT_EQ(HeadOf("a*b*c", "*"), "a");
    EXPECT_EQ(HeadOf("abc", "*"), "abc");
    EXPECT_EQ(HeadOf("*abc", "*"), "");

    const struct {
        int count;
        const char* text;
        const char* taken;
        const char* left;
    } takes[] = {{2, "abcd", "ab", "cd"},
                 {4, "abcd", "abcd", ""},
                 {9, "abc", "abc", ""},
                 {0, "abc", "", "abc"},
                 {-1, "abc", "", "abc"}};
    for (const auto& t : takes) {
        QString text = S(t.text);
        EXPECT_EQ(TakeChars(t.count, text), S(t.taken)) << t.count << t.text;
        EXPECT_EQ(text, S(t.left)) << t.count << t.text;
    }

    const struct {
        const char* text;
        QChar separator;
        const char* tail;
        const char* left;
    } tails[] = {
        {"one two three", ' ', " three", "one two"}, {"word", ' ', "word", ""}, {"a b ", ' ', " ", "a b"}};
    for (const auto& t : tails) {
        QString text = S(t.text);
        EXPECT_EQ(SplitTail(text, t.separator), S(t.tail)) << t.text;
        EXPECT_EQ(text, S(t.left)) << t.text;
    }

    const struct {
        const char* text;
        int n;
        const char* field;
    } fields[] = {{"a**c", 2, ""}, {"a**c", 3, "c"}, {"a**c", 1, "a"}, {"a**c", 0, ""},
                  {"a**c", 4, ""}, {"a*b", -1, ""},  {"a*b*", 3, ""}};
    for (const auto& f : fields)
        EXPECT_EQ(FieldOf(S(f.text), f.n), S(f.field)) << f.text << " #" << f.n;
}

TEST(Ellipsize, CutsAtTheLastSpace) {
    const struct {
        const char* text;
        int n;
        const char* out;
    } cases[] = {
        {"Hello world", 8, "Hello..."},
        {"Hello", 5, "Hell"}, // exactly n long is cut too; no space, no "..."
        {"Hi", 5, "Hi"},
        {"Front suspension arm", 10, "Front..."},
        {"Front suspension arm", 0, "Front suspension arm"},
        {"Front suspension arm", -3, "Front suspension arm"},
        {"Hello", 1, ""},
        {"a b", 3, "a..."},
        {"Передняя подвеска", 12, "Передняя..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Ellipsize(S(c.text), c.n), S(c.out)) << c.text << " / " << c.n;
}

TEST(FindInList, ContainsOrPrefixInLowerCaseAndFollowsTheBar) {
    const QStringList list = {"Hex bolt", "Bolt M8", "Nut", "БОЛТ М10"};
    const struct {
        const char* text;
        int start;
        bool prefix;
        int found;
        int bar; // progress bar value afterwards, -1 untouched
    } cases[] = {
        {"bolt", 0, false, 0, 1},  {"bolt", 0, true, 1, 2},    {"BOLT", 1, false, 1, 2},
        {"bolt", 2, false, -1, 4}, {"болт", 0, true, 3, 4},    {"m8", 0, true, -1, 4},
        {"nut", 4, false, -1, -1}, {"nut", 10, false, -1, -1}, {"nut", -5, false, 2, 3},
        {"", 1, false, 1, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 from %2%3")
                         .arg(S(c.text))
                         .arg(c.start)
                         .arg(c.prefix ? " prefix" : "")
                         .toStdString());
        QProgressBar bar;
        bar.setRange(0, 100);
        bar.setValue(0);
        EXPECT_EQ(FindInList(list, S(c.text), c.start, &bar, c.prefix), c.found);
        EXPECT_EQ(bar.value(), c.bar < 0 ? 0 : c.bar);
        EXPECT_EQ(FindInList(list, S(c.text), c.start, nullptr, c.prefix), c.found);
    }
}

TEST(InsertValue, ReplacesOrAppends) {
    const struct {
        const char* action;
        const char* value;
        bool append;
        const char* out;
    } cases[] = {
        {"tree_go*insert", "17", true, "tree_go*17"},
        {"tree_go", "17", true, "tree_go*17"},
        {"tree_go*", "17", true, "tree_go*17"},
        {"tree_go", "17", false, "tree_go"},
        {"html_load*view*data\\insert.htm", "17", true, "html_load*view*data\\17.htm"},
        {"a*insert//b*insert", "x", false, "a*x//b*x"},
        {"a*INSERT", "x", true, "a*INSERT*x"},    // the word is matched with its case
        {"a*insert", "insert", true, "a*insert"}, // a value holding the word is put in once
        {"", "17", true, ""},
        {"go", "", true, "go*"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InsertValue(S(c.action), S(c.value), c.append), S(c.out)) << c.action;
}

// ---- Values ----

TEST(TextToBool, TrueFalseOrTheDefault) {
    const struct {
        const char* text;
        bool def;
        bool out;
    } cases[] = {
        {"  TRUE ", false, true}, {"1", false, true},    {"False", true, false}, {" 0", true, false},
        {"yes", true, true},      {"yes", false, false}, {"", false, false},     {"", true, true},
        {"no", true, true},       {"10", false, false},  {"tru", true, true},    {"\tfalse\n", true, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToBool(S(c.text), c.def), c.out) << '"' << c.text << "\" default " << c.def;
    EXPECT_EQ(BoolToText(true), "1");
    EXPECT_EQ(BoolToText(false), "0");
    EXPECT_TRUE(IsEven(0) && IsEven(-4) && !IsEven(7) && !IsEven(-3));
}

TEST(ColorFromText, HtmlWindowsAndBareFormsAgree) {
    const struct {
        const char* text;
        QRgb rgb;
    } cases[] = {
        {"#FF0000", qRgb(255, 0, 0)},
        {"$0000FF", qRgb(255, 0, 0)},
        {"0000FF", qRgb(255, 0, 0)},
        {"#1E90FF", qRgb(30, 144, 255)},
        {"$FF901E", qRgb(30, 144, 255)},
        {"#000080", qRgb(0, 0, 128)},
        {"#FFF", qRgb(255, 15, 0)},
        {"$FFF", qRgb(255, 15, 0)},
        {"#1E90FFAA", qRgb(30, 144, 255)},
        {"$ff901e", qRgb(30, 144, 255)},
        {"0", qRgb(0, 0, 0)},
        {"$02FF901E", qRgb(30, 144, 255)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const QColor color = ColorFromText(S(c.text));
        ASSERT_TRUE(color.isValid());
        EXPECT_EQ(color.rgb(), c.rgb);
    }
    EXPECT_EQ(ColorToWin(ColorFromText("#1E90FF")), 0xFF901Eu);
}

TEST(ColorFromText, BadTextRaisesEmptyTextNamesNoColour) {
    for (const char* text :
         {"red", "clRed", "#GG0000", "$-1", "$x10", "-1", "#", "$", "12 34", "$1FF901E00", "#1E90FZ", "٣٣"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(ColorFromText(S(text)), EConvertError);
    }
    EXPECT_FALSE(ColorFromText("").isValid());
    EXPECT_FALSE(ColorFromText("  ").isValid());
}

TEST(FontFromText, EmptyFieldsKeepAndStyleReplaces) {
    const struct {
        const char* text;
        const char* family;
        int points;
        QRgb color;
        bool bold, italic, underline;
    } cases[] = {
        // Starting from 10-point italic "Start" in green.
        {"Verdana*8*#000080*b", "Verdana", 8, qRgb(0, 0, 128), true, false, false},
        {"**#FF0000", "Start", 10, qRgb(255, 0, 0), false, true, false},
        {"", "Start", 10, qRgb(0, 128, 0), false, true, false},
        {"***", "Start", 10, qRgb(0, 128, 0), false, true, false},
        {"***BU", "Start", 10, qRgb(0, 128, 0), true, false, true},
        {"***xyz", "Start", 10, qRgb(0, 128, 0), false, false, false},
        {"Arial*12**i*b", "Arial", 12, qRgb(0, 128, 0), true, true, false}, // style may hold "*"
        {"Times New Roman", "Times New Roman", 10, qRgb(0, 128, 0), false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        QFont font(QStringLiteral("Start"), 10);
        font.setItalic(true);
        QColor color(0, 128, 0);
        QFont& result = FontFromText(font, color, S(c.text));
        EXPECT_EQ(&result, &font);
        EXPECT_EQ(font.family(), S(c.family));
        EXPECT_EQ(font.pointSize(), c.points);
        EXPECT_EQ(color.rgb(), c.color);
        EXPECT_EQ(font.bold(), c.bold);
        EXPECT_EQ(font.italic(), c.italic);
        EXPECT_EQ(font.underline(), c.underline);
    }
}

TEST(FontFromText, BadFieldRaisesAndChangesNothing) {
    for (const char* text : {"Arial*big*#FF0000*b", "Arial*8*red*b", "Arial*8 "}) {
        SCOPED_TRACE(text);
        QFont font(QStringLiteral("Start"), 10);
        QColor color(0, 128, 0);
        EXPECT_THROW(FontFromText(font, color, S(text)), EConvertError);
        EXPECT_EQ(font.family(), "Start");
        EXPECT_EQ(font.pointSize(), 10);
        EXPECT_FALSE(font.bold());
        EXPECT_EQ(color, QColor(0, 128, 0));
    }
}

TEST(Alignment, NamesIgnoreCase) {
    const struct {
        const char* text;
        TAlign align;
    } aligns[] = {{"none", TAlign::None},     {"Top", TAlign::Top},     {"BOTTOM", TAlign::Bottom},
                  {"left", TAlign::Left},     {"Right", TAlign::Right}, {"Client", TAlign::Client},
                  {"custom", TAlign::Custom}, {"middle", TAlign::None}, {"", TAlign::None},
                  {" top", TAlign::None}};
    for (const auto& a : aligns)
        EXPECT_EQ(AlignFromText(S(a.text)), a.align) << a.text;

    const struct {
        const char* text;
        TAlignment alignment;
        Qt::Alignment qt;
    } texts[] = {{"left", TAlignment::Left, Qt::AlignLeft},
                 {"RIGHT", TAlignment::Right, Qt::AlignRight},
                 {"center", TAlignment::Center, Qt::AlignHCenter},
                 {"", TAlignment::Center, Qt::AlignHCenter},
                 {"justify", TAlignment::Center, Qt::AlignHCenter}};
    for (const auto& t : texts) {
        EXPECT_EQ(AlignmentFromText(S(t.text)), t.alignment) << t.text;
        EXPECT_EQ(ToQtAlignment(AlignmentFromText(S(t.text))), t.qt) << t.text;
    }
}

// ---- System services ----

TEST(CommandArg, OpenFileAsksWithTheExtensionAsFilter) {
    const struct {
        const char* argument;
        const char* filter; // nullptr: no dialog, the argument itself comes back
    } cases[] = {
        {"open_file(.jpg)", "*.jpg"},  {"Open_File(.JPG)", "*.jpg"}, {"open_file(.bmp)tail", "*.bmp"},
        {"open_file(.txt", "*.txt"},   {"open_file", "*"},           {"open_file()", "*"},
        {"open_files(.jpg)", nullptr}, {"Data\\File.JPG", nullptr},  {"x(open_file)", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        RecordingPlatformGuard rec;
        rec->openAnswer = QStringLiteral("/home/u/picked.jpg");
        const QStringList args = {QStringLiteral("first"), S(c.argument)};
        const QString result = CommandArg(args, 1);
        if (c.filter) {
            EXPECT_EQ(rec->texts("open"), QStringList{S(c.filter)});
            EXPECT_EQ(result, "/home/u/picked.jpg");
        } else {
            EXPECT_TRUE(rec->events.empty());
            EXPECT_EQ(result, S(c.argument));
        }
    }
}

TEST(CommandArg, CancelAndMissingArguments) {
    RecordingPlatformGuard rec;
    rec->openAnswer.clear();
    EXPECT_EQ(CommandArg({QStringLiteral("open_file(.jpg)")}, 0), "");
    EXPECT_EQ(rec->texts("open"), QStringList{"*.jpg"});
    rec->clear();
    EXPECT_EQ(CommandArg({QStringLiteral("a")}, 1), "");
    EXPECT_EQ(CommandArg({QStringLiteral("a")}, -1), "");
    EXPECT_EQ(CommandArg({}, 0), "");
    EXPECT_TRUE(rec->events.empty());
}

TEST(NoPrinter, MessageOnlyWithoutAPrinter) {
    const struct {
        const char* printer;
        const char* message;
        bool result;
        QStringList shown;
    } cases[] = {
        {"Office", "Принтер не найден.", false, {}},
        {"", "Принтер не найден.", true, {"Принтер не найден."}},
        {"", "", true, {}},
    };
    for (const auto& c : cases) {
        RecordingPlatformGuard rec;
        rec->printerName = S(c.printer);
        EXPECT_EQ(NoPrinter(S(c.message)), c.result) << c.printer << c.message;
        EXPECT_EQ(rec->texts("message"), c.shown);
        EXPECT_EQ(DefaultPrinter(), S(c.printer));
    }
}

TEST(SystemServices, WallpaperIsRecordedAndAskedFor) {
    RecordingPlatformGuard rec;
    SetWallpaper(QStringLiteral("/data/wallp.bmp"), false);
    EXPECT_EQ(RegistryStore::ReadString("control panel\\desktop", "wallpaper"), QString("/data/wallp.bmp"));
    EXPECT_EQ(RegistryStore::ReadString("Control Panel\\Desktop", "TileWallpaper"), QString("0"));
    SetWallpaper(QStringLiteral("/data/Sailboat.bmp"), true);
    EXPECT_EQ(RegistryStore::ReadString("Control Panel\\Desktop", "Wallpaper"),
              QString("/data/Sailboat.bmp"));
    EXPECT_EQ(RegistryStore::ReadString("Control Panel\\Desktop", "TileWallpaper"), QString("1"));
    EXPECT_EQ(rec->texts("wallpaper"), QStringList({"/data/wallp.bmp", "/data/Sailboat.bmp|tile"}));

    ShellOpen(QStringLiteral("/cat/help.pdf"), QString(), QStringLiteral("open"));
    EXPECT_EQ(rec->texts("shell"), QStringList{"open|/cat/help.pdf||"});
}

TEST(SystemServices, JpegOfAnImage) {
    EXPECT_TRUE(BitmapToJpeg(QImage(), 90).isEmpty());
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(qRgb(200, 30, 30));
    const QByteArray best = BitmapToJpeg(image, 100);
    ASSERT_TRUE(best.startsWith("\xFF\xD8"));
    QImage back;
    ASSERT_TRUE(back.loadFromData(best, "JPG"));
    EXPECT_EQ(back.size(), image.size());
    EXPECT_NEAR(qRed(back.pixel(20, 15)), 200, 8);
    EXPECT_LT(BitmapToJpeg(image, 1).size(), best.size());
    EXPECT_FALSE(BitmapToJpeg(image, 0).isEmpty()); // out-of-range quality is clamped
}

TEST(SystemServices, BusyCursorIsOneStateNotAStack) {
    const QCursor* before = QGuiApplication::overrideCursor();
    BusyCursor(true);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    BusyCursor(true);
    BusyCursor(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), before);
    BusyCursor(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), before);
}

TEST(SystemServices, DriveKindOfOrdinaryFolders) {
    // A missing folder cannot be classified and counts as fixed; no folder
    // of the test machine is a read-only CD.
    EXPECT_EQ(DriveKind(QStringLiteral("/no/such/folder/at/all")), TDriveKind::Fixed);
    QTemporaryDir dir;
    EXPECT_NE(DriveKind(dir.path()), TDriveKind::CdRom);
    EXPECT_NE(OwnDriveKind(), TDriveKind::CdRom);
}

} // namespace
