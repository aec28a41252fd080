#pragma once

#include "tessel/skin/controls/TvxMenuButtonControl.h"

namespace tessel {

enum TvxTrackPosition { vxtpRight, vxtpBottom };

// The window-less drop-down button for tool bars. In the new style (the
// "resizetoolbutton" record) its 15-pixel arrow part may lie at the bottom.
class TvxSkinMenuSpeedButton : public TvxMenuButtonControl<TvxSkinSpeedButton> {
public:
    using TvxMenuButtonControl::TvxMenuButtonControl;

    bool NewStyle() const { return m_new_style; }
    // True also binds the "resizetoolbutton" record.
    void SetNewStyle(bool value);
    TvxTrackPosition TrackPosition() const { return m_track_position; }
    void SetTrackPosition(TvxTrackPosition position);

    const char* ClassName() const override { return "TvxSkinMenuSpeedButton"; }

protected:
    TRect ArrowPart() const override;

private:
    bool m_new_style = false;
    TvxTrackPosition m_track_position = vxtpRight;
};

} // namespace tessel
