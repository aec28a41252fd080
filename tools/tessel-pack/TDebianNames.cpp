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
    if (title.empty())
        return "the title is empty";
    if (title.size() > kMaxTitle)
        return "the title is longer than " + std::to_string(kMaxTitle) + " bytes";
    if (!IsValidUtf8(title))
        return "the title is not UTF-8 text";
    for (char32_t c : DecodeUtf8(title))
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            return "the title holds a control character (a line break, a tab ...)";
    if (title.front() == ' ' || title.back() == ' ')
        return "the title starts or ends with a space";
    return {};
}

std::string TDebianNames::DescriptionProblem(std::string_view description)
{
    if (description.find_first_not_of(" \n") == std::string_view::npos)
        return "the description is empty";
    if (description.size() > kMaxDescription)
        return "the description is longer than " + std::to_string(kMaxDescription) + " bytes";
    if (!IsValidUtf8(description))
        return "the description is not UTF-8 text";
    for (char32_t c : DecodeUtf8(description))
        if ((c < 0x20 && c != '\n') || (c >= 0x7F && c <= 0x9F))
            return "the description holds a control character (a tab, a carriage return ...); lines are "
                   "apart by line breaks alone";
    return {};
}

std::string TDebianNames::CopyrightProblem(std::string_view copyright)
{
    if (copyright.empty())
        return "the copyright line is empty";
    if (std::string problem = TitleProblem(copyright); !problem.empty())
        return "the copyright line" + problem.substr(std::string_view("the title").size());
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
