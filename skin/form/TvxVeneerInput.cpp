#include "tessel/framework/Exception.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TTimer.h"
#include "tessel/platform/TDeviceContext.h"
#include "tessel/platform/TSystemMetrics.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/controls/TvxSkinControls.h"
#include "tessel/skin/data/SkinMessages.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/form/TvxBuiltInFrameLook.h"
#include "tessel/skin/form/TvxClientBackground.h"
#include "tessel/skin/form/TvxFrameHitTest.h"
#include "tessel/skin/form/TvxFrameLayout.h"
#include "tessel/skin/form/TvxSkinFrameLook.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tessel/skin/form/objects/TvxFrameObjectFactory.h"
#include "tessel/skin/form/objects/TvxSkinCaptionObject.h"
#include "tessel/skin/form/objects/TvxSkinStdButtonObject.h"

#include <algorithm>

namespace tessel {

// The mouse on the frame: hit test, tracking, routing, the timers that follow it,
// and the commands the caption buttons run.

void TvxVeneer::StartMorphTimer()
{
    m_morph_timer->SetEnabled(true);
}

void TvxVeneer::StartAnimationTimer()
{
    m_animation_timer->SetEnabled(true);
}

void TvxVeneer::OnAnimate()
{
    bool running = false;
    for (TvxActiveSkinObject* object : m_objects.All())
        running = object->AnimationStep() || running;
    if (!running)
        m_animation_timer->SetEnabled(false);
}

void TvxVeneer::OnMorph()
{
    if (!m_objects.MorphStep())
        m_morph_timer->SetEnabled(false);
}

void TvxVeneer::OnHover()
{
    HWND hwnd = FormHandle();
    if (!hwnd || m_in_size_move) {
        m_hover_timer->SetEnabled(false);
        return;
    }
    TPoint p = ToWindow(Wm().Input().CursorPos());
    if (ClientMode()) {
        if (m_dragging)
            return;
        if (Wm().WindowFromPoint(Wm().Input().CursorPos()) == hwnd || Wm().Input().GetCapture() == hwnd)
            m_objects.Track(p);
        else {
            m_objects.Track({ -1, -1 }, false);
            m_hover_timer->SetEnabled(false);
        }
        if (m_use_skin_cursors && m_skin_data) {
            // The hot object's skin cursor, else the form's, else the default one.
            TvxActiveSkinObject* hot = m_objects.Hot();
            int index
                = hot && hot->CursorIndex() != -1 ? hot->CursorIndex() : m_skin_data->FormInfo().cursorindex;
            m_form->SetCursor(
                index == -1 ? crDefault : static_cast<TCursor>(m_skin_data->FirstCursorNumber() + index));
        }
        return;
    }
    bool in_window = Wm().WindowFromPoint(Wm().Input().CursorPos()) == hwnd
        || (Wm().Input().GetCapture() == hwnd && TRect { 0, 0, m_geometry.W, m_geometry.H }.Contains(p));
    TRect client = HasSkinFrame() ? m_geometry.NewClient
                                  : TRect { 3, CaptionHeight() + 3, m_geometry.W - 3, m_geometry.H - 3 };
    if (in_window && !client.Contains(p)) {
        m_objects.Track(p);
        return;
    }
    // Off the frame: the hot object is left and, with nothing hot, nothing is left to
    // watch until the pointer comes back.
    m_objects.Track({ -1, -1 });
    if (!m_objects.Hot())
        m_hover_timer->SetEnabled(false);
}

int TvxVeneer::HitTest(TPoint p)
{
    TvxFrameHitTest test;
    test.sizeable = m_sizeable;
    test.rolled_up = m_rolled_up;
    test.minimized = m_frame_state == TvxFrameState::Minimized;
    test.maximized = m_frame_state == TvxFrameState::Maximized || Wm().IsZoomed(FormHandle());
    test.object_hot = m_objects.Hot() != nullptr;
    test.size_move = m_in_size_move;
    test.over_caption = [this](TPoint q) { return m_objects.OverCaption(q); };
    if (ClientMode()) {
        // The whole window is client: only the borders and the grip are the window
        // system's; the objects get the mouse through the client messages.
        if (!LoadedSkin())
            return HTCLIENT;
        if (!m_hover_timer->Enabled()) {
            m_objects.Track(p);
            m_hover_timer->SetEnabled(true);
        }
        if (!test.sizeable || test.maximized || test.rolled_up || m_objects.Hot())
            return HTCLIENT;
        if (m_frame_state == TvxFrameState::Normal && m_geometry.SizeGripRect.Contains(p))
            return HTBOTTOMRIGHT;
        int edge = test.Skinned(p, m_geometry, m_shape, m_skin_data->FormInfo().borderwidth);
        return edge >= HTLEFT && edge <= HTBOTTOMRIGHT ? edge : HTCLIENT;
    }
    int hit = HasSkinFrame()
        ? test.Skinned(p, m_geometry, m_shape, m_skin_data->FormInfo().borderwidth)
        : test.BuiltIn(p, m_geometry.W, m_geometry.H, m_default_caption_rect, CaptionHeight());
    if (hit == HTOBJECT && !m_hover_timer->Enabled()) {
        m_objects.Track(p);
        m_hover_timer->SetEnabled(true);
    }
    return hit;
}

void TvxVeneer::RunCommand(TvxFrameCommand command)
{
    // Commands run from the queue: the object that asked may go with what they do.
    if (HWND hwnd = FormHandle())
        Wm().PostMessage(hwnd, m_command_message, static_cast<WPARAM>(command), 0);
}

void TvxVeneer::ExecuteCommand(TvxFrameCommand command)
{
    switch (command) {
    case cmclose:
        m_form->Close();
        break;
    case cmmaximize:
        SetFrameState(
            m_frame_state == TvxFrameState::Maximized ? TvxFrameState::Normal : TvxFrameState::Maximized);
        break;
    case cmminimize:
        if (m_frame_state == TvxFrameState::Minimized && !ClientMode())
            SetFrameState(TvxFrameState::Normal);
        else
            MinimizeCommand();
        break;
    case cmminimizetotray:
        MinimizeToTray();
        break;
    case cmrollup:
        RollUp(!m_rolled_up);
        break;
    case cmsysmenu:
        ShowSystemMenuAtButton();
        break;
    default:
        break;
    }
}

void TvxVeneer::RouteMouse(TMessage& message)
{
    HWND hwnd = FormHandle();
    if (!hwnd)
        return;
    const bool client_message = message.Msg == WM_LBUTTONUP || message.Msg == WM_RBUTTONUP;
    TPoint p = client_message ? TPoint { -1, -1 } : ToWindow(PointFromParam(message.LParam));
    const bool on_caption = message.WParam == HTCAPTION;
    auto down = [&](TMouseButtonKind button) {
        if (m_objects.MouseDown(p, button)) {
            TvxActiveSkinObject* captured = m_objects.Captured();
            if (captured && !dynamic_cast<TvxSkinCaptionObject*>(captured))
                Wm().Input().SetCapture(hwnd);
        }
    };
    auto up = [&](TMouseButtonKind button) {
        TvxActiveSkinObject* captured = m_objects.Captured();
        if (captured && !dynamic_cast<TvxSkinCaptionObject*>(captured) && Wm().Input().GetCapture() == hwnd)
            Wm().Input().ReleaseCapture();
        m_objects.MouseUp(p, button);
    };
    switch (message.Msg) {
    case WM_NCMOUSEMOVE:
        m_objects.MouseMove(p);
        break;
    case WM_NCLBUTTONDOWN:
        // A press that started a move or size loop has ended with it.
        if (m_size_move_started) {
            m_size_move_started = false;
            break;
        }
        down(mbLeft);
        if (on_caption)
            m_objects.ReleaseCapture();
        break;
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:
        up(mbLeft);
        break;
    case WM_NCLBUTTONDBLCLK:
        down(mbLeft);
        m_objects.DblClick();
        if (on_caption) {
            m_objects.ReleaseCapture();
            CaptionDoubleClick();
        }
        break;
    case WM_NCRBUTTONDOWN:
        down(mbRight);
        if (on_caption) {
            m_objects.ReleaseCapture();
            TPoint cursor = Wm().Input().CursorPos();
            ShowSystemMenu({ cursor.x, cursor.y, cursor.x, cursor.y });
        }
        break;
    case WM_NCRBUTTONDBLCLK:
        down(mbRight);
        if (on_caption)
            m_objects.ReleaseCapture();
        break;
    case WM_NCRBUTTONUP:
    case WM_RBUTTONUP:
        up(mbRight);
        break;
    default:
        break;
    }
}

void TvxVeneer::RouteClientMouse(TMessage& message)
{
    HWND hwnd = FormHandle();
    if (!hwnd || !LoadedSkin())
        return;
    TPoint p = PointFromParam(message.LParam);
    auto down = [&](TMouseButtonKind button) {
        StopDrag();
        if (!m_objects.MouseDown(p, button)) {
            // A press where no object lies drags a DraggAble form.
            if (button == mbLeft && m_draggable && m_frame_state != TvxFrameState::Maximized)
                StartDrag(Wm().Input().CursorPos());
            return;
        }
        TvxActiveSkinObject* captured = m_objects.Captured();
        if (dynamic_cast<TvxSkinCaptionObject*>(captured)) {
            // A press on the caption moves the window.
            m_objects.ReleaseCapture();
            if (button == mbLeft && m_frame_state != TvxFrameState::Maximized)
                Wm().SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, message.LParam);
        } else if (captured) {
            Wm().Input().SetCapture(hwnd);
        }
    };
    auto up = [&](TMouseButtonKind button) {
        StopDrag();
        if (m_objects.Captured() && Wm().Input().GetCapture() == hwnd)
            Wm().Input().ReleaseCapture();
        m_objects.MouseUp(p, button);
    };
    switch (message.Msg) {
    case WM_MOUSEMOVE:
        if (m_dragging) {
            Drag();
            break;
        }
        m_objects.MouseMove(p);
        break;
    case WM_LBUTTONDOWN:
        m_magnet.Remember(Wm().Input().CursorPos());
        down(mbLeft);
        break;
    case WM_LBUTTONUP:
        up(mbLeft);
        break;
    case WM_LBUTTONDBLCLK:
        down(mbLeft);
        m_objects.DblClick();
        if (dynamic_cast<TvxSkinCaptionObject*>(m_objects.Hot())) {
            // Rolled up it unrolls; else a sizeable form maximises or comes back, and
            // a fixed one rolls up.
            if (m_rolled_up)
                RollUp(false);
            else if (m_sizeable)
                SetFrameState(m_frame_state == TvxFrameState::Normal ? TvxFrameState::Maximized
                                                                     : TvxFrameState::Normal);
            else
                RollUp(true);
        }
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        down(mbRight);
        break;
    case WM_RBUTTONUP:
        up(mbRight);
        break;
    default:
        break;
    }
}

} // namespace tessel
