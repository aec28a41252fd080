#include "tessel/skin/form/objects/TvxSkinTrackBarObject.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/skin/data/TvxDataSkinTrackBar.h"
#include "tessel/skin/form/objects/TvxFrameObjectHost.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tessel {

TvxSkinTrackBarObject::TvxSkinTrackBarObject(TvxFrameObjectHost& host, const TvxDataSkinTrackBar& r)
    : TvxActiveSkinObject(host, r)
    , m_button_rect(r.buttonrect)
    , m_active_button_rect(r.activebuttonrect)
    , m_begin(r.beginpoint)
    , m_end(r.endpoint)
    , m_min(r.minvalue)
    , m_max(r.maxvalue)
    , m_jump_to_press(r.mousedownchangevalue)
    , m_button_transparent(r.buttontransparent)
    , m_button_transparent_color(r.buttontransparentcolor)
    , m_vertical(std::abs(r.beginpoint.y - r.endpoint.y) >= std::abs(r.endpoint.x - r.beginpoint.x))
    , m_value(r.minvalue)
{
    m_position = PositionOf(m_value);
}

int TvxSkinTrackBarObject::ValueAt(TPoint p) const
{
    // A line of no length, or an empty range, holds the minimum.
    double range = m_max - m_min;
    if (!m_vertical) {
        int length = m_end.x - m_begin.x;
        return length == 0 ? m_min
                           : m_min + static_cast<int>(std::nearbyint(range * (p.x - m_begin.x) / length));
    }
    int length = m_begin.y - m_end.y;
    return length == 0
        ? m_min
        : m_min + static_cast<int>(std::nearbyint(range * (1.0 - double(p.y - m_end.y) / length)));
}

TPoint TvxSkinTrackBarObject::PositionOf(int value) const
{
    double f = m_max == m_min ? 0.0 : double(value - m_min) / double(m_max - m_min);
    if (!m_vertical)
        return { m_begin.x + static_cast<int>(std::nearbyint((m_end.x - m_begin.x) * f)), m_begin.y };
    return { m_begin.x, m_end.y + static_cast<int>(std::nearbyint((m_begin.y - m_end.y) * (1.0 - f))) };
}

void TvxSkinTrackBarObject::SetValue(int value)
{
    m_value = std::clamp(value, std::min(m_min, m_max), std::max(m_min, m_max));
    m_position = PositionOf(m_value);
    m_host.DrawObjectNow(*this);
}

void TvxSkinTrackBarObject::MoveButton(TPoint position)
{
    if (position.x == m_position.x && position.y == m_position.y)
        return;
    m_position = position;
    m_value = ValueAt(position);
    m_host.DrawObjectNow(*this);
    if (m_host.Events().OnTrackBarChangeValueEvent)
        m_host.Events().OnTrackBarChangeValueEvent(m_id_name, m_value);
}

TRect TvxSkinTrackBarObject::ButtonRect() const
{
    const TRect& look = m_dragging && !m_active_button_rect.IsEmpty() ? m_active_button_rect : m_button_rect;
    int left = m_position.x - look.Width() / 2, top = m_position.y - look.Height() / 2;
    return { left, top, left + look.Width(), top + look.Height() };
}

void TvxSkinTrackBarObject::Draw(TCanvas& canvas, bool)
{
    if (!SkinLoaded() || m_skin_rect.IsEmpty())
        return;
    const TRect& s = m_skin_rect;
    const TRect& a = m_active_rect;
    TBitmap image(s.Width(), s.Height());
    TCanvas& c = image.Canvas();
    c.CopySurface({ 0, 0, s.Width(), s.Height() }, NormalPicture()->Surface(), s);
    if (!a.IsEmpty()) {
        // The part the button has passed shows the active image.
        if (!m_vertical) {
            int x = std::clamp(m_position.x, 0, a.Width());
            c.CopySurface({ 0, 0, x, a.Height() }, m_active_picture->Surface(),
                { a.left, a.top, a.left + x, a.bottom });
        } else {
            int y = std::clamp(m_position.y, 0, a.Height());
            c.CopySurface({ 0, y, a.Width(), a.Height() }, m_active_picture->Surface(),
                { a.left, a.top + y, a.right, a.bottom });
        }
    }
    const TRect& look = m_dragging && !m_active_button_rect.IsEmpty() ? m_active_button_rect : m_button_rect;
    if (m_active_picture && !look.IsEmpty()) {
        TBitmap button(look.Width(), look.Height());
        button.Canvas().CopySurface({ 0, 0, look.Width(), look.Height() }, m_active_picture->Surface(), look);
        if (m_button_transparent) {
            button.SetTransparentMode(tmFixed);
            button.SetTransparentColor(m_button_transparent_color);
            button.SetTransparent(true);
        }
        TRect at = ButtonRect();
        c.Draw(at.left, at.top, button);
    }
    canvas.Draw(m_object_rect.left, m_object_rect.top, image);
}

void TvxSkinTrackBarObject::MouseDown(int x, int y, TMouseButtonKind button)
{
    if (button == mbLeft) {
        TPoint p { x - m_object_rect.left, y - m_object_rect.top };
        if (ButtonRect().Contains(p)) {
            m_dragging = true;
            m_last = { x, y };
            if (!m_active_button_rect.IsEmpty())
                m_host.DrawObjectNow(*this);
        } else if (m_jump_to_press) {
            // The button jumps to the press, kept between the two ends.
            TPoint at = m_vertical
                ? TPoint { m_begin.x,
                      std::clamp(p.y, std::min(m_begin.y, m_end.y), std::max(m_begin.y, m_end.y)) }
                : TPoint { std::clamp(p.x, std::min(m_begin.x, m_end.x), std::max(m_begin.x, m_end.x)),
                      m_begin.y };
            MoveButton(at);
        }
    }
    TvxActiveSkinObject::MouseDown(x, y, button);
}

void TvxSkinTrackBarObject::MouseMove(int x, int y)
{
    TvxActiveSkinObject::MouseMove(x, y);
    if (m_dragging) {
        TPoint next = m_position;
        if (m_vertical)
            next.y += y - m_last.y;
        else
            next.x += x - m_last.x;
        bool inside = m_vertical
            ? next.y >= std::min(m_begin.y, m_end.y) && next.y <= std::max(m_begin.y, m_end.y)
            : next.x >= std::min(m_begin.x, m_end.x) && next.x <= std::max(m_begin.x, m_end.x);
        if (inside)
            MoveButton(next);
    }
    m_last = { x, y };
}

void TvxSkinTrackBarObject::MouseUp(int x, int y, TMouseButtonKind button)
{
    if (button == mbLeft && m_dragging) {
        m_dragging = false;
        if (!m_active_button_rect.IsEmpty())
            m_host.DrawObjectNow(*this);
    }
    TvxActiveSkinObject::MouseUp(x, y, button);
}

} // namespace tessel
