#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessel {

// How a stored name of a content package becomes the name of an unpacked file.
class TContentNames {
public:
    // The text behind the last "\", ":" or "/": a stored name may carry a Windows
    // path, and on this platform "/" ends a folder name too.
    static std::string_view FileNamePart(std::string_view stored);
    // The stored bytes read as Windows-1252, as UTF-8.
    static std::string Windows1252ToUtf8(std::string_view ansi);
    // UTF-8 as Windows-1252; nothing when a character has no place in it or the text
    // is no well-formed UTF-8.
    static std::optional<std::string> Utf8ToWindows1252(std::string_view utf8);
    // The name an entry unpacks to: the file-name part as UTF-8, or nothing for a
    // name that cannot name a file in the folder (empty, ".", "..", holding NUL, or
    // the private folder's marker).
    static std::optional<std::string> TargetName(std::string_view stored);
    // A name longer than the file system's 255 bytes, shortened to fit: its stem cut
    // at a character's end, then "~" and the serial, then its extension (up to 16
    // bytes) as it was.
    static std::string FitName(std::string_view name, int serial);
    static constexpr size_t kMaxNameBytes = 255;
    // The text without its last count characters (UTF-8 aware); empty when it has
    // no more than that.
    static std::string DropLastCharacters(std::string_view text, size_t count);
};

} // namespace tessel
