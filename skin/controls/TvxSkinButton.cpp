#include "tessel/skin/controls/TvxSkinButton.h"

#include "tessel/framework/ShortCuts.h"
#include "tessel/platform/Messages.h"

namespace tessel {

TvxSkinButton::TvxSkinButton(TComponent* owner)
    : TvxButtonControl(owner)
{
    SetControlStyle(csCaptureMouse | csClickEvents | csSetCaption | csOpaque | csDoubleClicks);
    SetSkinDataName("button");
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void TvxSkinButton::SetCanFocused(bool value)
{
    m_can_focused = value;
    SetTabStop(value);
}

void TvxSkinButton::SetGroupIndex(int index)
{
    TvxButtonControl::SetGroupIndex(index);
    if (index != 0)
        SetCanFocused(false);
}

void TvxSkinButton::SetDefault(bool value)
{
    m_default = value;
    m_default_active = value;
    if (TCustomForm* form = GetParentForm(); form && m_can_focused)
        FocusChanged(form->ActiveControl());
}

void TvxSkinButton::ButtonClick()
{
    if (TCustomForm* form = GetParentForm(); form && m_can_focused)
        form->SetModalResult(m_modal_result);
    TvxButtonControl::ButtonClick();
}

bool TvxSkinButton::Accelerate()
{
    if (!m_can_focused || !CanFocus())
        return false;
    SetFocus();
    ButtonClick();
    return true;
}

void TvxSkinButton::UpdateRegion()
{
    // A button of its own size does not take the record's mask.
    if (UseSkinSize())
        TvxButtonControl::UpdateRegion();
    else if (HasWindowShape())
        SetWindowShape(nullptr);
}

bool TvxSkinButton::KeepsHotOnLeave() const
{
    // A default button keeps its highlight while the focus is elsewhere.
    return m_can_focused && m_default && m_default_active && !Focused();
}

// Mouse, keys and focus

void TvxSkinButton::MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && m_can_focused && !Focused() && CanFocus())
        SetFocus();
    TvxButtonControl::MouseDown(button, shift, x, y);
}

void TvxSkinButton::KeyDown(uint16_t& key, TShiftState shift)
{
    if (m_can_focused && key == VK_SPACE && m_space_presses) {
        SetDown(true);
        if (RepeatMode())
            ButtonClick();
    } else if (m_can_focused && key == VK_RETURN) {
        ButtonClick();
    }
    TvxButtonControl::KeyDown(key, shift);
}

void TvxSkinButton::KeyUp(uint16_t& key, TShiftState shift)
{
    if (m_can_focused && key == VK_SPACE && m_space_presses) {
        SetDown(false);
        ButtonClick();
    }
    TvxButtonControl::KeyUp(key, shift);
}

void TvxSkinButton::DoEnter()
{
    TvxButtonControl::DoEnter();
    if (m_can_focused) {
        StartAnimation(true);
        m_state.StartMorph();
    }
}

void TvxSkinButton::DoExit()
{
    TvxButtonControl::DoExit();
    if (RepeatMode())
        m_state.StopRepeat();
    if (GroupIndex() == 0 && Down())
        m_state.ClearDown();
    if (m_can_focused) {
        StartAnimation(false);
        m_state.StartMorph();
    }
}

void TvxSkinButton::FocusChanged(TControl* focus)
{
    auto* button = dynamic_cast<TvxSkinButton*>(focus);
    m_default_active = button ? button == this : m_default;
    if (!m_can_focused || !m_default)
        return;
    if (button && button != this) {
        m_state.SetHot(false);
        m_state.StartMorph();
    } else if (!button) {
        m_state.SetHot(true);
        if (MorphingInEffect())
            m_state.SetMorphFactor(1);
        Invalidate();
    }
}

void TvxSkinButton::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_FOCUSCHANGED:
        FocusChanged(reinterpret_cast<TControl*>(message.LParam));
        break;
    case CM_DIALOGKEY:
        // Enter for the default button, Escape for the cancel one.
        if (Enabled() && Visible()
            && ((message.WParam == VK_RETURN && m_default_active)
                || (message.WParam == VK_ESCAPE && m_cancel && m_can_focused))) {
            ButtonClick();
            message.Result = 1;
            return;
        }
        break;
    case CM_DIALOGCHAR:
        if (Enabled() && Visible() && IsAccel(static_cast<char32_t>(message.WParam), Caption())
            && Accelerate()) {
            message.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TvxButtonControl::Dispatch(message);
}

} // namespace tessel
