#include "runtime/skCommand.h"

#include <gtest/gtest.h>

namespace {

struct Expected {
    const char* verb;
    const char* parameter;
    QStringList arguments;
    const char* rest;
    const char* text; // CommandText
};

struct ParseCase {
    const char* name;
    const char* action;
    std::vector<Expected> commands;
};

class CommandParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CommandParse, SplitsVerbsArgumentsAndRest) {
    const ParseCase& c = GetParam();
    const TSkCommand cmd(QString::fromUtf8(c.action));
    ASSERT_EQ(cmd.count(), int(c.commands.size()));
    for (int i = 0; i < cmd.count(); ++i) {
        SCOPED_TRACE(i);
        const Expected& e = c.commands[size_t(i)];
        EXPECT_EQ(cmd[i].verb, QString::fromUtf8(e.verb));
        EXPECT_EQ(cmd[i].parameter, QString::fromUtf8(e.parameter));
        EXPECT_EQ(cmd[i].arguments, e.arguments);
        EXPECT_EQ(cmd[i].rest, QString::fromUtf8(e.rest));
        EXPECT_EQ(cmd.CommandText(i), QString::fromUtf8(e.text));
    }
}

const ParseCase parseCases[] = {
    {"Empty", "", {}},
    {"OnlySeparators", "////", {}},
    {"TwoCommands",
     "html_load*view*a.htm//html_go_top*view",
     {{"html_load", "view*a.htm", {"view", "a.htm"}, "html_go_top*view", "html_load*view*a.htm"},
      {"html_go_top", "view", {"view"}, "", "html_go_top*view"}}},
    {"LeadingAndTrailingSeparators",
     "//html_go_top*view//",
     {{"html_go_top", "view", {"view"}, "", "html_go_top*view"}}},
    {"DoubledSeparatorKeepsRestAsWritten",
     "a*1////b*2",
     {{"a", "1", {"1"}, "//b*2", "a*1"}, {"b", "2", {"2"}, "", "b*2"}}},
    {"VerbLowerCasedEmptyArgumentDropped", "Zap*A**B", {{"zap", "A**B", {"A", "B"}, "", "zap*A*B"}}},
    {"RestOfTheFirstCommand",
     "Zap*A**B//x*1",
     {{"zap", "A**B", {"A", "B"}, "x*1", "zap*A*B"}, {"x", "1", {"1"}, "", "x*1"}}},
    {"RestCarriesEverythingAfter",
     "x*a//Y*b//z",
     {{"x", "a", {"a"}, "Y*b//z", "x*a"}, {"y", "b", {"b"}, "z", "y*b"}, {"z", "", {}, "", "z"}}},
    {"SegmentStartingWithStarSkipped", "*a*b//nil", {{"nil", "", {}, "", "nil"}}},
    {"ParameterTextKeepsStars",
     "menu_del_favore*a*b",
     {{"menu_del_favore", "a*b", {"a", "b"}, "", "menu_del_favore*a*b"}}},
    {"OnlyEmptyArguments", "form_close***", {{"form_close", "**", {}, "", "form_close"}}},
    {"SpacesArePartOfVerbsAndArguments",
     " Visible *p * false",
     {{" visible ", "p * false", {"p ", " false"}, "", " visible *p * false"}}},
    {"CyrillicVerbLowerCasedArgumentsKeepCase", "ТЕСТ*Б*в", {{"тест", "Б*в", {"Б", "в"}, "", "тест*Б*в"}}},
    {"SingleSlashIsNoSeparator",
     "html_load*view*a/b.htm",
     {{"html_load", "view*a/b.htm", {"view", "a/b.htm"}, "", "html_load*view*a/b.htm"}}},
    {"OpenFileArgumentKeptAsWritten",
     "img_load*pic*open_file(.JPG)",
     {{"img_load", "pic*open_file(.JPG)", {"pic", "open_file(.JPG)"}, "", "img_load*pic*open_file(.JPG)"}}},
};

INSTANTIATE_TEST_SUITE_P(Grammar, CommandParse, ::testing::ValuesIn(parseCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
