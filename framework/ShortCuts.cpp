#include "tessel/framework/ShortCuts.h"

#include <array>
#include <cctype>
#include <utility>

namespace tessel {

namespace {

constexpr std::array<std::pair<uint16_t, const char*>, 16> kKeyNames = { {
    { 0x08, "BkSp" },
    { 0x09, "Tab" },
    { 0x0D, "Enter" },
    { 0x1B, "Esc" },
    { 0x20, "Space" },
    { 0x21, "PgUp" },
    { 0x22, "PgDn" },
    { 0x23, "End" },
    { 0x24, "Home" },
    { 0x25, "Left" },
    { 0x26, "Up" },
    { 0x27, "Right" },
    { 0x28, "Down" },
    { 0x2D, "Ins" },
    { 0x2E, "Del" },
    { 0x00, "" },
} };

std::string KeyName(uint16_t key)
{
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    if (key >= 0x70 && key <= 0x7B)
        return "F" + std::to_string(key - 0x70 + 1);
    for (const auto& [code, name] : kKeyNames)
        if (code == key && code != 0)
            return name;
    return {};
}

bool StartsWithNoCase(const std::string& text, size_t at, const std::string& word)
{
    if (text.size() - at < word.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[at + i]))
            != std::toupper(static_cast<unsigned char>(word[i])))
            return false;
    return true;
}

} // namespace

TShortCut ShortCut(uint16_t key, TShiftState shift)
{
    if (key & 0xFF00)
        return scNone;
    TShortCut result = key;
    if (shift & ssShift)
        result |= scShift;
    if (shift & ssCtrl)
        result |= scCtrl;
    if (shift & ssAlt)
        result |= scAlt;
    return result;
}

std::string ShortCutToText(TShortCut shortcut)
{
    std::string name = KeyName(shortcut & 0xFF);
    if (name.empty())
        return {};
    std::string prefix;
    if (shortcut & scShift)
        prefix += "Shift+";
    if (shortcut & scCtrl)
        prefix += "Ctrl+";
    if (shortcut & scAlt)
        prefix += "Alt+";
    return prefix + name;
}

TShortCut TextToShortCut(const std::string& text)
{
    TShortCut flags = 0;
    size_t at = 0;
    for (;;) {
        if (StartsWithNoCase(text, at, "Shift+")) {
            flags |= scShift;
            at += 6;
        } else if (StartsWithNoCase(text, at, "Ctrl+")) {
            flags |= scCtrl;
            at += 5;
        } else if (StartsWithNoCase(text, at, "Alt+")) {
            flags |= scAlt;
            at += 4;
        } else {
            break;
        }
    }
    std::string rest = text.substr(at);
    for (uint16_t key = 1; key < 0x100; ++key) {
        std::string name = KeyName(key);
        if (!name.empty() && name.size() == rest.size() && StartsWithNoCase(rest, 0, name))
            return flags | key;
    }
    return scNone;
}

std::string StripHotkey(const std::string& caption)
{
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

char GetHotkey(const std::string& caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
    }
    return 0;
}

bool IsAccel(char32_t ch, const std::string& caption)
{
    char hot = GetHotkey(caption);
    return hot != 0 && ch < 0x80 && std::toupper(static_cast<int>(ch)) == hot;
}

} // namespace tessel
