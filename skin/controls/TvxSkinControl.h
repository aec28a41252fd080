#pragma once

#include "tessel/skin/controls/TvxSkinControlBase.h"

namespace tessel {

// The base of the windowed skinned controls (TvxSkinControlBase over the framework's
// TCustomControl): it paints every pixel itself (no background erase), keeps the
// window shape its look gives, and repaints, with AlphaBlend on, whenever what lies
// under it changes (FrameChangedNotice, a move), passing the notice on to its
// children.
class TvxSkinControl : public TvxSkinControlBase<TCustomControl> {
public:
    explicit TvxSkinControl(TComponent* owner = nullptr);

    // The answer to FrameChangedNotice.
    virtual void BackgroundChanged();
    // Whether the control is handling WM_PAINT now.
    bool Painting() const { return m_painting; }

protected:
    void Dispatch(TMessage& message) override;
    void SizeChanged() override;
    // Sets the window shape the look gives at the control's size (none here).
    virtual void UpdateRegion() { }
    // FrameChangedNotice to every child: sent to windowed ones, performed on the rest.
    void NotifyChildrenOfFrameChange();

private:
    bool m_painting = false;
};

} // namespace tessel
