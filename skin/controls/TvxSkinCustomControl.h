#pragma once

#include "tessel/skin/controls/TvxSkinCustomBase.h"

namespace tessel {

// The windowed custom level: the window takes the shape of the record's mask, and a
// control that paints border-only (a panel) composes only its four frame images and
// repeats the client piece straight onto the screen under a clip, so that a large
// panel never composes an image of its whole size.
class TvxSkinCustomControl : public TvxSkinCustomBase<TvxSkinControl> {
public:
    explicit TvxSkinCustomControl(TComponent* owner = nullptr);

protected:
    void Paint() override;
    void SizeChanged() override;
    void UpdateRegion() override;
    // The border-only paint; the top image goes through CreateSkinImage first.
    void PaintBorderOnly();
};

// The window-less custom level.
class TvxGraphicSkinCustomControl : public TvxSkinCustomBase<TvxGraphicSkinControl> {
public:
    using TvxSkinCustomBase<TvxGraphicSkinControl>::TvxSkinCustomBase;
};

} // namespace tessel
