#pragma once

#include "tessel/platform/TFontFace.h"
#include "tessel/platform/TTextLayout.h"

#include <optional>
#include <string_view>

namespace tessel {

class TDeviceContext;

// How text is put down: its colour and, when given, a background that fills each
// line's cell first (the platform's opaque background mode).
struct TTextColors {
    uint32_t text = 0xFF000000;
    std::optional<uint32_t> background;
};

// Text on device contexts: DrawText's layout (TTextLayout) rendered with a font
// face, glyph coverage mixed with the text colour, underline and strike-out from the
// font, the "&" prefix's underline, clipped to the rectangle unless DT_NOCLIP.
class TTextDrawer {
public:
    // Returns the text's height; with DT_CALCRECT draws nothing and sets rect to
    // the text's bounds.
    static int DrawText(TDeviceContext& dc, TFontFace& face, std::string_view utf8, TRect& rect,
        uint32_t format, const TTextColors& colors = {});
    // One line at (x, y), the top of its cell; no prefixes or tabs.
    static void TextOut(TDeviceContext& dc, TFontFace& face, int x, int y, std::string_view utf8,
        const TTextColors& colors = {});
    // Width and height of one line of text, as GetTextExtentPoint32 gives them.
    static TPoint TextExtent(TFontFace& face, std::string_view utf8);

private:
    static void DrawLine(
        TDeviceContext& dc, TFontFace& face, const TTextLine& line, const TTextColors& colors);
};

} // namespace tessel
