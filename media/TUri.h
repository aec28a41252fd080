#pragma once

#include <string>
#include <string_view>

namespace tessel {

// The address rules the web views work by.
class TUri {
public:
    // An absolute address: a scheme (a letter, then letters, digits, "+", "-", ".")
    // and ":", then no spaces, control characters or stray "%" escapes.
    static bool IsValid(std::string_view address);
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
