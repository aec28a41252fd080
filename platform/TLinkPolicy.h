#pragma once

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

namespace tessel {

// What happens to a link a page or a movie opens in a new window (or away from the
// program's own page): it goes to the desktop's opener only when a person asked for
// it and it is an address a browser or mail program shows.
enum class TLinkVerdict { Open, NotAsked, NotWeb, TooLong };

// No opener takes a longer address as its argument, nor does a person mean one.
constexpr size_t kLongestLink = 32 * 1024;

inline TLinkVerdict JudgeLink(std::string_view uri, bool asked)
{
    if (!asked)
        return TLinkVerdict::NotAsked;
    if (uri.size() > kLongestLink)
        return TLinkVerdict::TooLong;
    const size_t colon = uri.find(':');
    if (colon == std::string_view::npos || colon == 0)
        return TLinkVerdict::NotWeb;
    std::string scheme(uri.substr(0, colon));
    std::transform(
        scheme.begin(), scheme.end(), scheme.begin(), [](unsigned char c) { return std::tolower(c); });
    // Only http(s) with an authority ("//") and mail.
    const bool web = (scheme == "http" || scheme == "https") && uri.substr(colon + 1, 2) == "//";
    return web || scheme == "mailto" ? TLinkVerdict::Open : TLinkVerdict::NotWeb;
}

} // namespace tessel
