#pragma once

#include "tessel/skin/data/TvxSkinFieldVisitor.h"

#include <string>

namespace tessel {

class TMemIniFile;

// Writes each visited field into one section with the writer of its encoding.
class TvxSkinIniWriter final : public TvxSkinFieldVisitor {
public:
    TvxSkinIniWriter(TMemIniFile& ini, std::string section)
        : m_ini(ini)
        , m_section(std::move(section))
    { }

    void String(const char* key, std::string& value, const char* fallback) override;
    void Integer(const char* key, int32_t& value, int32_t fallback) override;
    void Color(const char* key, TColor& value, TColor fallback) override;
    void Boolean(const char* key, bool& value) override;
    void Rect(const char* key, TRect& value) override;
    void Point(const char* key, TPoint& value) override;
    void FontStyles(const char* key, TFontStyles& value) override;
    void EnumValue(const char* key, int32_t& value, const TvxEnumWords& words) override;
    void LineList(const char* key, TStringList& value) override;
    void EndOfWrittenKeys() override { m_stopped = true; }

private:
    TMemIniFile& m_ini;
    std::string m_section;
    bool m_stopped = false;
};

} // namespace tessel
