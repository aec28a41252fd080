#include "tessel/media/TUri.h"

#include "tessel/platform/Utf8.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cctype>
#include <cstring>

namespace tessel {

namespace {

bool IsSchemeChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool Unreserved(unsigned char c)
{
    return std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~';
}

void AppendEscape(std::string& out, unsigned char c)
{
    static const char* hex = "0123456789ABCDEF";
    out += '%';
    out += hex[c >> 4];
    out += hex[c & 15];
}

// Whether an escaped authority names a place: a user's part and a host name that
// read as UTF-8, an IPv6 address in brackets, a port of digits.
bool IsLoadableAuthority(std::string_view authority)
{
    size_t at = authority.rfind('@');
    if (at != std::string_view::npos && !IsValidUtf8(TUri::Unescape(authority.substr(0, at))))
        return false;
    std::string_view host = at == std::string_view::npos ? authority : authority.substr(at + 1);
    std::string_view port;
    if (!host.empty() && host.front() == '[') {
        size_t close = host.find(']');
        if (close == std::string_view::npos)
            return false;
        std::string literal(host.substr(1, close - 1));
        in6_addr address;
        if (::inet_pton(AF_INET6, literal.c_str(), &address) != 1)
            return false;
        std::string_view after = host.substr(close + 1);
        if (!after.empty() && after.front() != ':')
            return false;
        port = after.empty() ? after : after.substr(1);
    } else {
        size_t colon = host.rfind(':');
        if (colon != std::string_view::npos) {
            port = host.substr(colon + 1);
            host = host.substr(0, colon);
        }
        std::string name = TUri::Unescape(host);
        if (host.find_first_of("[]:") != std::string_view::npos || !IsValidUtf8(name))
            return false;
        // A host name with letters beyond ASCII is an international domain name:
        // letters, digits, "-" and "." only.
        bool international = std::any_of(name.begin(), name.end(), [](char c) { return c & 0x80; });
        if (international && !std::all_of(name.begin(), name.end(), [](char c) {
                return (c & 0x80) || std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.';
            }))
            return false;
    }
    return std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

bool TUri::HasScheme(std::string_view address)
{
    size_t colon = address.find(':');
    if (colon == std::string_view::npos || colon < 2 || !std::isalpha(static_cast<unsigned char>(address[0])))
        return false;
    for (size_t i = 1; i < colon; ++i)
        if (!IsSchemeChar(address[i]))
            return false;
    return true;
}

std::optional<std::string> TUri::Normalize(std::string_view address)
{
    while (!address.empty() && address.front() == ' ')
        address.remove_prefix(1);
    while (!address.empty() && address.back() == ' ')
        address.remove_suffix(1);
    for (char ch : address)
        if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F)
            return std::nullopt;
    if (!HasScheme(address))
        return std::nullopt;
    size_t colon = address.find(':');
    if (colon + 1 == address.size())
        return std::nullopt;
    std::string scheme(address.substr(0, colon));
    std::transform(
        scheme.begin(), scheme.end(), scheme.begin(), [](unsigned char c) { return std::tolower(c); });
    bool web = scheme == "http" || scheme == "https" || scheme == "ws" || scheme == "wss" || scheme == "ftp"
        || scheme == "file";

    std::string out = scheme + ":";
    std::string text(address.substr(colon + 1));
    if (web)
        for (size_t i = 0; i < text.size() && text[i] != '?' && text[i] != '#'; ++i)
            if (text[i] == '\\')
                text[i] = '/';
    std::string_view rest = text;
    // The authority ("//" up to the path) may hold "[" and "]" around an IPv6 host.
    bool authority = rest.substr(0, 2) == "//";
    size_t authority_end = authority ? 2 : 0;
    if (authority)
        while (authority_end < rest.size() && !std::strchr("/?#", rest[authority_end]))
            ++authority_end;
    // Only the last "@" of the authority ends the user's part.
    size_t last_at = authority ? rest.substr(0, authority_end).rfind('@') : std::string_view::npos;
    bool fragment = false;
    for (size_t i = 0; i < rest.size(); ++i) {
        char c = rest[i];
        auto byte = static_cast<unsigned char>(c);
        if (c == '%' && i + 2 < rest.size() && HexValue(rest[i + 1]) >= 0 && HexValue(rest[i + 2]) >= 0) {
            out += c;
            continue;
        }
        bool keep = Unreserved(byte) || (byte < 0x80 && std::strchr(":/?@!$&'()*+,;=", c))
            || (i < authority_end && (c == '[' || c == ']')) || (c == '#' && !fragment);
        if (c == '@' && i < authority_end && i != last_at)
            keep = false;
        if (c == '#' && keep)
            fragment = true;
        if (keep)
            out += c;
        else
            AppendEscape(out, byte);
    }
    if (authority) {
        std::string_view escaped = std::string_view(out).substr(scheme.size() + 3);
        if (!IsLoadableAuthority(escaped.substr(0, escaped.find_first_of("/?#"))))
            return std::nullopt;
    }
    return out;
}

std::string TUri::Escape(std::string_view text)
{
    std::string out;
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        if (Unreserved(c))
            out += ch;
        else
            AppendEscape(out, c);
    }
    return out;
}

std::string TUri::FromFilePath(std::string_view path)
{
    std::string out = "file://";
    size_t start = 0;
    while (start <= path.size()) {
        size_t slash = path.find('/', start);
        if (slash == std::string_view::npos)
            slash = path.size();
        out += Escape(path.substr(start, slash - start));
        if (slash < path.size())
            out += '/';
        start = slash + 1;
    }
    return out;
}

std::string TUri::Unescape(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0
            && HexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else
            out += text[i];
    }
    return out;
}

} // namespace tessel
