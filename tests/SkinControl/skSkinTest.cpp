#include "SkinControl/skSkin.h"
#include "archive/gPack.h"
#include "archive/gPackWriter.h"
#include "support/TestSupport.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(SkinTest, SameFileNameLoadsOncePerWindow) {
    TempAppFolder app;
    RecordingPlatformGuard rec;
    app.writeText("skin/blue.css", "QPushButton { color: blue; }");
    app.writeText("other/BLUE.CSS", "QPushButton { color: red; }");
    QWidget window;
    TSkSkin skin(&window);

    EXPECT_TRUE(skin.AddSkin(app.path() + "skin/blue.css"));
    EXPECT_FALSE(skin.AddSkin(app.path() + "other/BLUE.CSS")) << "same name in another folder";
    EXPECT_FALSE(skin.AddSkin("skin\\Blue.css"));
    EXPECT_FALSE(skin.AddSkin(""));

    const TSkinLink* link = skin.FindSkin("c:\\anywhere\\BLUE.css");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->fileName, "blue.css");
    EXPECT_EQ(link->styleSheet, "QPushButton { color: blue; }");
    EXPECT_EQ(skin.FindSkin("green.css"), nullptr);
    EXPECT_TRUE(rec->shown().isEmpty());
}

TEST(SkinTest, MissingFileGivesALinkWithoutSkinAndNoMessage) {
    TempAppFolder app;
    RecordingPlatformGuard rec;
    QWidget window;
    TSkSkin skin(&window);
    EXPECT_TRUE(skin.AddSkin(app.path() + "skin/none.css"));
    const TSkinLink* link = skin.FindSkin("none.css");
    ASSERT_NE(link, nullptr);
    EXPECT_TRUE(link->styleSheet.isEmpty());
    EXPECT_TRUE(rec->shown().isEmpty());
}

TEST(SkinTest, SkinIsReadThroughTheArchive) {
    TempAppFolder app;
    RecordingPlatformGuard rec;
    // In the archive only, and a disk file of the same name that must lose.
    app.writeText("skin/packed.css", "disk");
    QString error;
    ASSERT_TRUE(
        WriteArchive(app.path() + "interface.dat",
                     {{"skin\\packed.css", "QLabel { color: green; }", {}},
                      {"skin\\only.css", QByteArray("QLabel { font: \xea\xf3\xf0\xf1\xe8\xe2; }"), {}}},
                     false, &error))
        << error.toStdString();
    ASSERT_TRUE(OpenArchive(app.path() + "interface.dat"));
    QWidget window;
    TSkSkin skin(&window);
    EXPECT_TRUE(skin.AddSkin(app.path() + "skin/packed.css"));
    EXPECT_TRUE(skin.AddSkin("skin\\only.css"));
    CloseArchive();
    EXPECT_EQ(skin.FindSkin("packed.css")->styleSheet, "QLabel { color: green; }");
    EXPECT_EQ(skin.FindSkin("only.css")->styleSheet, "QLabel { font: курсив; }") << "cp1251 text";
    EXPECT_TRUE(rec->shown().isEmpty());
}

} // namespace
