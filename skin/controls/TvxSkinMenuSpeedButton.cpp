#include "tessel/skin/controls/TvxSkinMenuSpeedButton.h"

namespace tessel {

void TvxSkinMenuSpeedButton::SetNewStyle(bool value)
{
    m_new_style = value;
    if (value) {
        SetSkinDataName("resizetoolbutton");
        ChangeSkinData();
    }
    Invalidate();
}

void TvxSkinMenuSpeedButton::SetTrackPosition(TvxTrackPosition position)
{
    m_track_position = position;
    Invalidate();
}

TRect TvxSkinMenuSpeedButton::ArrowPart() const
{
    if (m_new_style && m_track_position == vxtpBottom)
        return { 0, Height() - kArrowWidth, Width(), Height() };
    return TvxMenuButtonControl::ArrowPart();
}

} // namespace tessel
