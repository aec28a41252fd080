#include "tessel/platform/TProfileFile.h"

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

std::string Upper(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string Cut(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, TProfileFile::kMaxValue));
}

} // namespace

TProfileFile::TProfileFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return;
    std::stringstream text;
    text << file.rdbuf();
    std::string content = text.str();
    size_t start = content.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;

    // Only the first section of a name counts; a later one of the same name is read
    // past, as is everything before the first section.
    std::unordered_map<std::string, std::string>* section = nullptr;
    while (start < content.size()) {
        size_t end = content.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = content.size();
        std::string_view line = Trim(std::string_view(content).substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            size_t close = line.find(']');
            std::string_view written
                = Trim(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
            auto [it, added] = m_sections.try_emplace(Upper(written));
            section = added ? &it->second : nullptr;
            if (added)
                m_names.push_back({ std::string(written), {} });
            continue;
        }
        size_t eq = line.find('=');
        if (section && eq != std::string_view::npos) {
            std::string_view key = Trim(line.substr(0, eq));
            if (section->try_emplace(Upper(key), Cut(Trim(line.substr(eq + 1)))).second)
                m_names.back().keys.emplace_back(key);
        }
    }
}

std::string TProfileFile::String(
    std::string_view section, std::string_view key, std::string_view fallback) const
{
    auto s = m_sections.find(Upper(section));
    if (s != m_sections.end())
        if (auto k = s->second.find(Upper(key)); k != s->second.end())
            return k->second;
    return Cut(Trim(fallback));
}

std::string TProfileFile::ReadString(
    const std::string& path, std::string_view section, std::string_view key, std::string_view fallback)
{
    return TProfileFile(path).String(section, key, fallback);
}

int TProfileFile::ReadInteger(
    const std::string& path, std::string_view section, std::string_view key, int fallback)
{
    return TProfileFile(path).Integer(section, key, fallback);
}

int TProfileFile::Integer(std::string_view section, std::string_view key, int fallback) const
{
    std::string text = String(section, key, "");
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
