#include "tessel/skin/data/TvxSkinIniWriter.h"

#include "tessel/skin/data/SkinIniValues.h"

namespace tessel {

void TvxSkinIniWriter::String(const char* key, std::string& value, const char*)
{
    if (!m_stopped)
        WriteSkinString(m_ini, m_section, key, value);
}
void TvxSkinIniWriter::Integer(const char* key, int32_t& value, int32_t)
{
    if (!m_stopped)
        WriteSkinInteger(m_ini, m_section, key, value);
}
void TvxSkinIniWriter::Color(const char* key, TColor& value, TColor)
{
    if (!m_stopped)
        WriteSkinInteger(m_ini, m_section, key, static_cast<int32_t>(value));
}
void TvxSkinIniWriter::Boolean(const char* key, bool& value)
{
    if (!m_stopped)
        WriteSkinBool(m_ini, m_section, key, value);
}
void TvxSkinIniWriter::Rect(const char* key, TRect& value)
{
    if (!m_stopped)
        WriteSkinRect(m_ini, m_section, key, value);
}
void TvxSkinIniWriter::Point(const char* key, TPoint& value)
{
    if (!m_stopped)
        WriteSkinPoint(m_ini, m_section, key, value);
}
void TvxSkinIniWriter::FontStyles(const char* key, TFontStyles& value)
{
    if (!m_stopped)
        WriteSkinFontStyles(m_ini, m_section, key, value);
}
void TvxSkinIniWriter::EnumValue(const char* key, int32_t& value, const TvxEnumWords& words)
{
    if (!m_stopped)
        WriteSkinEnum(m_ini, m_section, key, value, words);
}
void TvxSkinIniWriter::LineList(const char* key, TStringList& value)
{
    if (!m_stopped)
        WriteSkinLineList(m_ini, m_section, key, value);
}

} // namespace tessel
