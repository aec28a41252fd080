#pragma once

#include "tessel/platform/TRect.h"

#include <string>

namespace tessel {

class TCanvas;

// Measuring, shortening and drawing the captions of skinned elements.
class TvxTextHelpers {
public:
    // The width and height of the rectangle DrawText computes with DT_CALCRECT from (0, 0, 0, 0).
    static int MeasureTextWidth(TCanvas& canvas, const std::string& text);
    static int MeasureTextHeight(TCanvas& canvas, const std::string& text);
    // The platform's wide-text DrawText: text is UTF-8 here and drawn as it is.
    static void DrawTextUnicode(TCanvas& canvas, const std::string& text, TRect rect, uint32_t format);
    // Removes characters from the end until the text with "..." fits in width;
    // text that fits is left alone, and a text of which nothing fits becomes "...".
    static void ShortenWithEllipsis(TCanvas& canvas, std::string& text, int width);
    // One line, vertically centred; nothing for empty text.
    static void DrawCaptionText(TCanvas& canvas, const std::string& text, TRect rect);
};

} // namespace tessel
