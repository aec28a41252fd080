#include "app/TPlayerState.h"

#include "tests/support/TempDir.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tessel;

namespace {

const std::string kKey = "0123456789abcdef";

} // namespace

// What is saved comes back; the key names the package's bytes.
TEST(TPlayerState, SavedStateComesBackForItsPackage)
{
    test::TempDir dir;
    TPlayerState state;
    state.bounds = { -20, 30, 880, 730 };
    state.mode = TWindowMode::Maximized;
    state.volume = 40;
    state.muted = true;
    state.last_game = "Orbit.swf";
    std::string error, problem;
    ASSERT_TRUE(state.Save(dir.File("sub/folder/state.ini"), kKey, error)) << error;
    TPlayerState back = TPlayerState::Load(dir.File("sub/folder/state.ini"), kKey, problem);
    EXPECT_EQ(problem, "");
    EXPECT_EQ(back.bounds, state.bounds);
    EXPECT_EQ(back.mode, TWindowMode::Maximized);
    EXPECT_EQ(back.volume, 40);
    EXPECT_TRUE(back.muted);
    EXPECT_EQ(back.last_game, "Orbit.swf");

    dir.Write("a.bin", "one package");
    dir.Write("b.bin", "another package");
    const std::string a = TPlayerState::PackageKey(dir.File("a.bin"));
    EXPECT_EQ(a.size(), 16u);
    EXPECT_EQ(a, TPlayerState::PackageKey(dir.File("a.bin")));
    EXPECT_NE(a, TPlayerState::PackageKey(dir.File("b.bin")));
    EXPECT_EQ(TPlayerState::PackageKey(dir.File("none.bin")), "");
}

// A package that is no file has no key (a pipe would never end); a large one is keyed
// by its size and samples, without being read whole.
TEST(TPlayerState, PackageKeysOfPipesAndLargePackages)
{
    test::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("pipe.bin").c_str(), 0600), 0);
    EXPECT_EQ(TPlayerState::PackageKey(dir.File("pipe.bin")), "");
    ASSERT_EQ(::symlink("/dev/zero", dir.File("zero.bin").c_str()), 0);
    EXPECT_EQ(TPlayerState::PackageKey(dir.File("zero.bin")), "");

    // Sparse files of 2 GB: nothing is read but the samples.
    auto large = [&](const char* name, int64_t size, char first) {
        FILE* f = std::fopen(dir.File(name).c_str(), "wb");
        std::fputc(first, f);
        std::fclose(f);
        EXPECT_EQ(::truncate(dir.File(name).c_str(), size), 0) << name;
        return TPlayerState::PackageKey(dir.File(name));
    };
    const int64_t big = int64_t { 2 } << 30;
    const std::string a = large("a.bin", big, 'a');
    EXPECT_EQ(a.size(), 16u);
    EXPECT_EQ(a, large("a2.bin", big, 'a'));
    EXPECT_NE(a, large("b.bin", big, 'b'));
    EXPECT_NE(a, large("c.bin", big + 1, 'a'));
}

// Missing, too large, not text, of another package or without a state: the defaults,
// with the reason; values out of range are dropped one by one.
TEST(TPlayerState, BadFilesGiveTheDefaults)
{
    test::TempDir dir;
    std::string problem;
    auto load = [&](const std::string& text) {
        dir.Write("s.ini", text);
        return TPlayerState::Load(dir.File("s.ini"), kKey, problem);
    };
    TPlayerState missing = TPlayerState::Load(dir.File("none.ini"), kKey, problem);
    EXPECT_EQ(problem, "no state file");
    EXPECT_TRUE(missing.bounds.IsEmpty());
    EXPECT_EQ(missing.volume, 100);

    load(std::string(TPlayerState::kLargestFile + 1, 'x'));
    EXPECT_EQ(problem, "the state file is too large");
    std::string binary = "[State]\npackage=" + kKey + "\n";
    binary.push_back('\0');
    load(binary + "\x01\x02");
    EXPECT_EQ(problem, "the state file is not text");
    load("garbage \xff\xfe with no sections");
    EXPECT_EQ(problem, "the state file has no state");
    TPlayerState foreign = load("[State]\npackage=ffffffffffffffff\nleft=1\ntop=1\nwidth=500\nheight=400\n");
    EXPECT_EQ(problem, "the state file is another package's");
    EXPECT_TRUE(foreign.bounds.IsEmpty());

    TPlayerState odd = load("[State]\npackage=" + kKey
        + "\nleft=0\ntop=0\nwidth=2000000000\nheight=-5\nmode=sideways\nvolume=-30\nmuted=1\n"
          "lastgame=../../etc/passwd\n");
    EXPECT_EQ(problem, "the state file's values out of range were left out: window mode volume last game");
    EXPECT_TRUE(odd.bounds.IsEmpty());
    EXPECT_EQ(odd.mode, TWindowMode::Normal);
    EXPECT_EQ(odd.volume, 100);
    EXPECT_TRUE(odd.muted) << "the rest is kept";
    EXPECT_EQ(odd.last_game, "");
}

// A state that cannot be written (its folder is a file; the file beside it that
// would replace it cannot be made): the save fails with the reason and the old file
// stays whole.
TEST(TPlayerState, AFailedSaveLeavesTheOldFile)
{
    test::TempDir dir;
    TPlayerState state;
    state.volume = 70;
    std::string error;
    ASSERT_TRUE(state.Save(dir.File("s.ini"), kKey, error));
    const std::string before = dir.Read("s.ini");
    dir.Write("file", "");
    EXPECT_FALSE(state.Save(dir.File("file/s.ini"), kKey, error));
    EXPECT_NE(error.find("cannot make the folder"), std::string::npos) << error;
    ASSERT_EQ(::mkdir(dir.File("s.ini.new").c_str(), 0700), 0);
    state.volume = 10;
    EXPECT_FALSE(state.Save(dir.File("s.ini"), kKey, error));
    EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
    EXPECT_EQ(dir.Read("s.ini"), before);
}

// A place is taken only when its caption band shows on a monitor.
TEST(TPlayerState, OnlyAPlaceOnSomeMonitorIsTaken)
{
    const std::vector<TRect> monitors { { 0, 0, 1280, 800 }, { 1280, 0, 3200, 1080 } };
    EXPECT_EQ(TPlayerState::OnScreen({ 100, 100, 1000, 800 }, monitors), (TRect { 100, 100, 1000, 800 }));
    EXPECT_EQ(TPlayerState::OnScreen({ 2000, 500, 2900, 1200 }, monitors), (TRect { 2000, 500, 2900, 1200 }))
        << "on the second monitor";
    EXPECT_TRUE(TPlayerState::OnScreen({ 4000, 100, 4900, 800 }, monitors).IsEmpty()) << "a monitor now gone";
    EXPECT_TRUE(TPlayerState::OnScreen({ 100, -400, 1000, 300 }, monitors).IsEmpty())
        << "caption above the top";
    EXPECT_EQ(TPlayerState::OnScreen({ -850, 10, 50, 700 }, { monitors[0] }), (TRect { -850, 10, 50, 700 }))
        << "50 pixels of the caption show";
    EXPECT_TRUE(TPlayerState::OnScreen({ -870, 10, 30, 700 }, { monitors[0] }).IsEmpty()) << "30 do not";
}
