#pragma once

#include "tessel/platform/TRect.h"

namespace tessel {

// The frame animation of a caption or a main-menu entry: frames cut along the
// longer side of the animation rectangle of the active picture, played forward when
// the owner becomes active (the form, the entry under the mouse) and backward when
// it stops being so, one frame per interval of the 25 ms timer. Frame 0 and frame
// count + 1 are the owner's own inactive and active looks.
class TvxFrameAnimation {
public:
    TvxFrameAnimation() = default;
    TvxFrameAnimation(
        const TRect& rect, int frame_count, int interval, bool inactive_animation, int skin_rect_height);

    // There are frames to play.
    bool Exists() const { return !m_rect.IsEmpty() && m_count > 0; }
    // Where a play starts when the form's activation changes.
    void Start(bool active);
    // One tick of the timer: whether the animation still runs; moved tells whether
    // the frame changed and the caption needs drawing.
    bool Step(bool active, bool& moved);
    // A frame of the animation is the one to draw.
    bool ShowsFrame() const { return m_frame >= 1 && m_frame <= m_count; }
    int CurrentFrame() const { return m_frame; }
    // Frame n (1-based) in the active picture.
    TRect FrameRect(int n) const;

private:
    TRect m_rect;
    int m_count = 0;
    int m_interval = 25;
    bool m_inactive_animation = false;
    bool m_vertical = false;
    int m_frame = 0;
    int m_tick = 25;
};

} // namespace tessel
