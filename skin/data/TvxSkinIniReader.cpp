#include "tessel/skin/data/TvxSkinIniReader.h"

#include "tessel/skin/data/SkinIniValues.h"

namespace tessel {

void TvxSkinIniReader::String(const char* key, std::string& value, const char* fallback)
{
    value = ReadSkinString(m_ini, m_section, key, fallback);
}
void TvxSkinIniReader::Integer(const char* key, int32_t& value, int32_t fallback)
{
    value = ReadSkinInteger(m_ini, m_section, key, fallback);
}
void TvxSkinIniReader::Color(const char* key, TColor& value, TColor fallback)
{
    value = ReadSkinColor(m_ini, m_section, key, fallback);
}
void TvxSkinIniReader::Boolean(const char* key, bool& value)
{
    value = ReadSkinBool(m_ini, m_section, key);
}
void TvxSkinIniReader::Rect(const char* key, TRect& value)
{
    value = ReadSkinRect(m_ini, m_section, key);
}
void TvxSkinIniReader::Point(const char* key, TPoint& value)
{
    value = ReadSkinPoint(m_ini, m_section, key);
}
void TvxSkinIniReader::FontStyles(const char* key, TFontStyles& value)
{
    value = ReadSkinFontStyles(m_ini, m_section, key);
}
void TvxSkinIniReader::EnumValue(const char* key, int32_t& value, const TvxEnumWords& words)
{
    value = ReadSkinEnum(m_ini, m_section, key, words);
}
void TvxSkinIniReader::LineList(const char* key, TStringList& value)
{
    ReadSkinLineList(m_ini, m_section, key, value);
}

} // namespace tessel
