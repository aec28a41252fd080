#include "tessel/skin/form/objects/TvxSkinFrameObject.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/skin/form/objects/TvxFrameObjectHost.h"

#include <algorithm>
#include <cstdlib>

namespace tessel {

TvxSkinFrameObject::TvxSkinFrameObject(TvxFrameObjectHost& host, const TvxDataSkinObject& record, int min,
    int max, int count, TvxFramesPlacement placement)
    : TvxActiveSkinObject(host, record)
    , m_min(min)
    , m_max(max)
    , m_count(count)
    , m_placement(placement)
{
    if (m_count > 0) {
        m_frame_width = placement == fphorizontal ? m_active_rect.Width() / m_count : m_active_rect.Width();
        m_frame_height
            = placement == fphorizontal ? m_active_rect.Height() : m_active_rect.Height() / m_count;
    }
}

int TvxSkinFrameObject::CurrentFrame() const
{
    if (m_count < 2)
        return 1;
    int step = (m_max - m_min) / (m_count - 1);
    if (step == 0)
        return 1;
    return std::clamp(std::abs(m_value - m_min) / std::abs(step) + 1, 1, m_count);
}

void TvxSkinFrameObject::SetValue(int value)
{
    value = std::clamp(value, std::min(m_min, m_max), std::max(m_min, m_max));
    if (value == m_value)
        return;
    m_value = value;
    m_host.DrawObjectNow(*this);
}

void TvxSkinFrameObject::Draw(TCanvas& canvas, bool)
{
    if (!SkinLoaded() || !m_active_picture || m_frame_width <= 0 || m_frame_height <= 0)
        return;
    int n = CurrentFrame() - 1;
    TRect frame = m_placement == fphorizontal
        ? TRect { m_active_rect.left + n * m_frame_width, m_active_rect.top, 0, 0 }
        : TRect { m_active_rect.left, m_active_rect.top + n * m_frame_height, 0, 0 };
    frame.right = frame.left + m_frame_width;
    frame.bottom = frame.top + m_frame_height;
    CopyImage(canvas, m_active_picture, frame);
}

} // namespace tessel
