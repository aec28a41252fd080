#pragma once

#include <string>
#include <string_view>

namespace tessel {

// Reads values from an INI file the way the platform's profile functions do: the file
// is read afresh on every call; sections and keys match without regard to letter case;
// the first matching section and, in it, the first matching key win; keys and values
// are trimmed and a value in matching quotes loses them; a value is cut at 2,047
// characters; a missing or unreadable file reads like a file with no keys.
class TProfileFile {
public:
    static constexpr size_t kMaxValue = 2047;

    static std::string ReadString(
        const std::string& path, std::string_view section, std::string_view key, std::string_view fallback);
    // Decimal, or hexadecimal behind "$" or "0x"; fallback when missing or malformed.
    static int ReadInteger(
        const std::string& path, std::string_view section, std::string_view key, int fallback);
};

} // namespace tessel
