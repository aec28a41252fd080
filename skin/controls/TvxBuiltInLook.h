#pragma once

#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TColor.h"
#include "tessel/platform/TRect.h"

namespace tessel {

// The built-in look of the skinned buttons and their kin, for a control without a
// skin record: a navy frame on a light fill when hot, on a darker fill when down,
// else a shadow frame on the button face.
struct TvxBuiltInLook {
    static constexpr TColor kHotFill = 0xD2BDB6, kDownFill = 0xB59385, kFrame = 0x800000;

    // r filled and framed.
    static void Fill(TCanvas& c, const TRect& r, TColor frame, TColor fill)
    {
        c.Brush().SetColor(fill);
        c.FillRect(r);
        c.Frame3D(r, frame, frame);
    }
    // A record's rectangle, or the one it falls back to when empty.
    static TRect OrIfEmpty(const TRect& r, const TRect& fallback) { return r.IsEmpty() ? fallback : r; }
};

} // namespace tessel
