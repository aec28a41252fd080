#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessel {

// Text and file-name helpers of the framework's run-time library.

std::string UpperCase(std::string_view text);
bool SameText(std::string_view a, std::string_view b);
std::string Trim(std::string_view text);

// Decimal with an optional sign, or hexadecimal behind "$" or "0x"/"0X" (sign allowed
// before either). Hexadecimal takes up to 32 bits and wraps into the signed range.
std::optional<int32_t> TryStrToInt(std::string_view text);
int32_t StrToIntDef(std::string_view text, int32_t fallback);
// Raises EConvertError "'%s' is not a valid integer value".
int32_t StrToInt(std::string_view text);

// The directory part of a path with its trailing "/", or empty.
std::string ExtractFilePath(std::string_view path);
// The part behind the last "/".
std::string ExtractFileName(std::string_view path);
std::string IncludeTrailingPathDelimiter(std::string_view path);

} // namespace tessel
