#include "tessel/framework/TMemIniFile.h"

#include "tests/support/TestSkins.h"

#include <gtest/gtest.h>

using namespace tessel;

TEST(TMemIniFile, LinesAreTrimmedAndCommentsDropped)
{
    TMemIniFile ini = test::IniFromText(
        "orphan=1\n  [ Sec ]  \n ; comment=2\n  key  =  value with blanks  \n\n;x=y\nnoequals\n");
    EXPECT_FALSE(ini.ValueExists("Sec", "orphan")); // lines before the first section are dropped
    EXPECT_EQ(ini.ReadString("Sec", "key", "d"), "value with blanks");
    EXPECT_FALSE(ini.ValueExists("Sec", "; comment"));
    EXPECT_FALSE(ini.ValueExists("Sec", "noequals")); // kept, but never found as a key
    EXPECT_EQ(ini.SectionLineCount("Sec"), 2);
}

TEST(TMemIniFile, LookUpIgnoresCaseAndFindsTheLastOccurrence)
{
    TMemIniFile ini = test::IniFromText("[FormInfo]\nClientRect=1\nclientrect=2\n[forminfo]\nother=3\n");
    // The repeated section holds only the lines that follow it, and look-ups find it.
    EXPECT_EQ(ini.ReadString("FORMINFO", "other", "d"), "3");
    EXPECT_EQ(ini.ReadString("FORMINFO", "clientrect", "d"), "d");
    EXPECT_EQ(ini.SectionCount(), 2);

    TMemIniFile single = test::IniFromText("[A]\nKey=1\nKEY=2\n");
    EXPECT_EQ(single.ReadString("a", "key", "d"), "2");
}

TEST(TMemIniFile, EmptyValueIsNotTheDefault)
{
    TMemIniFile ini = test::IniFromText("[A]\nempty=\nsplit=a=b\n");
    EXPECT_EQ(ini.ReadString("A", "empty", "default"), "");
    EXPECT_EQ(ini.ReadString("A", "missing", "default"), "default");
    EXPECT_EQ(ini.ReadString("B", "empty", "default"), "default");
    EXPECT_EQ(ini.ReadString("A", "split", ""), "a=b"); // split at the first "="
    EXPECT_EQ(ini.ReadInteger("A", "empty", 9), 9);
}

TEST(TMemIniFile, WritesReplaceOrAppend)
{
    TMemIniFile ini = test::IniFromText("[A]\nk=1\n");
    ini.WriteString("a", "K", "2");
    ini.WriteInteger("B", "n", -5);
    EXPECT_EQ(ini.ReadString("A", "k", ""), "2");
    EXPECT_EQ(ini.ReadInteger("B", "n", 0), -5);
    EXPECT_EQ(ini.GetStrings().Text("\n"), "[A]\nk=2\n\n[B]\nn=-5\n\n");
    ini.DeleteKey("A", "k");
    EXPECT_FALSE(ini.ValueExists("A", "k"));
    ini.EraseSection("b");
    EXPECT_FALSE(ini.SectionExists("B"));
}
