#include "tessel/framework/TStringList.h"

#include "tessel/framework/Exception.h"

#include <gtest/gtest.h>

using namespace tessel;

TEST(TStringList, SplitsAtEveryLineBreak)
{
    TStringList list;
    list.SetText("a\r\nb\nc\rd");
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Strings(3), "d");
    list.SetText("a\r\n\r\n");
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Strings(1), "");
    EXPECT_EQ(list.Text(), "a\r\n\r\n");
    EXPECT_THROW(list.Strings(2), EListError);
}

TEST(TStringList, NamesAndValues)
{
    TStringList list { "One=1", "two=2=b", "plain" };
    EXPECT_EQ(list.Values("ONE"), "1");
    EXPECT_EQ(list.Values("Two"), "2=b");
    EXPECT_EQ(list.Values("plain"), "");
    EXPECT_EQ(list.IndexOfName("two"), 1);
    EXPECT_EQ(list.IndexOf("PLAIN"), 2);
    EXPECT_EQ(list.Names(1), "two");
}
