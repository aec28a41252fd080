#pragma once

#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/form/TvxFrameScene.h"

namespace tessel {

// The frame drawn from the skin: the frame picture (or the inactive picture) composed
// into four edge images for the window's size, the frame objects drawn into the top
// and bottom ones, and the four copied around the client, which is left alone.
class TvxSkinFrameLook : public TvxFrameLook {
public:
    void Paint(TDeviceContext& dc, const TvxFrameScene& scene) const override;
    // The four edge images of the frame picture for the geometry's size: what the
    // frame shows before any object is drawn.
    static TvxFrameEdges ComposeEdges(const TvxSkinData& data, const TvxFrameGeometry& geometry, bool active);
};

} // namespace tessel
