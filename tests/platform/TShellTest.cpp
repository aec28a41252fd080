#include "tessel/platform/TShell.h"

#include "tests/support/TempDir.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

using namespace tessel;

TEST(TShell, OpenPassesTheAddressAsOneArgumentWithoutAShell)
{
    test::TempDir dir;
    // A stand-in opener that writes down its arguments, one per line.
    dir.Write("opener",
        "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$(dirname \"$0\")/args.txt\"\n");
    chmod(dir.File("opener").c_str(), 0755);
    std::string address = "http://example.invalid/a b;touch " + dir.File("pwned") + " $(id)";
    ASSERT_TRUE(TShell::Open(address, dir.File("opener")));
    // The opener runs on its own; wait up to five seconds for what it wrote.
    for (int i = 0; i < 500 && dir.Read("args.txt") != address + "\n"; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(dir.Read("args.txt"), address + "\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("pwned")));

    EXPECT_FALSE(TShell::Open("x", dir.File("no-such-opener")));
}

TEST(TShell, TempPathEndsWithADelimiter)
{
    std::string path = TShell::TempPath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.back(), '/');
    EXPECT_TRUE(std::filesystem::is_directory(path));
}
