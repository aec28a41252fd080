#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessel {

// The address rules the web views work by.
class TUri {
public:
    // An address as a browser takes it from a person: surrounding spaces dropped,
    // every byte an address cannot hold as it stands (spaces, quotes, "<>", non-ASCII
    // letters, a "%" that starts no escape, a second "#") percent-encoded, and "\"
    // read as "/" in the paths of the web's own schemes. Empty when nothing can load
    // it: no scheme (a letter, then letters, digits, "+", "-", ".", then ":"), nothing
    // after the scheme, or a control character anywhere.
    static std::optional<std::string> Normalize(std::string_view address);
    // Whether the text begins with a scheme and ":" (one letter before ":" is a
    // drive, not a scheme).
    static bool HasScheme(std::string_view address);
    // The "file://" address of an absolute path, with the bytes an address cannot
    // hold escaped.
    static std::string FromFilePath(std::string_view path);
    // Escapes every byte but letters, digits and "-._~".
    static std::string Escape(std::string_view text);
    // Undoes "%XX" escapes; a malformed escape stays as it is.
    static std::string Unescape(std::string_view text);
};

} // namespace tessel
