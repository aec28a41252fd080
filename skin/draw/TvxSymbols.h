#pragma once

#include "tessel/framework/TColor.h"
#include "tessel/platform/TRect.h"

namespace tessel {

class TCanvas;

enum TvxArrowKind { vxaLeft = 1, vxaRight = 2, vxaUp = 3, vxaDown = 4 };
enum TvxCaptionSymbol {
    vxcsClose,
    vxcsMaximize,
    vxcsMinimize,
    vxcsRestore,
    vxcsRollUp, // the form is not rolled up: an up-pointing triangle
    vxcsRollDown, // the form is rolled up: a down-pointing triangle
    vxcsSystemMenu,
    vxcsTray,
};

// The pen-drawn symbols used where a skin gives no image: arrows, the drop arrow,
// the check mark and the caption buttons' symbols. Lines leave out their last pixel.
class TvxSymbols {
public:
    static void DrawArrow(TCanvas& canvas, const TRect& rect, TColor color, TvxArrowKind kind);
    static void DrawDropArrow(TCanvas& canvas, const TRect& rect, TColor color);
    static void DrawCheckMark(TCanvas& canvas, int x, int y, TColor color);
    static void DrawCaptionSymbol(TCanvas& canvas, int x, int y, TColor color, TvxCaptionSymbol symbol);
};

} // namespace tessel
