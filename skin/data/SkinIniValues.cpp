#include "tessel/skin/data/SkinIniValues.h"

#include "tessel/framework/SysUtils.h"
#include "tessel/framework/TMemIniFile.h"
#include "tessel/skin/data/TvxEnumWords.h"

#include <algorithm>

namespace tessel {

namespace {

// Splits at commas keeping only digits; converts the first `count` fields.
std::vector<int32_t> ParseFields(std::string_view text, size_t count)
{
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == ',')
            fields.emplace_back();
        else if (c >= '0' && c <= '9')
            fields.back() += c;
    }
    // Extra fields lie outside the format and are ignored; missing ones are empty
    // texts, and converting an empty text is the conversion error.
    fields.resize(std::max(fields.size(), count));
    std::vector<int32_t> values;
    for (size_t i = 0; i < count; ++i)
        values.push_back(StrToInt(fields[i]));
    return values;
}

// A count larger than the lines of its section names mostly missing keys. Reading
// then stops behind the highest entry present, so a huge count cannot stall a load;
// the entries left out would all have been empty.
int32_t BoundedCount(const TMemIniFile& ini, std::string_view section, std::string_view prefix, int32_t count)
{
    if (count <= 0)
        return 0;
    if (count <= ini.SectionLineCount(section))
        return count;
    int32_t highest = -1;
    for (const std::string& key : ini.ReadSection(section)) {
        if (key.size() <= prefix.size() || !SameText(std::string_view(key).substr(0, prefix.size()), prefix))
            continue;
        auto index = TryStrToInt(std::string_view(key).substr(prefix.size()));
        if (index && *index >= 0 && std::to_string(*index) == key.substr(prefix.size()))
            highest = std::max(highest, *index);
    }
    return std::min(count, highest + 1);
}

} // namespace

int32_t ReadSkinInteger(
    const TMemIniFile& ini, std::string_view section, std::string_view key, int32_t fallback)
{
    return ini.ReadInteger(section, key, fallback);
}

TColor ReadSkinColor(const TMemIniFile& ini, std::string_view section, std::string_view key, TColor fallback)
{
    return static_cast<TColor>(ini.ReadInteger(section, key, static_cast<int32_t>(fallback)));
}

bool ReadSkinBool(const TMemIniFile& ini, std::string_view section, std::string_view key)
{
    return ini.ReadInteger(section, key, 0) == 1;
}

std::string ReadSkinString(
    const TMemIniFile& ini, std::string_view section, std::string_view key, std::string_view fallback)
{
    return ini.ReadString(section, key, fallback);
}

TRect ParseSkinRect(std::string_view text)
{
    auto v = ParseFields(text, 4);
    return TRect { v[0], v[1], v[2], v[3] };
}

TPoint ParseSkinPoint(std::string_view text)
{
    auto v = ParseFields(text, 2);
    return TPoint { v[0], v[1] };
}

TRect ReadSkinRect(const TMemIniFile& ini, std::string_view section, std::string_view key)
{
    return ParseSkinRect(ini.ReadString(section, key, "0,0,0,0"));
}

TPoint ReadSkinPoint(const TMemIniFile& ini, std::string_view section, std::string_view key)
{
    return ParseSkinPoint(ini.ReadString(section, key, "0,0"));
}

TFontStyles ParseSkinFontStyles(std::string_view text)
{
    TFontStyles styles = 0;
    if (text.find("fsbold") != std::string_view::npos)
        styles |= fsBold;
    if (text.find("fsitalic") != std::string_view::npos)
        styles |= fsItalic;
    if (text.find("fsunderline") != std::string_view::npos)
        styles |= fsUnderline;
    if (text.find("fsstrikeout") != std::string_view::npos)
        styles |= fsStrikeOut;
    return styles;
}

TFontStyles ReadSkinFontStyles(const TMemIniFile& ini, std::string_view section, std::string_view key)
{
    return ParseSkinFontStyles(ini.ReadString(section, key, ""));
}

int32_t ReadSkinEnum(
    const TMemIniFile& ini, std::string_view section, std::string_view key, const TvxEnumWords& words)
{
    return words.Parse(ini.ReadString(section, key, words.DefaultWord()));
}

std::vector<std::string> ReadSkinCountedList(
    const TMemIniFile& ini, std::string_view section, std::string_view name)
{
    int32_t n = BoundedCount(ini, section, "", ini.ReadInteger(section, std::string(name) + "count", 0));
    std::vector<std::string> entries;
    for (int32_t i = 0; i < n; ++i)
        entries.push_back(ini.ReadString(section, std::to_string(i), ""));
    return entries;
}

void ReadSkinLineList(
    const TMemIniFile& ini, std::string_view section, std::string_view name, TStringList& lines)
{
    lines.Clear();
    std::string prefix = std::string(name) + "line";
    int32_t n
        = BoundedCount(ini, section, prefix, ini.ReadInteger(section, std::string(name) + "linecount", 0));
    for (int32_t i = 0; i < n; ++i)
        lines.Add(ini.ReadString(section, prefix + std::to_string(i), ""));
}

std::string SkinRectText(const TRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + ","
        + std::to_string(r.bottom);
}

std::string SkinPointText(const TPoint& p)
{
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

std::string SkinFontStylesText(TFontStyles styles)
{
    std::string out;
    auto add = [&](TFontStyle s, const char* word) {
        if (styles & s) {
            if (!out.empty())
                out += ',';
            out += word;
        }
    };
    add(fsBold, "fsbold");
    add(fsItalic, "fsitalic");
    add(fsUnderline, "fsunderline");
    add(fsStrikeOut, "fsstrikeout");
    return out;
}

void WriteSkinInteger(TMemIniFile& ini, std::string_view section, std::string_view key, int32_t value)
{
    ini.WriteInteger(section, key, value);
}

void WriteSkinBool(TMemIniFile& ini, std::string_view section, std::string_view key, bool value)
{
    ini.WriteString(section, key, value ? "1" : "0");
}

void WriteSkinString(TMemIniFile& ini, std::string_view section, std::string_view key, std::string_view value)
{
    ini.WriteString(section, key, value);
}

void WriteSkinRect(TMemIniFile& ini, std::string_view section, std::string_view key, const TRect& value)
{
    ini.WriteString(section, key, SkinRectText(value));
}

void WriteSkinPoint(TMemIniFile& ini, std::string_view section, std::string_view key, const TPoint& value)
{
    ini.WriteString(section, key, SkinPointText(value));
}

void WriteSkinFontStyles(TMemIniFile& ini, std::string_view section, std::string_view key, TFontStyles value)
{
    ini.WriteString(section, key, SkinFontStylesText(value));
}

void WriteSkinEnum(TMemIniFile& ini, std::string_view section, std::string_view key, int32_t value,
    const TvxEnumWords& words)
{
    ini.WriteString(section, key, words.Word(value));
}

void WriteSkinLineList(
    TMemIniFile& ini, std::string_view section, std::string_view name, const TStringList& lines)
{
    ini.WriteInteger(section, std::string(name) + "linecount", lines.Count());
    for (int i = 0; i < lines.Count(); ++i)
        ini.WriteString(section, std::string(name) + "line" + std::to_string(i), lines.Strings(i));
}

} // namespace tessel
