#include "app/content/TGameOptions.h"

#include "tessel/platform/TProfileFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace tessel;

TEST(TGameOptions, ASectionPerMovieWithItsKeysCheckedOneByOne)
{
    test::TempDir dir;
    dir.Write("settings1.ini",
        "[Game Orbit]\nFlashVars=a=1&b=caf\xC3\xA9\nquality=Best\nscale=NoBorder\nframerate=30\n"
        "background=$00ff80\n"
        "[game space race]\nbackground=0X0000FF\nframerate=0.5\n"
        "[Game Bad]\nflashvars=x=\ty\nquality=-1\nscale=stretch\nframerate=121\nbackground=#12345\n"
        "[Game Worse]\nframerate=nan\nbackground=#1234567\nquality=\n"
        "[Game Edge]\nframerate=120\nbackground=#FFFFFF\n"
        "[Game Odd]\nframerate=1e400\nbackground=\xFF\n");
    TProfileFile settings(dir.File("settings1.ini"));
    std::vector<std::string> warnings;
    auto read = [&](const std::string& movie) {
        return TGameOptions::Read(settings, movie, [&](const std::string& w) { warnings.push_back(w); });
    };

    TMovieOptions orbit = read("Orbit.swf");
    EXPECT_EQ(orbit.flashvars, "a=1&b=caf\xC3\xA9");
    EXPECT_EQ(orbit.quality, "best");
    EXPECT_EQ(orbit.scale, "noborder");
    EXPECT_DOUBLE_EQ(orbit.frame_rate, 30);
    EXPECT_EQ(orbit.background, 0x00FF80u);
    // The section's name matches in any letter case; names may hold spaces.
    TMovieOptions race = read("Space Race.SWF");
    EXPECT_EQ(race.background, 0x0000FFu);
    EXPECT_DOUBLE_EQ(race.frame_rate, 0.5);
    TMovieOptions edge = read("Edge.swf");
    EXPECT_DOUBLE_EQ(edge.frame_rate, 120);
    EXPECT_EQ(edge.background, 0xFFFFFFu);
    EXPECT_TRUE(warnings.empty()) << warnings.front();

    // No section: nothing changes.
    TMovieOptions none = read("Other.swf");
    EXPECT_TRUE(none.flashvars.empty() && none.quality.empty() && none.scale.empty());
    EXPECT_EQ(none.frame_rate, 0);
    EXPECT_FALSE(none.background);

    // Each bad value is left out with a line naming the section and the key.
    TMovieOptions bad = read("Bad.swf");
    EXPECT_TRUE(bad.flashvars.empty() && bad.quality.empty() && bad.scale.empty());
    EXPECT_EQ(bad.frame_rate, 0);
    EXPECT_FALSE(bad.background);
    ASSERT_EQ(warnings.size(), 5u);
    EXPECT_EQ(warnings[0].rfind("[Game Bad] flashvars=", 0), 0u) << warnings[0];
    EXPECT_EQ(warnings[1].rfind("[Game Bad] quality=-1: ", 0), 0u) << warnings[1];
    EXPECT_EQ(warnings[2].rfind("[Game Bad] scale=stretch: ", 0), 0u) << warnings[2];
    EXPECT_EQ(warnings[3].rfind("[Game Bad] framerate=121: ", 0), 0u) << warnings[3];
    EXPECT_EQ(warnings[4].rfind("[Game Bad] background=#12345: ", 0), 0u) << warnings[4];
    warnings.clear();
    read("Worse.swf");
    read("Odd.swf");
    ASSERT_EQ(warnings.size(), 4u) << "an empty value is no value";
    EXPECT_NE(warnings[0].find("framerate=nan"), std::string::npos);
    EXPECT_NE(warnings[1].find("background=#1234567"), std::string::npos);
    EXPECT_NE(warnings[2].find("framerate=1e400"), std::string::npos);
    EXPECT_NE(warnings[3].find("background=(not UTF-8)"), std::string::npos) << warnings[3];
}
