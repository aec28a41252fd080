#pragma once

#include <string>
#include <string_view>

namespace tessel {

// What Debian accepts as a package's name and version, and what a collection's title
// may hold. Each check returns an empty string when the value is good, else a
// sentence that says what is wrong with it.
class TDebianNames {
public:
    static constexpr size_t kMaxTitle = 200;

    // Lower-case letters, digits, '+', '-' and '.', at least two, starting with a
    // letter or digit.
    static std::string PackageNameProblem(std::string_view name);
    // [epoch:]upstream[-revision]: the epoch digits, the upstream part starting with
    // a digit and made of letters, digits and ". + ~ -" (a '-' only when a revision
    // follows), the revision of letters, digits and ". + ~".
    static std::string VersionProblem(std::string_view version);
    // One line of UTF-8 text without control characters, 1 to kMaxTitle bytes.
    static std::string TitleProblem(std::string_view title);
    // The title as a desktop entry's string value (backslashes doubled).
    static std::string DesktopValue(std::string_view text);
};

} // namespace tessel
