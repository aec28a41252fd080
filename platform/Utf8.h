#pragma once

#include <string>
#include <string_view>

namespace tessel {

// UTF-8 to code points; a byte that does not start a well-formed sequence (bad
// lead, short or overlong sequence, surrogate, past U+10FFFF) reads as U+FFFD.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view text);
// Whether every byte belongs to a well-formed sequence.
bool IsValidUtf8(std::string_view text);

} // namespace tessel
