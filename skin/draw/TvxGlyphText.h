#pragma once

#include "tessel/framework/TColor.h"
#include "tessel/platform/TRect.h"

#include <string>

namespace tessel {

class TBitmap;
class TCanvas;
class TImageList;

// Where a glyph goes relative to its caption: left of it, right of it, above, below.
enum TvxGlyphLayout { vxglGlyphLeft = 0, vxglGlyphRight = 1, vxglGlyphTop = 2, vxglGlyphBottom = 3 };

struct TvxGlyphTextPlace {
    TPoint glyph;
    TPoint text;
};

// A glyph drawn with its optional bar under it: the bar colour and whether to draw it.
struct TvxBar {
    bool shown = false;
    TColor color = 0;
};

// Placing a glyph and a caption inside a button rectangle, and drawing glyphs from
// a strip of equal-width glyphs. A margin of -1 centres glyph and text as a group;
// a pressed button moves both by one pixel right and down.
class TvxGlyphText {
public:
    static TvxGlyphTextPlace LayoutGlyphAndText(TvxGlyphLayout kind, const TRect& rect, int glyph_width,
        int glyph_height, int text_width, int text_height, int margin, int spacing);
    // The image-list form: image index of the list, greyed unless enabled.
    static void DrawGlyphAndText(TCanvas& canvas, const TRect& rect, int margin, int spacing,
        TvxGlyphLayout kind, const TImageList* images, int index, bool enabled, const std::string& text,
        bool down, TvxBar bar);
    // The glyph-strip form: glyph number (from 1) of a strip of num_glyphs.
    static void DrawGlyphAndText(TCanvas& canvas, const TRect& rect, int margin, int spacing,
        TvxGlyphLayout kind, const TBitmap& strip, int num_glyphs, int glyph, const std::string& text,
        bool down, TvxBar bar);
    // Glyph number n (from 1) of the strip at (x, y), its bottom-left colour left out.
    static void DrawGlyph(TCanvas& canvas, int x, int y, const TBitmap& strip, int num_glyphs, int glyph);

private:
    template<class DrawGlyphAt>
    static void Draw(TCanvas& canvas, const TRect& rect, int margin, int spacing, TvxGlyphLayout kind,
        TPoint glyph_size, const std::string& text, bool down, TvxBar bar, DrawGlyphAt draw_glyph);
};

} // namespace tessel
