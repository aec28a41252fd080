#include "tessel/platform/TLinkPolicy.h"

#include <gtest/gtest.h>

using namespace tessel;

TEST(TLinkPolicy, OnlyWebAndMailAddressesAPersonAskedForOpen)
{
    for (const char* opens : { "https://example.org/more", "http://example.org/", "HTTPS://Example.org/x",
             "mailto:games@example.org", "MailTo:a@b.org?subject=hi" })
        EXPECT_EQ(JudgeLink(opens, true), TLinkVerdict::Open) << opens;
    EXPECT_EQ(JudgeLink("https://example.org/more", false), TLinkVerdict::NotAsked);
    for (const char* refused : { "javascript:alert(1)", "JavaScript:window.close()", "file:///etc/passwd",
             "tessel://player/player.html", "ftp://example.org/x", "data:text/html,<p>x</p>", "about:blank",
             "http:example.org", "https:/x", "more.html", "--help", "-x", "", ":", "x-scheme-handler:a" })
        EXPECT_EQ(JudgeLink(refused, true), TLinkVerdict::NotWeb) << refused;
    const std::string longest = "https://example.org/" + std::string(kLongestLink - 20, 'x');
    EXPECT_EQ(JudgeLink(longest, true), TLinkVerdict::Open);
    EXPECT_EQ(JudgeLink(longest + "x", true), TLinkVerdict::TooLong);
}
