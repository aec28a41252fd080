#pragma once

#include "tessel/platform/TRect.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

// DrawText formats, with the platform's values.
constexpr uint32_t DT_LEFT = 0x0, DT_TOP = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4,
                   DT_BOTTOM = 0x8, DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40,
                   DT_NOCLIP = 0x100, DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800, DT_END_ELLIPSIS = 0x8000,
                   DT_HIDEPREFIX = 0x100000;

// The metrics of a font that layout needs, in pixels.
struct TTextMetrics {
    int ascent = 0;
    int descent = 0;
    int height = 0; // ascent + descent: one line
    int ave_char_width = 0;
};

// One laid-out line: its characters, where each starts (from the line's x), and
// which of them the "&" prefix underlines (-1 for none).
struct TTextLine {
    std::u32string text;
    std::vector<int> offsets;
    int width = 0;
    int x = 0;
    int y = 0;
    int underline = -1;
};

// DrawText's layout, apart from any font: lines split at line breaks (unless
// single-line) and, with DT_WORDBREAK, between words where the next one would pass
// the right edge (a word wider than the rectangle stays whole); tabs to stops every
// eight average character widths with DT_EXPANDTABS; "&" prefixes unless
// DT_NOPREFIX ("&&" is one "&"); lines that do not fit ended with "..." under
// DT_END_ELLIPSIS; lines placed left, centred or right, and a single line at the
// top, centred or at the bottom. Divisions truncate.
class TTextLayout {
public:
    using Advance = std::function<int(char32_t)>;

    TTextLayout(const TTextMetrics& metrics, Advance advance);

    void Layout(std::string_view utf8, const TRect& rect, uint32_t format);

    const std::vector<TTextLine>& Lines() const { return m_lines; }
    // The rectangle DT_CALCRECT gives: rect's left and top, the widest line's
    // width and all lines' height.
    TRect CalcRect() const { return m_calc; }
    // What DrawText returns: the text's height, measured from the rectangle's top
    // when the text is centred or put at the bottom.
    int Height() const { return m_height; }
    // Width of text on one line under the layout's format.
    int Width(std::u32string_view text) const;

private:
    TTextLine MakeLine(std::u32string text, int underline) const;
    void Ellipsize(TTextLine& line, int width) const;

    TTextMetrics m_metrics;
    Advance m_advance;
    uint32_t m_format = 0;
    std::vector<TTextLine> m_lines;
    TRect m_calc;
    int m_height = 0;
};

} // namespace tessel
