#pragma once

#include "tessel/platform/TRect.h"

namespace tessel {

class TBitmap;
class TDeviceContext;
class TvxSkinData;
struct TvxFrameGeometry;

// The client area's background under a skinned frame: the skin's client piece (or a
// background picture) stretched or repeated, the button face without a skin, and
// the logo centred over it.
class TvxClientBackground {
public:
    static void Paint(TDeviceContext& dc, const TvxSkinData* data, const TRect& client,
        const TvxFrameGeometry& geometry, TBitmap& logo, bool logo_transparent);
};

} // namespace tessel
