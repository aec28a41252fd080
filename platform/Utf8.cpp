#include "tessel/platform/Utf8.h"

namespace tessel {

namespace {

// The length of the well-formed sequence at i, with its code point; 0 when none
// starts there.
int SequenceAt(std::string_view text, size_t i, char32_t& cp)
{
    auto lead = static_cast<unsigned char>(text[i]);
    int length = lead < 0x80  ? 1
        : (lead >> 5) == 0x6  ? 2
        : (lead >> 4) == 0xE  ? 3
        : (lead >> 3) == 0x1E ? 4
                              : 0;
    cp = length == 1 ? lead : length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
    bool ok = length > 0 && i + length <= text.size();
    for (int k = 1; ok && k < length; ++k) {
        auto next = static_cast<unsigned char>(text[i + k]);
        ok = (next & 0xC0) == 0x80;
        cp = (cp << 6) | (next & 0x3F);
    }
    static constexpr char32_t kMin[] = { 0, 0, 0x80, 0x800, 0x10000 };
    ok = ok && cp >= kMin[length] && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
    return ok ? length : 0;
}

} // namespace

std::u32string DecodeUtf8(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        char32_t cp = 0;
        int length = SequenceAt(text, i, cp);
        out.push_back(length ? cp : U'\uFFFD');
        i += length ? static_cast<size_t>(length) : 1;
    }
    return out;
}

bool IsValidUtf8(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        int length = SequenceAt(text, i, cp);
        if (!length)
            return false;
        i += static_cast<size_t>(length);
    }
    return true;
}

std::string EncodeUtf8(std::u32string_view text)
{
    std::string out;
    for (char32_t cp : text) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

} // namespace tessel
