#include "app/content/TContentNames.h"

#include "app/content/TPrivateFolder.h"
#include "tessel/platform/Utf8.h"

#include <array>

namespace tessel {

namespace {

// Windows-1252's 0x80 to 0x9F; the five unassigned bytes keep their C1 code points,
// as the platform's own conversion does.
constexpr std::array<char32_t, 32> kHigh = { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D,
    0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };

char32_t FromAnsi(unsigned char c)
{
    return c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : c;
}

} // namespace

std::string_view TContentNames::FileNamePart(std::string_view stored)
{
    size_t cut = stored.find_last_of("\\:/");
    return cut == std::string_view::npos ? stored : stored.substr(cut + 1);
}

std::string TContentNames::Windows1252ToUtf8(std::string_view ansi)
{
    std::u32string wide;
    wide.reserve(ansi.size());
    for (char c : ansi)
        wide.push_back(FromAnsi(static_cast<unsigned char>(c)));
    return EncodeUtf8(wide);
}

std::optional<std::string> TContentNames::Utf8ToWindows1252(std::string_view utf8)
{
    std::string out;
    for (char32_t c : DecodeUtf8(utf8)) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        size_t i = 0;
        while (i < kHigh.size() && kHigh[i] != c)
            ++i;
        // U+FFFD also stands for malformed input, which has no place either.
        if (i == kHigh.size())
            return std::nullopt;
        out.push_back(static_cast<char>(0x80 + i));
    }
    return out;
}

std::optional<std::string> TContentNames::TargetName(std::string_view stored)
{
    std::string_view part = FileNamePart(stored);
    if (part.empty() || part == "." || part == ".." || part.find('\0') != std::string_view::npos
        || part == TPrivateFolder::kMarker)
        return std::nullopt;
    return Windows1252ToUtf8(part);
}

std::string TContentNames::FitName(std::string_view name, int serial)
{
    size_t dot = name.rfind('.');
    std::string_view extension
        = dot != std::string_view::npos && dot > 0 && name.size() - dot <= 16 ? name.substr(dot) : "";
    std::string suffix = "~" + std::to_string(serial);
    size_t room = kMaxNameBytes - extension.size() - suffix.size();
    std::string_view stem = name.substr(0, name.size() - extension.size());
    // Cut back to the start of a character.
    size_t cut = std::min(room, stem.size());
    while (cut > 0 && cut < stem.size() && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(stem.substr(0, cut)) + suffix + std::string(extension);
}

std::string TContentNames::DropLastCharacters(std::string_view text, size_t count)
{
    std::u32string wide = DecodeUtf8(text);
    if (wide.size() <= count)
        return {};
    wide.resize(wide.size() - count);
    return EncodeUtf8(wide);
}

} // namespace tessel
