#include "platform/Paths.h"

#include <gtest/gtest.h>

TEST(Paths, ResolveRelativeClimbsFolders) {
    EXPECT_EQ(ResolveRelative("../img/a.gif", "/cat/html/"), "/cat/img/a.gif");
    EXPECT_EQ(ResolveRelative("C:\\x\\a.gif", "/cat/"), "C:\\x\\a.gif");
    EXPECT_EQ(ResolveRelative("img\\a.gif", "/cat"), "/cat/img/a.gif");
}
