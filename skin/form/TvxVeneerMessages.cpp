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
#include "tessel/skin/draw/TvxPlatform.h"
#include "tessel/skin/form/TvxBuiltInFrameLook.h"
#include "tessel/skin/form/TvxClientBackground.h"
#include "tessel/skin/form/TvxFrameHitTest.h"
#include "tessel/skin/form/TvxFrameLayout.h"
#include "tessel/skin/form/TvxSkinFrameLook.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tessel/skin/form/objects/TvxFrameObjectFactory.h"
#include "tessel/skin/form/objects/TvxSkinAnimateObject.h"
#include "tessel/skin/form/objects/TvxSkinCaptionObject.h"
#include "tessel/skin/form/objects/TvxSkinStdButtonObject.h"
#include "tessel/skin/menus/TvxSkinMenu.h"

#include <algorithm>

namespace tessel {

// The window procedure: which message goes to which part of the controller.

void TvxVeneer::WindowProc(TMessage& message)
{
    if (!Handle(message))
        CallSaved(message);
}

bool TvxVeneer::Handle(TMessage& message)
{
    const bool nonclient = !ClientMode();
    if (message.Msg == m_command_message && m_command_message) {
        ExecuteCommand(static_cast<TvxFrameCommand>(message.WParam));
        return true;
    }
    CloseMenusOn(message);
    switch (message.Msg) {
    case SkinChangingNotice:
        if (reinterpret_cast<TvxSkinData*>(message.WParam) != m_skin_data)
            return false;
        m_skin_active = false;
        m_morph_timer->SetEnabled(false);
        m_hover_timer->SetEnabled(false);
        m_objects.Clear();
        for (const TAnchored& a : m_anchored)
            a.control->RemoveFreeNotification(this);
        m_anchored.clear();
        TvxSkinControls::BeforeChange(*m_form, m_skin_data);
        return true;
    case SkinChangedNotice: {
        auto* store = reinterpret_cast<TvxSkinData*>(message.WParam);
        if (store == m_skin_data)
            ApplySkin();
        TvxSkinControls::AfterChange(*m_form, store);
        return true;
    }
    case SkinMenuClosedNotice:
        // The engine's menu closed (the system menu, a main-menu item's).
        LeaveSkinnedMenu();
        return false;
    case SkinnableChangedNotice:
        if (reinterpret_cast<TvxSkinData*>(message.WParam) == m_skin_data && m_skin_data)
            SetSkinnable(m_skin_data->SkinnableForm());
        return true;
    default:
        break;
    }
    if (!m_skinnable)
        return false;
    switch (message.Msg) {
    case WM_SYSCOMMAND:
        // Alt tapped alone or F10: the keyboard menu mode begins or ends. Alt with a
        // letter went to the shortcut handling before.
        if ((message.WParam & 0xFFF0) != SC_KEYMENU)
            return false;
        if (message.LParam == 0) {
            if (!m_main_menu_mode) {
                EnterMainMenuMode();
            } else {
                if (m_skin_menu && m_skin_menu->Visible())
                    m_skin_menu->CloseMenus();
                LeaveMainMenuMode();
            }
        }
        return true;
    case WM_DESTROY:
        m_morph_timer->SetEnabled(false);
        m_hover_timer->SetEnabled(false);
        m_animation_timer->SetEnabled(false);
        // A maximised MDI child that goes gives its MDI form back its menu bar.
        if (m_form->FormStyle() == fsMDIChild && m_frame_state == TvxFrameState::Maximized) {
            m_frame_state = TvxFrameState::Normal;
            TellMDIChildRestored();
        }
        return false;
    case MDIChildMaximizedNotice:
    case MDIChildRestoredNotice:
        MDIChildNotice(message);
        return true;
    case MDIChildFitNotice:
        if (m_frame_state == TvxFrameState::Maximized && m_form->FormStyle() == fsMDIChild)
            FitMaximizedChild();
        return true;
    case WM_NCCALCSIZE: {
        auto* r = reinterpret_cast<TRect*>(message.LParam);
        if (!r || !nonclient || m_form->BorderStyle() == bsNone)
            return true;
        if (HasSkinFrame()) {
            const TvxSkinFormInfo& f = m_skin_data->FormInfo();
            const TBitmap& p = m_skin_data->Picture();
            r->left += f.clientrect.left;
            r->top += f.clientrect.top;
            r->right += f.clientrect.right - p.Width();
            r->bottom += f.clientrect.bottom - p.Height();
        } else {
            r->left += kBuiltInBorder;
            r->top += CaptionHeight() + kBuiltInBorder;
            r->right -= kBuiltInBorder;
            r->bottom -= kBuiltInBorder;
        }
        r->right = std::max(r->right, r->left);
        r->bottom = std::max(r->bottom, r->top);
        message.Result = 0;
        return true;
    }
    case WM_NCPAINT:
        if (HWND hwnd = FormHandle(); hwnd && nonclient)
            if (auto dc = Wm().GetWindowDC(hwnd))
                PaintFrame(*dc);
        return true;
    case WM_SYNCPAINT:
        if (!m_rolled_up || !nonclient)
            return false;
        RepaintFrame();
        message.Result = 0;
        return true;
    case WM_NCACTIVATE:
        message.Result = 1;
        RepaintFrame();
        UpdateActivation(true);
        return true;
    case WM_ACTIVATE:
        CallSaved(message);
        RepaintFrame();
        if (nonclient)
            m_objects.ResetMouseStates();
        UpdateActivation(true);
        return true;
    case WM_SETTEXT:
    case CM_TEXTCHANGED:
        // The title changed, through the window system or the framework.
        CallSaved(message);
        if (m_form->BorderStyle() != bsNone)
            RepaintFrame();
        return true;
    case WM_SETICON:
        CallSaved(message);
        if (m_show_icon && m_form->BorderStyle() != bsNone)
            RepaintFrame();
        return true;
    case WM_ERASEBKGND:
        if (message.WParam && nonclient)
            TvxClientBackground::Paint(*reinterpret_cast<TDeviceContext*>(message.WParam), LoadedSkin(),
                Wm().GetClientRect(FormHandle()), m_geometry, m_logo, m_logo_transparent);
        else if (message.WParam)
            PaintClientFrame(*reinterpret_cast<TDeviceContext*>(message.WParam));
        message.Result = 1;
        return true;
    case WM_NCHITTEST:
        if (nonclient && m_form->BorderStyle() == bsNone)
            return false;
        message.Result = HitTest(ToWindow(PointFromParam(message.LParam)));
        return true;
    case WM_GETMINMAXINFO: {
        CallSaved(message);
        if (auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam)) {
            TPoint least = MinimumSize(), most = MaximumSize();
            info->ptMinTrackSize = least;
            info->ptMaxTrackSize = { std::max(least.x, most.x), std::max(least.y, most.y) };
        }
        return true;
    }
    case WM_SIZE:
        CallSaved(message);
        m_magnet.Clear();
        RefreshSize();
        // The MDI client window has its new size: maximised children follow it.
        for (int i = 0; i < m_form->MDIChildCount(); ++i)
            if (TCustomForm* child = m_form->MDIChildren(i); child->HandleAllocated())
                Wm().SendMessage(child->Handle(), MDIChildFitNotice);
        if (m_skin_active) {
            TPoint least = MinimumSize();
            if (nonclient && m_geometry.W >= least.x && m_geometry.H >= least.y)
                Update(true);
            else if (!nonclient && !m_rolled_up)
                Update(TvxFrameGeometry::Sizeable(*m_skin_data));
        } else if (nonclient) {
            RepaintFrame();
            UpdateWindowRegion(true);
        }
        if (!m_logo.Empty())
            m_form->Invalidate();
        // A translucent window shows what lies under it anew at each size.
        if (m_alpha_blend && m_alpha_blend_value < 255 && nonclient) {
            RepaintFrame();
            m_form->Invalidate();
        }
        return true;
    case WM_SHOWWINDOW:
        CallSaved(message);
        if (message.WParam) {
            FirstShow();
            PrepareFadeIn();
        } else if (m_alpha_blend && FormHandle()) {
            TvxPlatform::ClearWindowAlpha(FormHandle());
        }
        // The window exists now: the frame's geometry and shape for its size.
        if (message.WParam && FormHandle()) {
            RefreshSize();
            if (m_skin_active)
                Update(true);
            else
                UpdateWindowRegion(true);
            RepaintFrame();
        }
        return true;
    case WM_ENTERSIZEMOVE: {
        CallSaved(message);
        m_objects.ResetMouseStates();
        m_hover_timer->SetEnabled(false);
        m_in_size_move = m_size_move_started = true;
        m_magnet.Remember(Wm().Input().CursorPos());
        int full = 1;
        m_full_drag = Wm().SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, &full) ? full != 0 : true;
        return true;
    }
    case WM_SIZING: {
        // A live resize re-lays the frame at each step; the WM_SIZE after it is the
        // window system's.
        CallSaved(message);
        m_magnet.Clear();
        auto* r = reinterpret_cast<TRect*>(message.LParam);
        if (!r || !m_in_size_move || !m_full_drag)
            return true;
        m_geometry.W = r->Width();
        m_geometry.H = r->Height();
        if (!m_skin_active) {
            UpdateWindowRegion(true);
            return true;
        }
        TPoint least = MinimumSize();
        if (nonclient && m_form->Width() >= least.x && m_form->Height() >= least.y
            && (m_geometry.W != m_form->Width() || m_geometry.H != m_form->Height()))
            Update(true);
        return true;
    }
    case WM_MOVING:
        CallSaved(message);
        if (auto* r = reinterpret_cast<TRect*>(message.LParam))
            Moving(*r);
        return true;
    case WM_TIMER:
        if (message.WParam != 1)
            return false;
        FadeIn();
        return true;
    case WM_SETCURSOR:
        // The form's cursor over the frame, except on the borders that size it.
        if (nonclient && m_use_form_cursor_in_nc_area) {
            int code = static_cast<int16_t>(message.LParam & 0xFFFF);
            if (code != HTCLIENT && (code < HTLEFT || code > HTBOTTOMRIGHT))
                message.LParam = (message.LParam & ~LPARAM(0xFFFF)) | HTCLIENT;
        }
        return false;
    case WM_EXITSIZEMOVE:
        CallSaved(message);
        m_hover_timer->SetEnabled(false);
        m_objects.ForgetTracking();
        m_in_size_move = false;
        RepaintFrame();
        return true;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        if (message.Msg == WM_NCLBUTTONDOWN)
            m_size_move_started = false;
        CallSaved(message);
        if (nonclient)
            RouteMouse(message);
        else
            RouteClientMouse(message);
        return true;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        CallSaved(message);
        if (!nonclient)
            RouteClientMouse(message);
        return true;
    default:
        return false;
    }
}

} // namespace tessel
