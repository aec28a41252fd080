#include "tessel/skin/draw/TvxTextHelpers.h"

#include "tessel/framework/TCanvas.h"
#include "tessel/platform/TTextLayout.h"

namespace tessel {

namespace {

TRect Measure(TCanvas& canvas, const std::string& text)
{
    TRect r { 0, 0, 0, 0 };
    canvas.DrawText(text, r, DT_CALCRECT);
    return r;
}

// Drops the last character (a whole UTF-8 sequence).
void DropLast(std::string& text)
{
    if (text.empty())
        return;
    size_t end = text.size() - 1;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    text.erase(end);
}

} // namespace

int TvxTextHelpers::MeasureTextWidth(TCanvas& canvas, const std::string& text)
{
    return Measure(canvas, text).Width();
}

int TvxTextHelpers::MeasureTextHeight(TCanvas& canvas, const std::string& text)
{
    return Measure(canvas, text).Height();
}

void TvxTextHelpers::DrawTextUnicode(TCanvas& canvas, const std::string& text, TRect rect, uint32_t format)
{
    canvas.DrawText(text, rect, format);
}

void TvxTextHelpers::ShortenWithEllipsis(TCanvas& canvas, std::string& text, int width)
{
    if (MeasureTextWidth(canvas, text) <= width)
        return;
    do
        DropLast(text);
    while (!text.empty() && MeasureTextWidth(canvas, text + "...") > width);
    text += "...";
}

void TvxTextHelpers::DrawCaptionText(TCanvas& canvas, const std::string& text, TRect rect)
{
    if (!text.empty())
        canvas.DrawText(text, rect, DT_SINGLELINE | DT_VCENTER);
}

} // namespace tessel
