#pragma once

#include "tessel/framework/TBitmap.h"
#include "tessel/skin/form/TvxFrameScene.h"

namespace tessel {

// The frame of a window that has none of its own: the whole frame picture composed
// to the window's size (client included), the objects drawn into it and the skin's
// size grip at its corner, all painted as the client area's background. Rolled up,
// the roll-up picture stands for the frame.
class TvxClientFrameLook : public TvxFrameLook {
public:
    void Paint(TDeviceContext& dc, const TvxFrameScene& scene) const override;
    // The composed image of the window before any object is drawn.
    static TBitmap Compose(const TvxSkinData& data, int width, int height);
    // The rolled-up window: the roll-up picture, its middle stretched or repeated to
    // the width between the roll-up points.
    static TBitmap ComposeRolledUp(const TvxSkinData& data, int width);
    // The same strip of another picture of the roll-up picture's size (its mask).
    static TBitmap ComposeRolledUp(const TvxSkinData& data, int width, const TBitmap& picture);
};

} // namespace tessel
