#include "tessel/framework/SysUtils.h"

#include "tessel/framework/Exception.h"

#include <gtest/gtest.h>

using namespace tessel;

TEST(SysUtils, IntegersInTheirTextForms)
{
    EXPECT_EQ(TryStrToInt("42"), 42);
    EXPECT_EQ(TryStrToInt("-7"), -7);
    EXPECT_EQ(TryStrToInt("+7"), 7);
    EXPECT_EQ(TryStrToInt("$1F"), 31);
    EXPECT_EQ(TryStrToInt("0x1f"), 31);
    EXPECT_EQ(TryStrToInt("0X10"), 16);
    EXPECT_EQ(TryStrToInt("-$10"), -16);
    EXPECT_EQ(TryStrToInt("$FFFFFFFF"), -1); // hexadecimal wraps into the signed range
    EXPECT_EQ(TryStrToInt("2147483647"), 2147483647);
    EXPECT_EQ(TryStrToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(TryStrToInt("01"), 1);
}

TEST(SysUtils, MalformedIntegersAreRejected)
{
    for (const char* bad :
        { "", "-", "$", "0x", "1 2", "12a", "2147483648", "-2147483649", "$100000000", " 1", "1.0" })
        EXPECT_FALSE(TryStrToInt(bad).has_value()) << bad;
    EXPECT_EQ(StrToIntDef("x", -3), -3);
    try {
        StrToInt("");
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
    }
}

TEST(SysUtils, TextAndPathHelpers)
{
    EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(UpperCase("Ab1z"), "AB1Z");
    EXPECT_TRUE(SameText("FormInfo", "FORMINFO"));
    EXPECT_FALSE(SameText("FormInfo", "FORMINF"));
    EXPECT_EQ(ExtractFilePath("/a/b/skin.ini"), "/a/b/");
    EXPECT_EQ(ExtractFilePath("skin.ini"), "");
    EXPECT_EQ(ExtractFileName("/a/b/skin.ini"), "skin.ini");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a"), "/a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a/"), "/a/");
}
