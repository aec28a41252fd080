#include "media/TUri.h"

#include <cctype>

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

bool TUri::IsValid(std::string_view address)
{
    if (!HasScheme(address) || address.find(':') + 1 == address.size())
        return false;
    for (size_t i = 0; i < address.size(); ++i) {
        auto c = static_cast<unsigned char>(address[i]);
        if (c <= 0x20 || c == 0x7F)
            return false;
        if (c == '%'
            && (i + 2 >= address.size() || HexValue(address[i + 1]) < 0 || HexValue(address[i + 2]) < 0))
            return false;
    }
    return true;
}

std::string TUri::Escape(std::string_view text)
{
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        if (Unreserved(c))
            out += ch;
        else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
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
