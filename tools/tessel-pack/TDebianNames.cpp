#include "tools/tessel-pack/TDebianNames.h"

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

// The length of the UTF-8 sequence at text[i], or 0 when it is not well formed
// (overlong forms, surrogates and values past U+10FFFF included).
size_t Utf8Length(std::string_view text, size_t i)
{
    auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char c = byte(i);
    size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    uint32_t code = length == 1 ? c : c & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    static const uint32_t kLeast[] = { 0, 0, 0x80, 0x800, 0x10000 };
    if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
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
    for (size_t i = 0; i < title.size();) {
        size_t length = Utf8Length(title, i);
        if (length == 0)
            return "the title is not UTF-8 text";
        auto c = static_cast<unsigned char>(title[i]);
        bool c1 = length == 2 && c == 0xC2 && static_cast<unsigned char>(title[i + 1]) <= 0x9F;
        if ((length == 1 && (c < 0x20 || c == 0x7F)) || c1)
            return "the title holds a control character (a line break, a tab ...)";
        i += length;
    }
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
