#pragma once

#include "tessel/skin/data/TvxSkinFieldVisitor.h"
#include "tools/vxskin/TJsonWriter.h"

namespace tessel {

// Lists every visited field as a JSON member keyed by its INI key: rectangles
// [l,t,r,b], points [x,y], booleans, numbers, enumeration words, font styles as a
// list of words, line lists as lists of strings.
class TJsonFieldVisitor final : public TvxSkinFieldVisitor {
public:
    explicit TJsonFieldVisitor(TJsonWriter& json)
        : m_json(json)
    { }

    void String(const char* key, std::string& value, const char*) override;
    void Integer(const char* key, int32_t& value, int32_t) override;
    void Color(const char* key, TColor& value, TColor) override;
    void Boolean(const char* key, bool& value) override;
    void Rect(const char* key, TRect& value) override;
    void Point(const char* key, TPoint& value) override;
    void FontStyles(const char* key, TFontStyles& value) override;
    void EnumValue(const char* key, int32_t& value, const TvxEnumWords& words) override;
    void LineList(const char* key, TStringList& value) override;

private:
    TJsonWriter& m_json;
};

} // namespace tessel
