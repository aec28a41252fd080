#include "tessel/skin/form/objects/TvxSkinGaugeObject.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/skin/data/TvxDataSkinGauge.h"
#include "tessel/skin/form/objects/TvxFrameObjectHost.h"

#include <algorithm>
#include <cmath>

namespace tessel {

TvxSkinGaugeObject::TvxSkinGaugeObject(TvxFrameObjectHost& host, const TvxDataSkinGauge& record)
    : TvxActiveSkinObject(host, record)
    , m_min(record.minvalue)
    , m_max(record.maxvalue)
    , m_vertical(record.kind != gkhorizontal)
    , m_value(record.minvalue)
{ }

void TvxSkinGaugeObject::SetValue(int value)
{
    int low = std::min(m_min, m_max), high = std::max(m_min, m_max);
    m_value = std::clamp(value, low, high);
    m_host.DrawObjectNow(*this);
}

int TvxSkinGaugeObject::Progress() const
{
    // An empty range has nothing to show: the gauge stays at its start.
    double f = m_max == m_min ? 0.0 : double(m_value - m_min) / double(m_max - m_min);
    if (m_vertical)
        return static_cast<int>(std::nearbyint(m_skin_rect.Height() * (1 - f)));
    return static_cast<int>(std::nearbyint(m_skin_rect.Width() * f));
}

void TvxSkinGaugeObject::Draw(TCanvas& canvas, bool update)
{
    if (!SkinLoaded() || (m_value == m_min && !update))
        return;
    const TBitmap* frame = NormalPicture();
    const TRect& s = m_skin_rect;
    const TRect& a = m_active_rect;
    const TRect& at = m_object_rect;
    int p = Progress();
    auto copy = [&](const TBitmap* picture, const TRect& from, int x, int y) {
        if (picture && !from.IsEmpty())
            canvas.CopySurface({ x, y, x + from.Width(), y + from.Height() }, picture->Surface(), from);
    };
    if (!m_vertical) {
        p = std::clamp(p, 0, s.Width());
        copy(m_active_picture, { a.left, a.top, a.left + std::min(p, a.Width()), a.bottom }, at.left, at.top);
        copy(frame, { s.left + p, s.top, s.right, s.bottom }, at.left + p, at.top);
    } else {
        p = std::clamp(p, 0, s.Height());
        copy(frame, { s.left, s.top, s.right, s.top + p }, at.left, at.top);
        copy(m_active_picture, { a.left, a.top + std::min(p, a.Height()), a.right, a.bottom }, at.left,
            at.top + std::min(p, a.Height()));
    }
}

void TvxSkinGaugeObject::MouseEnter()
{
    m_mouse_in = m_active = true;
    RaiseMouseEnter();
}

void TvxSkinGaugeObject::MouseLeave()
{
    m_mouse_in = m_active = false;
    RaiseMouseLeave();
}

} // namespace tessel
