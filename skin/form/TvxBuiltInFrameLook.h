#pragma once

#include "tessel/skin/form/TvxFrameScene.h"

namespace tessel {

// The frame without a skin: a flat caption with ridged lines and the form's title,
// the built-in caption buttons and three bevels around the window.
class TvxBuiltInFrameLook : public TvxFrameLook {
public:
    void Paint(TDeviceContext& dc, const TvxFrameScene& scene) const override;
};

} // namespace tessel
