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
    static constexpr size_t kMaxDescription = 4000;
    // Paragraphs of UTF-8 text, lines apart, no other control character (no tab), 1
    // to kMaxDescription bytes.
    static std::string DescriptionProblem(std::string_view description);
    // "YEAR NAME" (or "YEAR-YEAR NAME", "YEAR, YEAR NAME"): one line as a title is,
    // starting with a year.
    static std::string CopyrightProblem(std::string_view copyright);
    // "Name <local@domain>": a name as a title is, an address whose domain has a dot,
    // and neither root nor a local host, which Debian refuses as a maintainer's.
    static std::string MaintainerProblem(std::string_view maintainer);
    // The title as a desktop entry's string value (backslashes doubled).
    static std::string DesktopValue(std::string_view text);
};

} // namespace tessel
