#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace tessel {

// Reads values from an INI file the way the platform's profile functions do:
// sections and keys match without regard to letter case; the first matching section
// and, in it, the first matching key win; keys and values are trimmed and a value in
// matching quotes loses them; a value is cut at 2,047 characters; a missing or
// unreadable file reads like a file with no keys; a UTF-8 byte-order mark at the
// start is no part of the text. The static readers read the file afresh on every
// call; an instance reads it once and answers any number of questions.
class TProfileFile {
public:
    static constexpr size_t kMaxValue = 2047;

    explicit TProfileFile(const std::string& path);

    std::string String(std::string_view section, std::string_view key, std::string_view fallback) const;
    // Decimal, or hexadecimal behind "$" or "0x"; fallback when missing or malformed.
    int Integer(std::string_view section, std::string_view key, int fallback) const;

    static std::string ReadString(
        const std::string& path, std::string_view section, std::string_view key, std::string_view fallback);
    static int ReadInteger(
        const std::string& path, std::string_view section, std::string_view key, int fallback);

private:
    // Section name -> key -> value, names in upper case, first ones kept.
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> m_sections;
};

} // namespace tessel
