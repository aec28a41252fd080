#include "tessel/skin/form/objects/TvxSkinFrameRegulatorObject.h"

#include "tessel/skin/data/TvxDataSkinFrameRegulatorObject.h"
#include "tessel/skin/form/objects/TvxFrameObjectHost.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tessel {

TvxSkinFrameRegulatorObject::TvxSkinFrameRegulatorObject(
    TvxFrameObjectHost& host, const TvxDataSkinFrameRegulatorObject& r)
    : TvxSkinFrameObject(host, r, r.minvalue, r.maxvalue, r.countframes, r.framesplacement)
    , m_kind(r.kind)
{ }

int TvxSkinFrameRegulatorObject::Angle(int x, int y) const
{
    const TRect& r = m_object_rect;
    int px = std::clamp(x - r.left, 0, std::max(r.Width() - 1, 0));
    int py = std::clamp(y - r.top, 0, std::max(r.Height() - 1, 0));
    int dx = px - r.Width() / 2, dy = py - r.Height() / 2;
    double distance = std::hypot(dx, dy);
    // The centre itself has no direction: it counts as straight below.
    if (distance == 0)
        return 0;
    int base;
    double across;
    if (dx <= 0 && dy <= 0) {
        base = 90;
        across = std::abs(dx);
    } else if (dx <= 0) {
        base = 180;
        across = std::abs(dy);
    } else if (dy > 0) {
        base = 270;
        across = std::abs(dx);
    } else {
        base = 0;
        across = std::abs(dy);
    }
    int angle = base + static_cast<int>(std::lround(std::asin(across / distance) * 180.0 / M_PI));
    int result = 270 - angle;
    return result < 0 ? result + 360 : result;
}

int TvxSkinFrameRegulatorObject::Measure(int x, int y) const
{
    switch (m_kind) {
    case rkround:
        return Angle(x, y);
    case rkhorizontal:
        return x - m_object_rect.left;
    default:
        return -(y - m_object_rect.top);
    }
}

void TvxSkinFrameRegulatorObject::MouseDown(int x, int y, TMouseButtonKind button)
{
    m_pressing = true;
    m_anchor = m_previous = Measure(x, y);
    TvxSkinFrameObject::MouseDown(x, y, button);
}

void TvxSkinFrameRegulatorObject::MouseUp(int x, int y, TMouseButtonKind button)
{
    m_pressing = false;
    TvxSkinFrameObject::MouseUp(x, y, button);
}

void TvxSkinFrameRegulatorObject::MouseMove(int x, int y)
{
    TvxSkinFrameObject::MouseMove(x, y);
    if (!m_pressing)
        return;
    const int steps = std::max(m_count - 1, 1);
    const int value_step = std::max((m_max - m_min) / steps, 1);
    int current = Measure(x, y);
    int old = m_value, moved = 0;
    if (m_kind == rkround) {
        const int angle_step = std::max(360 / steps, 1);
        int distance;
        bool up;
        if (std::abs(current - m_previous) <= 300) {
            distance = std::abs(current - m_anchor);
            up = current >= m_anchor;
        } else {
            // The angle wrapped across the bottom: the turn goes on the same way.
            m_anchor = current;
            up = current < m_previous;
            distance = angle_step;
        }
        if (distance >= angle_step) {
            m_anchor = current;
            moved = up ? value_step : -value_step;
        }
    } else {
        const int pixel_step = std::max((m_kind == rkhorizontal ? m_frame_width : m_frame_height) / steps, 1);
        if (std::abs(current - m_anchor) >= pixel_step) {
            moved = current < m_anchor ? -value_step : value_step;
            m_anchor = current;
        }
    }
    m_previous = current;
    if (moved == 0)
        return;
    int value = std::clamp(m_value + moved, std::min(m_min, m_max), std::max(m_min, m_max));
    if (value == old)
        return;
    m_value = value;
    m_host.DrawObjectNow(*this);
    if (m_host.Events().OnFrameRegulatorChangeValueEvent)
        m_host.Events().OnFrameRegulatorChangeValueEvent(m_id_name, m_value);
}

} // namespace tessel
