// Addresses that TUri::Normalize gives must be ones the desktop's web views take:
// they check them with GLib's parser (escapes kept as they are).
#include "tessel/media/TUri.h"

#include <glib.h>
#include <gtest/gtest.h>
#include <random>

using namespace tessel;

TEST(TUri, EveryNormalizedAddressIsOneGLibTakesAndStaysAsItIs)
{
    const char* schemes[]
        = { "https:", "http://", "https://", "file://", "data:", "mailto:", "x-y.z+1:", "about:" };
    // Bytes an address holds as they are, those it must escape, and whole escapes.
    const std::string pieces[]
        = { "a", "Z", "0", "/", "?", "#", "[", "]", "@", ":", "%", "%4", "%41", "%zz", " ", "\"", "<", ">",
              "\\", "^", "`", "{", "}", "|", "!", "$", "&", "'", "(", ")", "*", "+", ",", ";", "=", "~", "-",
              ".", "_", "\xC3\xA9", "\xFF", "\xE2\x82\xAC", "//", "::", "[::1]", "[zz]", ":80", ":x", "%FF" };
    std::mt19937 random(12345);
    int normalized = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string address = schemes[random() % std::size(schemes)];
        int length = static_cast<int>(random() % 12);
        for (int i = 0; i < length; ++i)
            address += pieces[random() % std::size(pieces)];
        std::optional<std::string> uri = TUri::Normalize(address);
        if (!uri)
            continue;
        ++normalized;
        ASSERT_TRUE(g_uri_is_valid(uri->c_str(), G_URI_FLAGS_ENCODED, nullptr)) << address << " -> " << *uri;
        ASSERT_EQ(TUri::Normalize(*uri), uri) << address;
    }
    EXPECT_GT(normalized, 15000);
}
