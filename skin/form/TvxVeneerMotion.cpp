#include "tessel/framework/TApplication.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/draw/TvxPlatform.h"
#include "tessel/skin/form/TvxVeneer.h"

namespace tessel {

// Dragging the form, magnetic edges, and the alpha fade as the form shows.

namespace {

constexpr uintptr_t kFadeTimer = 1;
constexpr int kFadeStep = 10;
// A step waits until more than 5 ms have passed since the one before.
constexpr int kFadePause = 6;

} // namespace

TRect TvxVeneer::SnapArea() const
{
    return TvxPlatform::WorkArea(FormHandle(), TvxWorkArea::kWorkArea);
}

void TvxVeneer::Moving(TRect& proposed)
{
    TPoint size { m_form->Width(), m_form->Height() };
    TPoint at { proposed.left, proposed.top };
    if (m_frame_state == TvxFrameState::Maximized)
        at = { m_form->Left(), m_form->Top() };
    else if (m_magnetic)
        at = m_magnet.Snap(at, size, SnapArea(), Wm().Input().CursorPos(), m_magnetic_size);
    proposed = { at.x, at.y, at.x + size.x, at.y + size.y };
}

void TvxVeneer::StartDrag(TPoint screen)
{
    m_dragging = true;
    m_drag_point = screen;
    m_magnet.Remember(screen);
    Wm().Input().SetCapture(FormHandle());
}

void TvxVeneer::Drag()
{
    TPoint cursor = Wm().Input().CursorPos();
    if (!m_dragging || cursor == m_drag_point)
        return;
    TPoint at { m_form->Left() + cursor.x - m_drag_point.x, m_form->Top() + cursor.y - m_drag_point.y };
    TPoint size { m_form->Width(), m_form->Height() };
    if (m_magnetic)
        at = m_magnet.Snap(at, size, SnapArea(), cursor, m_magnetic_size);
    m_drag_point = cursor;
    m_form->SetBounds(at.x, at.y, size.x, size.y);
}

void TvxVeneer::StopDrag()
{
    if (!m_dragging)
        return;
    m_dragging = false;
    if (Wm().Input().GetCapture() == FormHandle())
        Wm().Input().ReleaseCapture();
}

void TvxVeneer::SetAlphaBlend(bool value)
{
    m_alpha_blend = value;
    HWND hwnd = FormHandle();
    if (!hwnd || !m_skinnable)
        return;
    if (value)
        TvxPlatform::SetWindowAlpha(hwnd, m_alpha_blend_value);
    else
        TvxPlatform::ClearWindowAlpha(hwnd);
}

void TvxVeneer::SetAlphaBlendValue(uint8_t value)
{
    m_alpha_blend_value = value;
    if (m_alpha_blend && FormHandle() && m_skinnable)
        TvxPlatform::SetWindowAlpha(FormHandle(), value);
}

void TvxVeneer::PrepareFadeIn()
{
    HWND hwnd = FormHandle();
    if (!hwnd || !TvxPlatform::LayeredWindowsVersion() || !(m_alpha_blend || m_alpha_blend_animation))
        return;
    TvxPlatform::SetWindowAlpha(hwnd, 0);
    Wm().SetTimer(hwnd, kFadeTimer, 1);
}

void TvxVeneer::FadeIn()
{
    HWND hwnd = FormHandle();
    Wm().KillTimer(hwnd, kFadeTimer);
    uint8_t target = m_alpha_blend || !m_alpha_blend_animation ? m_alpha_blend_value : 255;
    if (m_alpha_blend_animation) {
        Application().ProcessMessages();
        TvxPlatform::FadeIn(hwnd, kFadeStep, kFadeStep, target, kFadePause);
    } else {
        TvxPlatform::SetWindowAlpha(hwnd, target);
    }
    if (target == 255 && Wm().IsWindow(hwnd))
        TvxPlatform::ClearWindowAlpha(hwnd);
}

} // namespace tessel
