#pragma once

#include "tessel/framework/TColor.h"
#include "tessel/framework/TStringList.h"
#include "tessel/platform/TRect.h"

#include <string>

namespace tessel {

class TvxEnumWords;

// Walks the fields of a skin record (or of a section the store reads itself) in
// reading order, each with its INI key, encoding and default. Reading a section,
// writing it back and listing it (vxskin records) are visitors, so the key table
// of a class is written once.
class TvxSkinFieldVisitor {
public:
    virtual ~TvxSkinFieldVisitor() = default;

    virtual void String(const char* key, std::string& value, const char* fallback) = 0;
    virtual void Integer(const char* key, int32_t& value, int32_t fallback) = 0;
    virtual void Color(const char* key, TColor& value, TColor fallback) = 0;
    virtual void Boolean(const char* key, bool& value) = 0;
    virtual void Rect(const char* key, TRect& value) = 0;
    virtual void Point(const char* key, TPoint& value) = 0;
    virtual void FontStyles(const char* key, TFontStyles& value) = 0;
    virtual void EnumValue(const char* key, int32_t& value, const TvxEnumWords& words) = 0;
    virtual void LineList(const char* key, TStringList& value) = 0;
    // Keys after this mark are read but not written back.
    virtual void EndOfWrittenKeys() { }

    template<class E> void Enum(const char* key, E& value, const TvxEnumWords& words)
    {
        int32_t v = static_cast<int32_t>(value);
        EnumValue(key, v, words);
        value = static_cast<E>(v);
    }

    // The common group of font keys: fontname, fontheight, fontstyle, fontcolor.
    void Font(std::string& name, int32_t& height, TFontStyles& style, TColor& color)
    {
        String("fontname", name, "Arial");
        Integer("fontheight", height, 14);
        FontStyles("fontstyle", style);
        Color("fontcolor", color, 0);
    }
};

} // namespace tessel
