#pragma once

#include "tessel/platform/TTextLayout.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct FT_FaceRec_;

namespace tessel {

constexpr int FW_NORMAL = 400, FW_BOLD = 700;

// A font as it is asked for: a face name, a height in pixels (negative: the
// character height; positive: the cell height, ascent plus descent; 0: the default
// of 11 pixels of character height), a weight and the three styles.
struct LOGFONT {
    std::string lfFaceName = "Tahoma";
    int lfHeight = 0;
    int lfWeight = FW_NORMAL;
    bool lfItalic = false;
    bool lfUnderline = false;
    bool lfStrikeOut = false;

    friend bool operator==(const LOGFONT&, const LOGFONT&) = default;
};

// One rendered glyph: 8-bit coverage rows, placed relative to the pen on the baseline.
struct TGlyph {
    int width = 0;
    int height = 0;
    int left = 0; // from the pen to the first column
    int top = 0; // from the baseline up to the first row
    int advance = 0;
    std::vector<uint8_t> coverage;
};

// A font file opened at one pixel size, with the metrics the platform reports
// (ascent and descent from the font's Windows metrics, scaled and rounded), glyphs
// rendered once and kept, and bold or italic made up when the file has no such face.
class TFontFace {
public:
    // Opens file (face index) for font; null when FreeType cannot read it. Bold or
    // italic asked of a face that is neither is made up.
    static std::unique_ptr<TFontFace> Open(const std::string& file, int index, const LOGFONT& font);
    ~TFontFace();
    TFontFace(const TFontFace&) = delete;
    TFontFace& operator=(const TFontFace&) = delete;

    const LOGFONT& Font() const { return m_font; }
    const std::string& FamilyName() const { return m_family; }
    const TTextMetrics& Metrics() const { return m_metrics; }
    const TGlyph& Glyph(char32_t code_point);
    int Advance(char32_t code_point) { return Glyph(code_point).advance; }
    // Under- and strike-out lines: distance below (underline) or above (strike-out)
    // the baseline of the line's top row, and the line's thickness.
    int UnderlinePosition() const { return m_underline_pos; }
    int StrikeOutPosition() const { return m_strike_pos; }
    int LineThickness() const { return m_line_thickness; }

private:
    TFontFace() = default;

    FT_FaceRec_* m_face = nullptr;
    LOGFONT m_font;
    std::string m_family;
    TTextMetrics m_metrics;
    bool m_bold = false;
    bool m_italic = false;
    int m_underline_pos = 1;
    int m_strike_pos = 3;
    int m_line_thickness = 1;
    std::unordered_map<char32_t, TGlyph> m_glyphs;
};

} // namespace tessel
