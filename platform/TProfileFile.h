#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

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

    // The sections as written (the first of each name), in the file's order, with
    // their keys as written (the first of each name): what a checker of the file
    // lists, as the readers above would find it.
    struct TSectionNames {
        std::string name;
        std::vector<std::string> keys;
    };
    const std::vector<TSectionNames>& Names() const { return m_names; }

    static std::string ReadString(
        const std::string& path, std::string_view section, std::string_view key, std::string_view fallback);
    static int ReadInteger(
        const std::string& path, std::string_view section, std::string_view key, int fallback);

private:
    // Section name -> key -> value, names in upper case, first ones kept.
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> m_sections;
    std::vector<TSectionNames> m_names;
};

} // namespace tessel
