#include "platform/Errors.h"

#include <gtest/gtest.h>

namespace {

struct IntCase {
    const char* text;
    int value;
};

TEST(StrToInt, AcceptsDecimalAndHexadecimal) {
    const IntCase cases[] = {
        {"0", 0},
        {"-5", -5},
        {"+7", 7},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$FF", 255},
        {"$ff", 255},
        {"0x10", 16},
        {"0X1f", 31},
        {"x1A", 26},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"$80000000", -2147483647 - 1},
        {" 5", 5},
        {"  -$10", -16},
    };
    for (const IntCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StrToInt(QString::fromUtf8(c.text)), c.value);
        EXPECT_EQ(StrToIntDef(QString::fromUtf8(c.text), 12345), c.value);
    }
}

TEST(StrToInt, RejectsEverythingElse) {
    const char* cases[] = {"",    " ",   "5 ",   "1.5",      "1e3",   "2147483648", "-2147483649", "$",
                           "0x",  "-",   "$ FF", "$FF ",     "$0x10", "$100000000", "abc",         "--5",
                           "+-5", "$-1", "$+1",  "\xd9\xa3", "12a",   "\t7",        "0x-1"};
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        const QString s = QString::fromUtf8(text);
        EXPECT_THROW(StrToInt(s), EConvertError);
        EXPECT_EQ(StrToIntDef(s, -77), -77);
    }
}

TEST(StrToInt, ErrorNamesTheText) {
    try {
        StrToInt(QStringLiteral("abc"));
        FAIL() << "no conversion error";
    } catch (const EConvertError& e) {
        EXPECT_TRUE(e.message().contains(QLatin1String("'abc'"))) << e.what();
    }
}

} // namespace
