#include "tessel/skin/form/objects/TvxSkinAnimateObject.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/skin/data/TvxDataSkinAnimate.h"
#include "tessel/skin/form/objects/TvxFrameObjectHost.h"

#include <algorithm>

namespace tessel {

TvxSkinAnimateObject::TvxSkinAnimateObject(TvxFrameObjectHost& host, const TvxDataSkinAnimate& r)
    : TvxActiveSkinObject(host, r)
    , m_count(std::max(r.countframes, 1))
    , m_cycle(r.cycle)
    , m_button_style(r.buttonstyle)
    , m_interval(std::max(r.timerinterval, 25))
    , m_command(r.command)
    , m_down_rect(m_active_picture ? r.downskinrect : TRect {})
{ }

void TvxSkinAnimateObject::Draw(TCanvas& canvas, bool)
{
    if (!SkinLoaded() || !m_active_picture)
        return;
    if (!m_host.IsFormActive() && !m_inactive_rect.IsEmpty()) {
        CopyImage(canvas, m_active_picture, m_inactive_rect);
        return;
    }
    if (m_pressed && m_mouse_in && !m_down_rect.IsEmpty()) {
        CopyImage(canvas, m_active_picture, m_down_rect);
        return;
    }
    int w = m_skin_rect.Width();
    TRect frame { m_active_rect.left + (m_frame - 1) * w, m_active_rect.top, 0, 0 };
    frame.right = frame.left + w;
    frame.bottom = frame.top + m_skin_rect.Height();
    CopyImage(canvas, m_active_picture, frame);
}

bool TvxSkinAnimateObject::AnimationStep()
{
    if (!Animating())
        return false;
    if (m_tick < m_interval) {
        m_tick += 25;
        return true;
    }
    if (m_forward) {
        m_frame = m_frame >= m_count ? 1 : m_frame + 1;
        if (!m_cycle && m_frame == m_count)
            m_active = false;
    } else {
        m_frame = m_frame <= 1 ? m_count : m_frame - 1;
        if (m_frame == 1)
            m_active = false;
    }
    m_host.DrawObjectNow(*this);
    m_tick = 25;
    return m_active;
}

void TvxSkinAnimateObject::StartOrDraw()
{
    if (!m_pressed || m_down_rect.IsEmpty())
        m_host.StartAnimationTimer();
    else
        m_host.DrawObjectNow(*this);
}

void TvxSkinAnimateObject::MouseEnter()
{
    m_mouse_in = true;
    if (m_button_style) {
        m_active = true;
        m_forward = true;
        StartOrDraw();
    }
    RaiseMouseEnter();
}

void TvxSkinAnimateObject::MouseLeave()
{
    if (!m_mouse_in)
        return;
    m_mouse_in = false;
    if (m_button_style) {
        m_active = true;
        m_forward = false;
        StartOrDraw();
    }
    RaiseMouseLeave();
}

void TvxSkinAnimateObject::MouseDown(int x, int y, TMouseButtonKind button)
{
    TvxActiveSkinObject::MouseDown(x, y, button);
    if (!m_down_rect.IsEmpty() && button == mbLeft) {
        m_frame = m_count;
        m_pressed = true;
        m_host.DrawObjectNow(*this);
    }
}

void TvxSkinAnimateObject::MouseUp(int x, int y, TMouseButtonKind button)
{
    bool run = m_mouse_in && m_button_style && button == mbLeft;
    TvxActiveSkinObject::MouseUp(x, y, button);
    if (!m_down_rect.IsEmpty() && button == mbLeft) {
        m_pressed = false;
        m_host.DrawObjectNow(*this);
        m_host.StartAnimationTimer();
    }
    // A command of its own runs on release over it; the system menu needs the
    // form's behaviours and does nothing yet.
    if (run && m_command != cmdefault && m_command != cmsysmenu)
        m_host.RunCommand(m_command);
}

void TvxSkinAnimateObject::DblClick()
{
    if (m_command == cmsysmenu)
        m_host.RunCommand(cmclose);
}

void TvxSkinAnimateObject::ResetMouseState()
{
    m_mouse_in = m_active = false;
    m_frame = 1;
}

} // namespace tessel
