#include "tessel/skin/form/objects/TvxFrameAnimation.h"

namespace tessel {

TvxFrameAnimation::TvxFrameAnimation(
    const TRect& rect, int frame_count, int interval, bool inactive_animation, int skin_rect_height)
    : m_rect(rect)
    , m_count(frame_count)
    , m_interval(interval)
    , m_inactive_animation(inactive_animation)
    , m_vertical(rect.Height() > skin_rect_height)
{
    // A count that would cut frames of no size leaves the caption without animation.
    int length = m_vertical ? rect.Height() : rect.Width();
    if (m_count <= 0 || length / m_count <= 0)
        m_count = 0;
}

void TvxFrameAnimation::Start(bool active)
{
    m_tick = 25;
    m_frame = active ? 1 : (m_inactive_animation ? m_count : 0);
}

bool TvxFrameAnimation::Step(bool active, bool& moved)
{
    moved = false;
    if (!Exists())
        return false;
    bool due = active ? m_frame <= m_count : m_frame > 0;
    if (!due)
        return false;
    if (m_tick < m_interval) {
        m_tick += 25;
        return true;
    }
    m_frame += active ? 1 : -1;
    m_tick = 25;
    moved = true;
    return true;
}

TRect TvxFrameAnimation::FrameRect(int n) const
{
    if (!Exists())
        return {};
    if (m_vertical) {
        int h = m_rect.Height() / m_count;
        int top = m_rect.top + (n - 1) * h;
        return { m_rect.left, top, m_rect.right, top + h };
    }
    int w = m_rect.Width() / m_count;
    int left = m_rect.left + (n - 1) * w;
    return { left, m_rect.top, left + w, m_rect.bottom };
}

} // namespace tessel
