#include "app/content/TGameOptions.h"

#include "tessel/framework/SysUtils.h"
#include "tessel/platform/TProfileFile.h"
#include "tessel/platform/Utf8.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>

namespace tessel {

namespace {

// The name of the list the value is, in any letter case; empty when none.
std::string OneOf(const std::string& value, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        if (SameText(value, name))
            return name;
    return {};
}

// A colour as #RRGGBB, 0xRRGGBB or $RRGGBB: six hexadecimal digits.
std::optional<uint32_t> Colour(const std::string& text)
{
    std::string digits = text;
    for (const char* prefix : { "#", "0x", "0X", "$" })
        if (digits.rfind(prefix, 0) == 0) {
            digits = digits.substr(std::char_traits<char>::length(prefix));
            break;
        }
    if (digits.size() != 6 || digits.size() == text.size())
        return std::nullopt;
    uint32_t value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

std::optional<double> FrameRate(const std::string& text)
{
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value > 0 && value <= 120))
        return std::nullopt;
    return value;
}

} // namespace

std::string TGameOptions::SectionOf(const std::string& movie_name)
{
    // The name less its extension (".swf" in any letter case).
    size_t dot = movie_name.find_last_of('.');
    return "Game " + (dot == std::string::npos ? movie_name : movie_name.substr(0, dot));
}

TMovieOptions TGameOptions::Read(const TProfileFile& settings, const std::string& movie_name,
    const std::function<void(const std::string&)>& warn)
{
    const std::string section = SectionOf(movie_name);
    TMovieOptions options;
    auto value = [&](const char* key) { return settings.String(section, key, ""); };
    auto refuse = [&](const char* key, std::string text, const char* why) {
        // The value as a terminal shows it safely.
        for (char& c : text)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                c = '?';
        warn("[" + section + "] " + key + "=" + (IsValidUtf8(text) ? text : "(not UTF-8)") + ": " + why
            + "; ignored");
    };
    if (std::string text = value("flashvars"); !text.empty()) {
        // A query string is one line of text.
        if (std::any_of(text.begin(), text.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; })
            || !IsValidUtf8(text))
            refuse("flashvars", text, "not a query string");
        else
            options.flashvars = text;
    }
    if (std::string text = value("quality"); !text.empty()) {
        options.quality = OneOf(text, { "low", "medium", "high", "best" });
        if (options.quality.empty())
            refuse("quality", text, "not low, medium, high or best");
    }
    if (std::string text = value("scale"); !text.empty()) {
        options.scale = OneOf(text, { "showall", "noborder", "exactfit", "noscale" });
        if (options.scale.empty())
            refuse("scale", text, "not showall, noborder, exactfit or noscale");
    }
    if (std::string text = value("framerate"); !text.empty()) {
        if (std::optional<double> rate = FrameRate(text))
            options.frame_rate = *rate;
        else
            refuse("framerate", text, "not a number of frames a second above 0 and at most 120");
    }
    if (std::string text = value("background"); !text.empty()) {
        if (std::optional<uint32_t> colour = Colour(text))
            options.background = colour;
        else
            refuse("background", text, "not a colour as #RRGGBB");
    }
    return options;
}

} // namespace tessel
