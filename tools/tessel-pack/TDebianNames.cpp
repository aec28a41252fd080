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
