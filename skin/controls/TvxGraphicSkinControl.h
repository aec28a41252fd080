#pragma once

#include "tessel/skin/controls/TvxSkinControlBase.h"

namespace tessel {

// The base of the window-less skinned controls (TvxSkinControlBase over the
// framework's TGraphicControl), painted on their parent; with AlphaBlend on they
// repaint when what lies under them changes (FrameChangedNotice).
class TvxGraphicSkinControl : public TvxSkinControlBase<TGraphicControl> {
public:
    explicit TvxGraphicSkinControl(TComponent* owner = nullptr);

protected:
    void Dispatch(TMessage& message) override;
};

} // namespace tessel
