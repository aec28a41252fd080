#include "tools/vxskin/TJsonFieldVisitor.h"

#include "tessel/skin/data/TvxEnumWords.h"

namespace tessel {

void TJsonFieldVisitor::String(const char* key, std::string& value, const char*)
{
    m_json.Key(key);
    m_json.String(value);
}

void TJsonFieldVisitor::Integer(const char* key, int32_t& value, int32_t)
{
    m_json.Key(key);
    m_json.Number(value);
}

void TJsonFieldVisitor::Color(const char* key, TColor& value, TColor)
{
    m_json.Key(key);
    m_json.Number(static_cast<int32_t>(value));
}

void TJsonFieldVisitor::Boolean(const char* key, bool& value)
{
    m_json.Key(key);
    m_json.Bool(value);
}

void TJsonFieldVisitor::Rect(const char* key, TRect& value)
{
    m_json.Key(key);
    m_json.Numbers({ value.left, value.top, value.right, value.bottom });
}

void TJsonFieldVisitor::Point(const char* key, TPoint& value)
{
    m_json.Key(key);
    m_json.Numbers({ value.x, value.y });
}

void TJsonFieldVisitor::FontStyles(const char* key, TFontStyles& value)
{
    std::vector<std::string> words;
    if (value & fsBold)
        words.push_back("fsbold");
    if (value & fsItalic)
        words.push_back("fsitalic");
    if (value & fsUnderline)
        words.push_back("fsunderline");
    if (value & fsStrikeOut)
        words.push_back("fsstrikeout");
    m_json.Key(key);
    m_json.Strings(words);
}

void TJsonFieldVisitor::EnumValue(const char* key, int32_t& value, const TvxEnumWords& words)
{
    m_json.Key(key);
    m_json.String(words.Word(value));
}

void TJsonFieldVisitor::LineList(const char* key, TStringList& value)
{
    m_json.Key(key);
    m_json.Strings(value.Lines());
}

} // namespace tessel
