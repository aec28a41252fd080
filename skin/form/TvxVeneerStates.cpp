#include "tessel/framework/TApplication.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TScreen.h"
#include "tessel/framework/TTimer.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/controls/TvxSkinStatusBar.h"
#include "tessel/skin/data/SkinMessages.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxMaskRegion.h"
#include "tessel/skin/draw/TvxPlatform.h"
#include "tessel/skin/form/TvxClientFrameLook.h"
#include "tessel/skin/form/TvxFramePlacement.h"
#include "tessel/skin/form/TvxSkinMainMenuBar.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tessel/skin/form/objects/TvxActiveSkinObject.h"

namespace tessel {

// The frame states the controller keeps itself: normal, minimised, maximised, and
// rolled up to the caption.

void TvxVeneer::SetFrameState(TvxFrameState state)
{
    if (state == m_frame_state || !FormHandle())
        return;
    m_objects.ResetMouseStates();
    switch (state) {
    case TvxFrameState::Normal:
        RestoreState();
        break;
    case TvxFrameState::Minimized:
        MinimizeState();
        break;
    case TvxFrameState::Maximized:
        MaximizeState();
        break;
    }
    RepaintFrame();
}

void TvxVeneer::RestoreState()
{
    if (m_frame_state == TvxFrameState::Maximized && m_rolled_up && !m_maximized_rolled_up)
        RollUp(false);
    m_rolled_up_while_maximized = false;
    bool from_minimized = m_frame_state == TvxFrameState::Minimized;
    m_frame_state = TvxFrameState::Normal;
    if (from_minimized && Application().MainForm() == m_form)
        Application().Restore();
    // A form first shown maximised is centred on its first way back.
    if (m_first_show && m_position_in_monitor != vxpDefault && !m_restore_bounds.IsEmpty()) {
        m_restore_bounds = CentredBounds(m_restore_bounds);
        m_first_show = false;
    }
    if (!m_restore_bounds.IsEmpty())
        m_form->SetBoundsRect(m_restore_bounds);
    m_restore_bounds = {};
    m_hover_timer->SetEnabled(true);
    m_form->Invalidate();
    if (m_form->FormStyle() == fsMDIChild)
        TellMDIChildRestored();
    if (m_status_bar)
        m_status_bar->ShowGrip(true);
    if (OnRestore)
        OnRestore(this);
}

void TvxVeneer::FitMaximizedChild()
{
    HWND client = Wm().GetParent(FormHandle());
    if (!client)
        return;
    const TRect area = Wm().GetClientRect(client);
    if (m_form->Left() == 0 && m_form->Top() == 0 && m_form->Width() == area.Width()
        && m_form->Height() == area.Height())
        return;
    m_form->SetBounds(0, 0, area.Width(), area.Height());
}

void TvxVeneer::TellMDIChildRestored()
{
    if (TCustomForm* main = Application().MainForm(); main && main != m_form && main->HandleAllocated())
        Wm().SendMessage(main->Handle(), MDIChildRestoredNotice, static_cast<WPARAM>(FormHandle()));
}

void TvxVeneer::MDIChildNotice(const TMessage& message)
{
    // On the MDI form: the menu bar carries the maximised child's buttons while one is.
    if (!m_main_menu_bar)
        return;
    TCustomForm* maximized = nullptr;
    for (int i = 0; i < m_form->MDIChildCount(); ++i) {
        TCustomForm* child = m_form->MDIChildren(i);
        if (!child->Visible())
            continue;
        const TvxVeneer* veneer = Of(*child);
        const bool restored = message.Msg == MDIChildRestoredNotice && child->HandleAllocated()
            && child->Handle() == static_cast<HWND>(message.WParam);
        if (veneer && veneer->FrameState() == TvxFrameState::Maximized && !restored)
            maximized = child;
    }
    if (maximized)
        m_main_menu_bar->ShowMDIButtons(maximized);
    else
        m_main_menu_bar->HideMDIButtons();
}

void TvxVeneer::MinimizeState()
{
    // The program's main form, and any form without a frame of its own, goes down
    // with the application; its state stays.
    if (Application().MainForm() == m_form || ClientMode()) {
        Application().Minimize();
        if (OnMinimize)
            OnMinimize(this);
        return;
    }
    if (m_restore_bounds.IsEmpty())
        m_restore_bounds = m_form->BoundsRect();
    m_frame_state = TvxFrameState::Minimized;
    TPoint size = MinimumSize();
    // The places other visible minimised forms (not the main one) take.
    std::vector<TPoint> taken;
    for (int i = 0; i < Screen().FormCount(); ++i) {
        TCustomForm* other = Screen().Forms(i);
        if (other == m_form || other == Application().MainForm() || !other->Visible())
            continue;
        if (const TvxVeneer* veneer = Of(*other); veneer && veneer->FrameState() == TvxFrameState::Minimized)
            taken.push_back({ other->Left(), other->Top() });
    }
    TRect area = TvxPlatform::WorkArea(FormHandle(), TvxWorkArea::kWorkArea);
    TPoint at = TvxFramePlacement::MinimizedSlot(area, size, taken);
    m_form->SetBounds(at.x, at.y, size.x, size.y);
    if (OnMinimize)
        OnMinimize(this);
}

void TvxVeneer::MaximizeState()
{
    m_maximized_rolled_up = m_rolled_up;
    if (m_restore_bounds.IsEmpty())
        m_restore_bounds = m_form->BoundsRect();
    m_frame_state = TvxFrameState::Maximized;
    HWND hwnd = FormHandle();
    if (m_form->FormStyle() == fsMDIChild) {
        // An MDI child fills its MDI form's free client area; the form's menu bar
        // takes its buttons.
        m_hover_timer->SetEnabled(false);
        m_objects.ForgetTracking();
        FitMaximizedChild();
        if (TCustomForm* main = Application().MainForm(); main && main != m_form && main->HandleAllocated())
            Wm().SendMessage(main->Handle(), MDIChildMaximizedNotice, static_cast<WPARAM>(hwnd));
        if (OnMaximize)
            OnMaximize(this);
        return;
    }
    TRect monitor = TvxPlatform::WorkArea(hwnd, TvxWorkArea::kWholeMonitor);
    TRect work = TvxPlatform::WorkArea(hwnd, TvxWorkArea::kWorkArea);
    TRect target
        = TvxFramePlacement::Maximized(monitor, work, Wm().Backend().ScreenRect(), m_maximize_on_full_screen);
    m_form->SetBoundsRect(target);
    if (m_status_bar)
        m_status_bar->ShowGrip(false);
    if (OnMaximize)
        OnMaximize(this);
}

void TvxVeneer::SetStatusBar(TvxSkinStatusBar* bar)
{
    SetReference(m_status_bar, bar);
}

TRect TvxVeneer::CentredBounds(const TRect& bounds) const
{
    TRect r = TvxPlatform::WorkArea(FormHandle(),
        m_position_in_monitor == vxpScreenCenter ? TvxWorkArea::kWholeMonitor : TvxWorkArea::kWorkArea);
    int w = bounds.Width(), h = bounds.Height();
    int left = r.left + r.Width() / 2 - w / 2, top = r.top + r.Height() / 2 - h / 2;
    return { left, top, left + w, top + h };
}

void TvxVeneer::FirstShow()
{
    if (!m_first_show)
        return;
    if (m_position_in_monitor == vxpDefault) {
        m_first_show = false;
        return;
    }
    if (m_frame_state != TvxFrameState::Normal)
        return;
    m_first_show = false;
    m_form->SetBoundsRect(CentredBounds(m_form->BoundsRect()));
}

void TvxVeneer::CaptionDoubleClick()
{
    if (m_sizeable && m_frame_state == TvxFrameState::Minimized)
        SetFrameState(TvxFrameState::Normal);
    else if (m_sizeable && m_frame_state != TvxFrameState::Maximized && !m_rolled_up
        && (m_border_icons & biMaximize))
        SetFrameState(TvxFrameState::Maximized);
    else if (m_sizeable && m_frame_state == TvxFrameState::Maximized && !m_rolled_up_while_maximized)
        SetFrameState(TvxFrameState::Normal);
    else
        RollUp(!m_rolled_up);
}

void TvxVeneer::RollUp(bool value)
{
    if (ClientMode() && !LoadedSkin())
        return;
    if (!(m_border_icons & biRollUp) || m_frame_state == TvxFrameState::Minimized)
        return;
    if (m_rolled_up && m_frame_state == TvxFrameState::Maximized && !m_rolled_up_while_maximized)
        return;
    if (value == m_rolled_up)
        return;
    if (m_frame_state == TvxFrameState::Maximized)
        m_rolled_up_while_maximized = value;
    m_objects.ResetMouseStates();
    if (ClientMode()) {
        RollUpClientMode(value);
    } else {
        m_rolled_up = value;
        if (value) {
            // Only the caption's part of the frame stays.
            m_unrolled_height = m_form->Height();
            m_form->SetBounds(m_form->Left(), m_form->Top(), m_form->Width(), MinimumSize().y);
        } else if (m_client_height > 0) {
            m_form->SetClientHeight(m_client_height);
        } else if (m_unrolled_height > 0) {
            m_form->SetBounds(m_form->Left(), m_form->Top(), m_form->Width(), m_unrolled_height);
        }
        RepaintFrame();
    }
    if (OnChangeRollUpState)
        OnChangeRollUpState(this);
}

void TvxVeneer::RollUpClientMode(bool value)
{
    const TBitmap& picture = m_skin_data->RollUpPicture();
    // Without a roll-up picture there is nothing to roll up to.
    if (value && picture.Empty())
        return;
    m_rolled_up = value;
    m_hover_timer->SetEnabled(false);
    m_morph_timer->SetEnabled(false);
    HWND hwnd = FormHandle();
    const TvxSkinFormInfo& f = m_skin_data->FormInfo();
    if (value) {
        m_unrolled_height = m_form->Height();
        m_hidden_by_rollup.clear();
        for (int i = 0; i < m_form->ControlCount(); ++i)
            if (TControl* control = m_form->Controls(i); control->Visible()) {
                m_hidden_by_rollup.push_back(control);
                control->SetVisible(false);
            }
        bool strip = f.rollupleftpoint.x < f.rolluprightpoint.x;
        if (strip) {
            // The roll-up objects between the points keep their place; those right of
            // them move with the right end, those across them grow.
            int dx = m_form->Width() - picture.Width();
            for (TvxActiveSkinObject* object : m_objects.All()) {
                if (!object->RollUp())
                    continue;
                TRect r = object->SkinRect();
                if (r.left >= f.rolluprightpoint.x)
                    r = r.Offset(dx, 0);
                else if (r.left <= f.rollupleftpoint.x && r.right >= f.rolluprightpoint.x)
                    r.right += dx;
                object->SetObjectRect(r);
            }
            m_form->SetBounds(m_form->Left(), m_form->Top(), m_form->Width(), picture.Height());
        } else {
            m_form->SetBounds(m_form->Left(), m_form->Top(), picture.Width(), picture.Height());
        }
        TBitmap mask = m_skin_data->RollUpMask();
        if (!mask.Empty() && hwnd) {
            TBitmap shape
                = strip ? TvxClientFrameLook::ComposeRolledUp(*m_skin_data, m_form->Width(), mask) : mask;
            Wm().SetWindowRgn(hwnd, TvxMaskRegion::RegionFromMask(shape));
        } else if (hwnd) {
            Wm().SetWindowRgn(hwnd, nullptr);
        }
    } else {
        for (TControl* control : m_hidden_by_rollup)
            control->SetVisible(true);
        m_hidden_by_rollup.clear();
        if (m_sizeable && m_unrolled_height > 0)
            m_form->SetBounds(m_form->Left(), m_form->Top(), m_form->Width(), m_unrolled_height);
        FitClientToSkin();
        LayoutObjects();
        UpdateWindowRegion(false);
    }
    m_form->Invalidate();
    m_hover_timer->SetEnabled(true);
}

} // namespace tessel
