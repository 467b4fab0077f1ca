#include "archive/gPackWriter.h"

#include "archive/gPack.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class PackTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.writeBytes("src/Struct_Main.txt", "[main]\ntype=form\n");
        app.writeBytes(QStringLiteral("src/Данные/Рисунок.JPG"), QByteArray("\x00\xA7\xFF jpeg", 8));
        app.writeBytes("src/skin/a.bmp", "BM....");
        app.writeBytes("src/empty.txt", "");
    }
    void TearDown() override { CloseArchive(); }
    TempAppFolder app;
    RecordingPlatformGuard rec;
};

TEST_F(PackTest, RoundTripPlainAndScrambled) {
    const QString names[] = {"empty.txt", "skin\\a.bmp", "struct_main.txt",
                             QStringLiteral("данные\\рисунок.jpg")};
    for (bool scramble : {false, true}) {
        SCOPED_TRACE(scramble ? "scrambled" : "plain");
        QString error;
        ASSERT_TRUE(PackFolder(app.path() + "src", app.path() + "out.dat", scramble, &error))
            << error.toStdString();
        ASSERT_TRUE(OpenArchive(app.path() + "out.dat"));
        QStringList stored;
        for (const TData& d : ArchiveEntries()) {
            stored << d.name;
            EXPECT_EQ(d.flag, scramble ? 1 : 0);
        }
        EXPECT_EQ(stored, QStringList(std::begin(names), std::end(names)));
        EXPECT_EQ(LoadFile("Struct_Main.txt"), "[main]\ntype=form\n");
        EXPECT_EQ(LoadFile(QStringLiteral("ДАННЫЕ/Рисунок.jpg")), QByteArray("\x00\xA7\xFF jpeg", 8));
        EXPECT_EQ(LoadFile("skin\\A.bmp"), "BM....");
        EXPECT_TRUE(LoadFile("empty.txt").isEmpty());
        EXPECT_EQ(readAll(app.path() + "out.dat").contains("[main]"), !scramble);
        CloseArchive();
    }
    EXPECT_TRUE(rec->shown().isEmpty());
}

TEST_F(PackTest, PackingIsReproducible) {
    ASSERT_TRUE(PackFolder(app.path() + "src", app.path() + "one.dat", false, nullptr));
    ASSERT_TRUE(PackFolder(app.path() + "src", app.path() + "two.dat", false, nullptr));
    EXPECT_EQ(readAll(app.path() + "one.dat"), readAll(app.path() + "two.dat"));
    EXPECT_EQ(readAll(app.path() + "one.dat").mid(3, 4), QByteArray(4, '\0'));
}

TEST_F(PackTest, EmptyFolderGivesAnOpenableEmptyArchive) {
    app.writeBytes("none/.keep", "");
    QFile::remove(app.path() + "none/.keep");
    ASSERT_TRUE(PackFolder(app.path() + "none", app.path() + "empty.dat", false, nullptr));
    EXPECT_EQ(QFileInfo(app.path() + "empty.dat").size(), 0);
    EXPECT_TRUE(OpenArchive(app.path() + "empty.dat"));
    EXPECT_TRUE(ArchiveEntries().empty());
}

TEST_F(PackTest, RefusesWhatTheArchiveCannotHold) {
    app.writeBytes("dup/A.txt", "1");
    app.writeBytes("dup/a.txt", "2");
    app.writeBytes("wide/\u4E2D.txt", "3");
    app.writeBytes("long/" + QString(130, 'x') + "/" + QString(130, 'y') + ".txt", "4");
    const char* folders[] = {"dup", "wide", "long", "missing"};
    for (const char* folder : folders) {
        SCOPED_TRACE(folder);
        QString error;
        EXPECT_FALSE(PackFolder(app.path() + folder, app.path() + "bad.dat", false, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(app.path() + "bad.dat"));
    }
}

// The archive tool itself, when it has been built beside the tests.
class DatpackTool : public PackTest {
protected:
    void SetUp() override {
        PackTest::SetUp();
        tool = QCoreApplication::applicationDirPath() + "/../datpack";
        if (!QFileInfo(tool).isExecutable()) GTEST_SKIP() << "datpack is not built";
    }
    int run(const QStringList& args) {
        QProcess p;
        p.start(tool, args);
        p.waitForFinished(60000);
        out = p.readAllStandardOutput();
        err = p.readAllStandardError();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    QString tool;
    QByteArray out, err;
};

TEST_F(DatpackTool, PackListExtract) {
    const QString archive = app.path() + "t.dat";
    ASSERT_EQ(run({"pack", app.path() + "src", archive, "--scramble"}), 0) << err.toStdString();
    ASSERT_EQ(run({"list", archive}), 0);
    const QList<QByteArray> lines = out.split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "empty.txt\t0\t15\t1");
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("данные\\рисунок.jpg\t8\t").toUtf8()));

    EXPECT_EQ(run({"extract", archive, QStringLiteral("Данные/РИСУНОК.jpg")}), 0);
    EXPECT_EQ(out, QByteArray("\x00\xA7\xFF jpeg", 8));
    EXPECT_EQ(run({"extract", archive, "struct_main.txt", app.path() + "x.txt"}), 0);
    EXPECT_EQ(readAll(app.path() + "x.txt"), "[main]\ntype=form\n");

    EXPECT_EQ(run({"key"}), 0);
    EXPECT_EQ(out.trimmed().toInt(), ArchiveKeyByte);
}

TEST_F(DatpackTool, ExitCodes) {
    const QString archive = app.path() + "t.dat";
    ASSERT_EQ(run({"pack", app.path() + "src", archive}), 0);
    app.writeBytes("bad.dat", "XYZ000000000000000000");
    struct Row {
        const char* name;
        QStringList args;
        int code;
        const char* stderrHas;
    } rows[] = {
        {"NoEntry", {"extract", archive, "none.txt"}, 1, "none.txt"},
        {"BadSignature", {"list", app.path() + "bad.dat"}, 2, "Неверная сигнатура архива"},
        {"MissingArchive", {"list", app.path() + "none.dat"}, 2, "none.dat"},
        {"NoArguments", {}, 2, "usage"},
        {"UnknownCommand", {"unpack", archive}, 2, "usage"},
        {"MissingFolder", {"pack", app.path() + "nowhere", archive}, 2, "nowhere"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(run(row.args), row.code);
        EXPECT_EQ(err.count('\n'), 1);
        EXPECT_TRUE(QString::fromUtf8(err).contains(QString::fromUtf8(row.stderrHas))) << err.toStdString();
    }
}

} // namespace
