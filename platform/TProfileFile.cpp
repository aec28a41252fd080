#include "platform/TProfileFile.h"

#include <cctype>
#include <fstream>
#include <sstream>

namespace tessel {

namespace {

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

bool SameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string Cut(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, TProfileFile::kMaxValue));
}

} // namespace

std::string TProfileFile::ReadString(
    const std::string& path, std::string_view section, std::string_view key, std::string_view fallback)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return Cut(Trim(fallback));
    std::stringstream text;
    text << file.rdbuf();
    std::string content = text.str();

    bool in_section = false, section_seen = false;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = content.size();
        std::string_view line = Trim(std::string_view(content).substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            if (in_section)
                break; // the first matching section ends here
            size_t close = line.find(']');
            std::string_view name
                = Trim(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
            in_section = !section_seen && SameText(name, section);
            section_seen = section_seen || in_section;
            continue;
        }
        if (!in_section)
            continue;
        size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;
        if (SameText(Trim(line.substr(0, eq)), key))
            return Cut(Trim(line.substr(eq + 1)));
    }
    return Cut(Trim(fallback));
}

int TProfileFile::ReadInteger(
    const std::string& path, std::string_view section, std::string_view key, int fallback)
{
    std::string text = ReadString(path, section, key, "");
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return fallback;
    long long value = 0;
    for (; i < text.size(); ++i) {
        int c = static_cast<unsigned char>(text[i]), digit;
        if (std::isdigit(c))
            digit = c - '0';
        else if (base == 16 && std::isxdigit(c))
            digit = std::toupper(c) - 'A' + 10;
        else
            return fallback;
        value = value * base + digit;
        if (value > 0xFFFFFFFFll)
            return fallback;
    }
    if (base == 16)
        return static_cast<int>(static_cast<uint32_t>(negative ? -value : value));
    value = negative ? -value : value;
    if (value < INT32_MIN || value > INT32_MAX)
        return fallback;
    return static_cast<int>(value);
}

} // namespace tessel
