#include "tessel/platform/TProfileFile.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace tessel;

TEST(TProfileFile, ReadsLikeTheProfileFunctions)
{
    test::TempDir dir;
    dir.Write("settings1.ini",
        "; comment\r\n[Main]\r\n  Width = 640 \r\nwidth=1\r\ntitle=\"Quoted\"\r\nodd='x\"\r\n"
        "hex=$1F\r\nhexx=0x10\r\nbad=12a\r\nneg=-5\r\n[main]\r\nlater=2\r\n[Links]\r\ncount=3\n");
    std::string f = dir.File("settings1.ini");
    EXPECT_EQ(TProfileFile::ReadString(f, "MAIN", "width", "d"), "640"); // first key, any case, trimmed
    EXPECT_EQ(TProfileFile::ReadString(f, "main", "title", ""), "Quoted");
    EXPECT_EQ(TProfileFile::ReadString(f, "main", "odd", ""), "'x\"");
    EXPECT_EQ(TProfileFile::ReadString(f, "main", "later", "none"), "none"); // only the first section counts
    EXPECT_EQ(TProfileFile::ReadString(f, "links", "count", ""), "3");
    EXPECT_EQ(TProfileFile::ReadString(f, "links", "missing", "dflt"), "dflt");
    EXPECT_EQ(TProfileFile::ReadInteger(f, "main", "hex", 0), 31);
    EXPECT_EQ(TProfileFile::ReadInteger(f, "main", "hexx", 0), 16);
    EXPECT_EQ(TProfileFile::ReadInteger(f, "main", "bad", 7), 7);
    EXPECT_EQ(TProfileFile::ReadInteger(f, "main", "neg", 7), -5);
    EXPECT_EQ(TProfileFile::ReadInteger(f, "main", "missing", 7), 7);

    dir.Write("long.ini", "[a]\nk=" + std::string(5000, 'x') + "\n");
    EXPECT_EQ(TProfileFile::ReadString(dir.File("long.ini"), "a", "k", "").size(), 2047u);
    EXPECT_EQ(TProfileFile::ReadString(dir.File("absent.ini"), "a", "k", "dflt"), "dflt");
    EXPECT_EQ(TProfileFile::ReadInteger(dir.File("absent.ini"), "a", "k", 3), 3);

    // A UTF-8 byte-order mark is no part of the first section's name.
    dir.Write("bom.ini", "\xEF\xBB\xBF[Main]\ntitle=Caf\xC3\xA9\n");
    EXPECT_EQ(TProfileFile::ReadString(dir.File("bom.ini"), "Main", "title", ""), "Caf\xC3\xA9");
    // One reading answers every question, with the same rules.
    TProfileFile once(f);
    EXPECT_EQ(once.String("MAIN", "width", "d"), "640");
    EXPECT_EQ(once.String("main", "later", "none"), "none");
    EXPECT_EQ(once.Integer("main", "hex", 0), 31);
    EXPECT_EQ(TProfileFile(dir.File("absent.ini")).String("a", "k", " dflt "), "dflt");

    // Its names as written, the first of each, in the file's order.
    const auto& names = once.Names();
    ASSERT_EQ(names.size(), 2u) << "[main] again is read past";
    EXPECT_EQ(names[0].name, "Main");
    EXPECT_EQ(names[0].keys,
        (std::vector<std::string> { "Width", "title", "odd", "hex", "hexx", "bad", "neg" }));
    EXPECT_EQ(names[1].name, "Links");
    EXPECT_EQ(names[1].keys, (std::vector<std::string> { "count" }));
}
