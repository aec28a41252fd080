#pragma once

#include "tessel/framework/TColor.h"
#include "tessel/framework/TStringList.h"
#include "tessel/platform/TRect.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessel {

class TMemIniFile;
class TvxEnumWords;

// Readers and writers of the skin INI's value encodings. Every record reads its
// keys only through these, so the rules hold for every key of a skin:
// malformed integers, colours and booleans give their default; a rectangle or
// point with a missing or empty field raises EConvertError; enumeration words
// outside their list map to the list's fallback value.

int32_t ReadSkinInteger(
    const TMemIniFile& ini, std::string_view section, std::string_view key, int32_t fallback);
TColor ReadSkinColor(const TMemIniFile& ini, std::string_view section, std::string_view key, TColor fallback);
// True only for an integer value of exactly 1.
bool ReadSkinBool(const TMemIniFile& ini, std::string_view section, std::string_view key);
std::string ReadSkinString(
    const TMemIniFile& ini, std::string_view section, std::string_view key, std::string_view fallback);
TRect ReadSkinRect(const TMemIniFile& ini, std::string_view section, std::string_view key);
TPoint ReadSkinPoint(const TMemIniFile& ini, std::string_view section, std::string_view key);
TFontStyles ReadSkinFontStyles(const TMemIniFile& ini, std::string_view section, std::string_view key);
int32_t ReadSkinEnum(
    const TMemIniFile& ini, std::string_view section, std::string_view key, const TvxEnumWords& words);
// The counted list under name: name + "count" entries "0" .. n-1.
std::vector<std::string> ReadSkinCountedList(
    const TMemIniFile& ini, std::string_view section, std::string_view name);
// The line list under name: name + "linecount" lines name + "line" + i.
void ReadSkinLineList(
    const TMemIniFile& ini, std::string_view section, std::string_view name, TStringList& lines);

// Parses the text form of a rectangle (four fields) or point (two fields): digits
// are kept, commas end fields, every other character is dropped.
TRect ParseSkinRect(std::string_view text);
TPoint ParseSkinPoint(std::string_view text);
TFontStyles ParseSkinFontStyles(std::string_view text);

std::string SkinRectText(const TRect& rect);
std::string SkinPointText(const TPoint& point);
std::string SkinFontStylesText(TFontStyles styles);

void WriteSkinInteger(TMemIniFile& ini, std::string_view section, std::string_view key, int32_t value);
void WriteSkinBool(TMemIniFile& ini, std::string_view section, std::string_view key, bool value);
void WriteSkinString(
    TMemIniFile& ini, std::string_view section, std::string_view key, std::string_view value);
void WriteSkinRect(TMemIniFile& ini, std::string_view section, std::string_view key, const TRect& value);
void WriteSkinPoint(TMemIniFile& ini, std::string_view section, std::string_view key, const TPoint& value);
void WriteSkinFontStyles(TMemIniFile& ini, std::string_view section, std::string_view key, TFontStyles value);
void WriteSkinEnum(TMemIniFile& ini, std::string_view section, std::string_view key, int32_t value,
    const TvxEnumWords& words);
void WriteSkinLineList(
    TMemIniFile& ini, std::string_view section, std::string_view name, const TStringList& lines);

} // namespace tessel
