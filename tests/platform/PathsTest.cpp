#include "platform/Paths.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
    const char* in;
    const char* out;
};

// The program folder for the path functions that put it in front.
class AppFolderPaths : public ::testing::Test {
protected:
    void SetUp() override { SetAppFolder(QStringLiteral("/opt/cat")); }
    void TearDown() override { SetAppFolder(QString()); }
};

TEST(Paths, ResolveRelativeClimbsFolders) {
    EXPECT_EQ(ResolveRelative("../img/a.gif", "/cat/html/"), "/cat/img/a.gif");
    EXPECT_EQ(ResolveRelative("C:\\x\\a.gif", "/cat/"), "C:\\x\\a.gif");
    EXPECT_EQ(ResolveRelative("img\\a.gif", "/cat"), "/cat/img/a.gif");
}

TEST(Paths, ResolveRelativeTable) {
    const struct {
        const char* path;
        const char* base;
        const char* out;
    } cases[] = {
        {"a.gif", "C:\\cat\\html\\", "C:/cat/html/a.gif"},
        {"..\\img\\a.gif", "C:\\cat\\html\\", "C:/cat/img/a.gif"},
        {"../../a.gif", "/cat/html/x/", "/cat/a.gif"},
        {"..\\..\\..\\..\\a.gif", "/cat/html", "/a.gif"},  // never above the root
        {"../../a.gif", "C:\\cat", "C:/a.gif"},            // nor above a drive
        {"img/../a.gif", "/cat/html/", "/cat/html/a.gif"}, // ".." takes back "img"
        {"./img/./a.gif", "/cat/", "/cat/img/a.gif"},
        {"img//a.gif", "/cat/", "/cat/img/a.gif"},
        {"../img/", "/cat/html/", "/cat/img/"},
        {"..", "/cat/html/", "/cat/"},
        {"../a.gif", "html/", "a.gif"},        // a relative base stays relative
        {"/srv/a.gif", "/cat/", "/srv/a.gif"}, // "/" in front is absolute
        {"D:\\a.gif", "/cat/", "D:\\a.gif"},
        {"", "/cat/", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.path) + " @ " + c.base);
        EXPECT_EQ(ResolveRelative(QString::fromUtf8(c.path), QString::fromUtf8(c.base)),
                  QString::fromUtf8(c.out));
    }
}

TEST_F(AppFolderPaths, ResolveRelativeDefaultsToAppFolder) {
    EXPECT_EQ(ResolveRelative("html\\a.htm", QString()), "/opt/cat/html/a.htm");
    EXPECT_EQ(ResolveRelative("..\\a.htm", QString()), "/opt/a.htm");
}

TEST(Paths, AddAndDropSlash) {
    const PathCase add[] = {{"", ""}, {"/a", "/a/"}, {"/a/", "/a/"}, {"C:\\a\\", "C:\\a\\"}, {"a", "a/"}};
    for (const PathCase& c : add)
        EXPECT_EQ(AddSlash(c.in), c.out) << c.in;
    const PathCase drop[] = {{"/a/", "/a"}, {"C:\\a\\", "C:\\a"}, {"/a", "/a"}, {"/", ""}, {"", ""}};
    for (const PathCase& c : drop)
        EXPECT_EQ(DropSlash(c.in), c.out) << c.in;
}

TEST_F(AppFolderPaths, AbsoluteFromApp) {
    const PathCase cases[] = {
        {"", ""},
        {"data\\result.xml", "/opt/cat/data\\result.xml"},
        {"\\data\\result.xml", "/opt/cat/data\\result.xml"}, // one leading "\" dropped
        {"\\\\x", "/opt/cat/\\x"},                           // only one
        {"C:\\cat\\a.txt", "C:\\cat\\a.txt"},
        {"/usr/share/a.txt", "/usr/share/a.txt"},
    };
    for (const PathCase& c : cases)
        EXPECT_EQ(AbsoluteFromApp(c.in), c.out) << c.in;
}

TEST_F(AppFolderPaths, RelativeToAppUndoesAbsoluteFromApp) {
    EXPECT_EQ(RelativeToApp("/opt/cat/html/a.htm"), "html/a.htm");
    EXPECT_EQ(RelativeToApp("html\\a.htm"), "html\\a.htm");
    for (const char* name : {"data\\result.xml", "html/a.htm"})
        EXPECT_EQ(RelativeToApp(AbsoluteFromApp(name)), name);
}

TEST(Paths, IsAbsoluteName) {
    EXPECT_TRUE(IsAbsoluteName("C:\\x"));
    EXPECT_TRUE(IsAbsoluteName("c:"));
    EXPECT_TRUE(IsAbsoluteName("x:y"));
    EXPECT_TRUE(IsAbsoluteName("/x"));
    EXPECT_FALSE(IsAbsoluteName("\\x"));
    EXPECT_FALSE(IsAbsoluteName("ab:c"));
    EXPECT_FALSE(IsAbsoluteName(""));
}

} // namespace
