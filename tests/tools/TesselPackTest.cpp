#include "app/content/TContentTable.h"
#include "tests/support/TempDir.h"
#include "tools/tessel-pack/TPackTool.h"

#include <dirent.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace tessel;

TEST(TPackTool, CreateListAndExtractRoundTrip)
{
    test::TempDir dir;
    dir.Write("one.swf", "movie one");
    dir.Write("settings1.ini", "[Links]\nnr=0\n");
    dir.Write("caf\u00E9.swf", "accent");
    std::ostringstream out, err;
    ASSERT_EQ(TPackTool::Create(dir.File("Data.bin"),
                  { dir.File("one.swf"), dir.File("settings1.ini"), dir.File("caf\u00E9.swf") }, err),
        0)
        << err.str();
    ASSERT_EQ(TPackTool::List(dir.File("Data.bin"), out, err), 0) << err.str();
    EXPECT_EQ(out.str(),
        "entries: 3\n0\t9\t26004\tone.swf\n1\t13\t26013\tsettings1.ini\n2\t6\t26026\tcaf\u00E9.swf\n");
    // The stored name is Windows-1252: "é" is one byte.
    std::string bytes = dir.Read("Data.bin");
    EXPECT_EQ(bytes.substr(404 + 2 * 256, 10),
        std::string("\x08"
                    "caf\xE9.swf\0",
            10));

    std::ostringstream listed;
    ASSERT_EQ(TPackTool::Extract(dir.File("Data.bin"), dir.File("out"), listed, err), 0) << err.str();
    EXPECT_EQ(dir.Read("out/caf\u00E9.swf"), "accent");
    EXPECT_EQ(dir.Read("out/settings1.ini"), "[Links]\nnr=0\n");

    // A longer file is reported but readable; a shorter one is an error.
    dir.Write("long.bin", bytes + "tail");
    std::ostringstream longer;
    EXPECT_EQ(TPackTool::List(dir.File("long.bin"), longer, err), 0);
    EXPECT_NE(longer.str().find("4 bytes longer than its header promises"), std::string::npos)
        << longer.str();
    dir.Write("short.bin", bytes.substr(0, bytes.size() - 3));
    std::ostringstream shorter;
    EXPECT_EQ(TPackTool::List(dir.File("short.bin"), shorter, err), 1);
    EXPECT_NE(shorter.str().find("3 bytes shorter"), std::string::npos) << shorter.str();
}

TEST(TPackTool, CreateRefusesWhatThePackageCannotHold)
{
    test::TempDir dir;
    std::vector<std::string> many;
    for (int i = 0; i < 101; ++i) {
        dir.Write("m" + std::to_string(i), "x");
        many.push_back(dir.File("m" + std::to_string(i)));
    }
    std::ostringstream err;
    EXPECT_EQ(TPackTool::Create(dir.File("a.bin"), many, err), 1);
    EXPECT_NE(err.str().find("at most 100"), std::string::npos) << err.str();
    many.pop_back();
    EXPECT_EQ(TPackTool::Create(dir.File("a.bin"), many, err), 0) << "exactly 100 fit";

    // The longest name the file system allows (255 bytes) fits a slot.
    std::ostringstream err_long;
    dir.Write(std::string(255, 'n'), "x");
    EXPECT_EQ(TPackTool::Create(dir.File("b.bin"), { dir.File(std::string(255, 'n')) }, err_long), 0);

    dir.Write("\u0100.swf", "x");
    std::ostringstream err_ansi;
    EXPECT_EQ(TPackTool::Create(dir.File("c.bin"), { dir.File("\u0100.swf") }, err_ansi), 1);
    EXPECT_NE(err_ansi.str().find("Windows-1252"), std::string::npos) << err_ansi.str();

    std::ostringstream err_missing;
    EXPECT_EQ(TPackTool::Create(dir.File("d.bin"), { dir.File("none") }, err_missing), 1);
    EXPECT_NE(err_missing.str().find("No such file"), std::string::npos);
}

TEST(TPackTool, NeverDestroysWhatItWasGiven)
{
    test::TempDir dir;
    dir.Write("a.swf", "movie a");
    dir.Write("b.swf", "movie b");
    std::ostringstream err;
    // The output is one of the inputs: refused, the input untouched.
    EXPECT_EQ(TPackTool::Create(dir.File("a.swf"), { dir.File("a.swf"), dir.File("b.swf") }, err), 1);
    EXPECT_NE(err.str().find("also the output"), std::string::npos) << err.str();
    EXPECT_EQ(dir.Read("a.swf"), "movie a");
    // The same file under another name (a hard link, "*" with the output in it).
    ASSERT_EQ(TPackTool::Create(dir.File("Data.bin"), { dir.File("a.swf") }, err), 0);
    std::string old = dir.Read("Data.bin");
    ASSERT_EQ(::link(dir.File("Data.bin").c_str(), dir.File("twin.bin").c_str()), 0);
    EXPECT_EQ(TPackTool::Create(dir.File("Data.bin"), { dir.File("b.swf"), dir.File("twin.bin") }, err), 1);
    EXPECT_EQ(dir.Read("Data.bin"), old);
    // A package that cannot be finished leaves the old one as it was, and no
    // temporary file behind.
    ASSERT_EQ(::mkdir(dir.File("sub").c_str(), 0755), 0);
    EXPECT_EQ(TPackTool::Create(dir.File("Data.bin"), { dir.File("b.swf"), dir.File("sub") }, err), 1);
    EXPECT_EQ(dir.Read("Data.bin"), old);
    DIR* d = ::opendir(dir.Path().c_str());
    while (dirent* e = ::readdir(d))
        EXPECT_NE(std::string(e->d_name).rfind(".Data.bin.", 0), 0u) << e->d_name;
    ::closedir(d);
}

TEST(TPackTool, ListAndExtractShowNamesSafelyAndLeaveNothingOnFailure)
{
    test::TempDir dir;
    // A stored name with an escape sequence and a C1 control in it.
    TContentTable table;
    table.SetFileCount(1);
    table.SetEntry(0, "\x1B]0;owned\x07\x81.swf", 1);
    dir.Write("evil.bin", std::string(reinterpret_cast<const char*>(table.Bytes()), 26004) + "x");
    std::ostringstream out, err;
    EXPECT_EQ(TPackTool::List(dir.File("evil.bin"), out, err), 0) << err.str();
    EXPECT_EQ(out.str().find('\x1B'), std::string::npos);
    EXPECT_EQ(out.str().find('\x07'), std::string::npos);
    EXPECT_NE(out.str().find("\\x1b]0;owned\\x07\\x81.swf"), std::string::npos) << out.str();
    std::ostringstream extracted;
    EXPECT_EQ(TPackTool::Extract(dir.File("evil.bin"), dir.File("x"), extracted, err), 0);
    EXPECT_EQ(extracted.str().find('\x1B'), std::string::npos) << extracted.str();

    // A missing package: an error, and no target folder made.
    std::ostringstream missing;
    EXPECT_EQ(TPackTool::Extract(dir.File("none.bin"), dir.File("target"), out, missing), 1);
    EXPECT_NE(missing.str().find("none.bin"), std::string::npos);
    EXPECT_NE(::access(dir.File("target").c_str(), F_OK), 0);
    // A folder given as a package says so.
    std::ostringstream folder;
    EXPECT_EQ(TPackTool::List(dir.Path(), out, folder), 1);
    EXPECT_NE(folder.str().find("is a folder"), std::string::npos) << folder.str();

    // A package shorter than its header promises: what list says, and nothing made.
    TContentTable cut;
    cut.SetFileCount(2);
    cut.SetEntry(0, "a.swf", 4);
    cut.SetEntry(1, "b.swf", 10);
    dir.Write("cut.bin", std::string(reinterpret_cast<const char*>(cut.Bytes()), 26004) + "aaaabbb");
    std::ostringstream short_err, listed, list_err;
    EXPECT_EQ(TPackTool::Extract(dir.File("cut.bin"), dir.File("cut"), out, short_err), 1);
    EXPECT_NE(short_err.str().find("7 bytes shorter than its header promises (26018)"), std::string::npos)
        << short_err.str();
    EXPECT_NE(::access(dir.File("cut").c_str(), F_OK), 0);
    EXPECT_EQ(TPackTool::List(dir.File("cut.bin"), listed, list_err), 1);
    EXPECT_NE(listed.str().find("7 bytes shorter than its header promises (26018)"), std::string::npos);
}

TEST(TPackTool, CreateRefusesTwoInputsOfOneName)
{
    test::TempDir dir;
    ::mkdir(dir.File("one").c_str(), 0700);
    ::mkdir(dir.File("two").c_str(), 0700);
    dir.Write("one/game.swf", "first");
    dir.Write("two/game.swf", "second");
    std::ostringstream err;
    EXPECT_EQ(
        TPackTool::Create(dir.File("Data.bin"), { dir.File("one/game.swf"), dir.File("two/game.swf") }, err),
        1);
    EXPECT_NE(
        err.str().find(dir.File("one/game.swf") + " and " + dir.File("two/game.swf")), std::string::npos)
        << err.str();
    EXPECT_NE(::access(dir.File("Data.bin").c_str(), F_OK), 0);
}

// A collection kept in a folder: every file of it, sorted by name, once its settings
// have been read against its files.
TEST(TPackTool, CreateFromAFolderChecksItsSettingsFirst)
{
    test::TempDir dir;
    std::filesystem::create_directories(dir.File("games"));
    dir.Write("games/Orbit.swf", "movie one");
    dir.Write("games/clicker.SWF", "movie two");
    dir.Write("games/top.html", "<p>top</p>");
    dir.Write("games/settings1.ini",
        "[Main]\ntitle=Games\nwidht=900\n[TopPanel]\nlink=top.html\n[Links]\nnr=1\ntitle1=Site\n"
        "link1=https://example.org/\n[Game orbit]\nquality=ultra\n");
    std::ostringstream out, err;
    ASSERT_EQ(TPackTool::CreateFromFolder(dir.File("Data.bin"), dir.File("games"), err), 0) << err.str();
    // Warnings are said, and the package is made.
    EXPECT_NE(err.str().find("warning: "), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("[Main] widht is no key the player reads"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("[Game Orbit] quality=ultra"), std::string::npos) << err.str();
    ASSERT_EQ(TPackTool::List(dir.File("Data.bin"), out, err), 0);
    // Sorted by name, byte by byte.
    const std::string listed = out.str();
    EXPECT_EQ(listed.rfind("entries: 4\n0\t9\t26004\tOrbit.swf\n1\t9\t26013\tclicker.SWF\n2\t", 0), 0u)
        << listed;
    EXPECT_LT(listed.find("\tsettings1.ini\n"), listed.find("\ttop.html\n")) << listed;

    // Each fatal problem writes nothing and says why.
    struct Case {
        const char* what;
        std::function<void()> make;
        const char* said;
    };
    const std::vector<Case> cases {
        { "a game section without its movie",
            [&] { dir.Write("games/settings1.ini", "[Links]\nnr=0\n[Game Missing]\nquality=low\n"); },
            "[Game Missing] is for the movie Missing.swf, which is not in the collection" },
        { "settings without nr", [&] { dir.Write("games/settings1.ini", "[Main]\ntitle=Games\n"); },
            "[Links] nr is missing" },
        { "settings in UTF-16", [&] { dir.Write("games/settings1.ini", std::string("\xFF\xFE[\0L\0", 6)); },
            "UTF-16" },
        { "a subfolder",
            [&] {
                dir.Write("games/settings1.ini", "[Links]\nnr=0\n");
                std::filesystem::create_directories(dir.File("games/levels"));
            },
            "is a folder" },
        { "101 files",
            [&] {
                std::filesystem::remove_all(dir.File("games/levels"));
                for (int i = 0; i < 97; ++i)
                    dir.Write("games/more" + std::to_string(i) + ".txt", "x");
            },
            "holds 101 files; a package holds at most 100" },
    };
    const std::string made = dir.Read("Data.bin");
    for (const Case& c : cases) {
        c.make();
        std::ostringstream said;
        EXPECT_EQ(TPackTool::CreateFromFolder(dir.File("Data.bin"), dir.File("games"), said), 1) << c.what;
        EXPECT_NE(said.str().find(c.said), std::string::npos) << c.what << ": " << said.str();
        EXPECT_NE(said.str().find("nothing was written"), std::string::npos) << c.what << ": " << said.str();
        EXPECT_EQ(dir.Read("Data.bin"), made) << c.what;
    }
}
