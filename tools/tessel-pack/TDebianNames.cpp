#include "tools/tessel-pack/TDebianNames.h"

#include "tessel/platform/Utf8.h"

namespace tessel {

namespace {

bool IsLowerAlnum(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool IsAlnum(char c)
{
    return IsLowerAlnum(c) || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

enum class Lines { One, Many };

// Text of UTF-8 without control characters (but line breaks where it may have many
// lines), not empty (nor only spaces and line breaks), at most most bytes; what names
// it in the sentence.
std::string TextProblem(const std::string& what, std::string_view text, size_t most, Lines lines)
{
    if (text.find_first_not_of(lines == Lines::Many ? " \n" : "") == std::string_view::npos)
        return what + " is empty";
    if (text.size() > most)
        return what + " is longer than " + std::to_string(most) + " bytes";
    if (!IsValidUtf8(text))
        return what + " is not UTF-8 text";
    for (char32_t c : DecodeUtf8(text))
        if ((c < 0x20 && !(c == '\n' && lines == Lines::Many)) || (c >= 0x7F && c <= 0x9F))
            return what
                + (lines == Lines::Many ? " holds a control character (a tab, a carriage return ...); lines "
                                          "are apart by line "
                                          "breaks alone"
                                        : " holds a control character (a line break, a tab ...)");
    return {};
}

// One line of text as a title is, without a space at either end.
std::string LineProblem(const std::string& what, std::string_view text)
{
    if (std::string problem = TextProblem(what, text, TDebianNames::kMaxTitle, Lines::One); !problem.empty())
        return problem;
    if (text.front() == ' ' || text.back() == ' ')
        return what + " starts or ends with a space";
    return {};
}

} // namespace

std::string TDebianNames::PackageNameProblem(std::string_view name)
{
    if (name.size() < 2)
        return "a package name has at least two characters";
    if (!IsLowerAlnum(name[0]))
        return "a package name starts with a lower-case letter or a digit";
    for (char c : name)
        if (!IsLowerAlnum(c) && c != '+' && c != '-' && c != '.')
            return "a package name holds only lower-case letters, digits, '+', '-' and '.'";
    return {};
}

std::string TDebianNames::VersionProblem(std::string_view version)
{
    std::string_view upstream = version;
    size_t colon = upstream.find(':');
    if (colon != std::string_view::npos) {
        std::string_view epoch = upstream.substr(0, colon);
        if (epoch.empty())
            return "the epoch before ':' is empty";
        for (char c : epoch)
            if (!IsDigit(c))
                return "the epoch before ':' is a number";
        upstream = upstream.substr(colon + 1);
    }
    size_t dash = upstream.rfind('-');
    if (dash != std::string_view::npos) {
        std::string_view revision = upstream.substr(dash + 1);
        if (revision.empty())
            return "the revision after the last '-' is empty";
        for (char c : revision)
            if (!IsAlnum(c) && c != '.' && c != '+' && c != '~')
                return "the revision after the last '-' holds only letters, digits, '.', '+' and '~'";
        upstream = upstream.substr(0, dash);
    }
    if (upstream.empty() || !IsDigit(upstream[0]))
        return "a version starts with a digit (after the epoch, if any)";
    for (char c : upstream)
        if (!IsAlnum(c) && c != '.' && c != '+' && c != '~' && c != '-')
            return "a version holds only letters, digits, '.', '+', '~' and '-' (and one ':' after an epoch)";
    return {};
}

std::string TDebianNames::TitleProblem(std::string_view title)
{
    return LineProblem("the title", title);
}

std::string TDebianNames::DescriptionProblem(std::string_view description)
{
    return TextProblem("the description", description, kMaxDescription, Lines::Many);
}

std::string TDebianNames::CopyrightProblem(std::string_view copyright)
{
    if (std::string problem = LineProblem("the copyright line", copyright); !problem.empty())
        return problem;
    size_t year = 0;
    while (year < copyright.size() && IsDigit(copyright[year]))
        ++year;
    if (year != 4 || copyright.find(' ') == std::string_view::npos)
        return "the copyright line is \"YEAR NAME\", as \"2026 Space Games Ltd\"";
    return {};
}

std::string TDebianNames::MaintainerProblem(std::string_view maintainer)
{
    const std::string form = "a maintainer is \"Name <address>\"";
    const size_t open = maintainer.find('<');
    if (open == std::string_view::npos || maintainer.back() != '>' || open < 2 || maintainer[open - 1] != ' ')
        return form;
    const std::string_view name = maintainer.substr(0, open - 1);
    const std::string_view address = maintainer.substr(open + 1, maintainer.size() - open - 2);
    if (!TitleProblem(name).empty() || name.find_first_of("<>,") != std::string_view::npos)
        return form + ", the name one line of text without '<', '>' or ','";
    const size_t at = address.find('@');
    if (at == 0 || at == std::string_view::npos || address.find('@', at + 1) != std::string_view::npos)
        return form + ", the address one local part, '@' and a domain";
    for (char c : address)
        if (!IsAlnum(c) && std::string_view("@.-_+").find(c) == std::string_view::npos)
            return form + "; the address holds only letters, digits and \". - _ + @\"";
    const std::string_view local = address.substr(0, at);
    const std::string_view domain = address.substr(at + 1);
    if (local == "root" || domain == "localhost" || domain.ends_with(".localdomain")
        || domain.ends_with(".local") || domain.ends_with(".localhost"))
        return "the address " + std::string(address)
            + " is root's or a local host's; Debian wants one people can write to";
    if (domain.find('.') == std::string_view::npos || domain.front() == '.' || domain.back() == '.')
        return "the address " + std::string(address) + " has no domain of the internet (as example.org)";
    return {};
}

std::string TDebianNames::DesktopValue(std::string_view text)
{
    std::string value;
    for (char c : text) {
        if (c == '\\')
            value += '\\';
        value += c;
    }
    return value;
}

} // namespace tessel
