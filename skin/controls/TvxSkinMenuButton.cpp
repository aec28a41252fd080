#include "tessel/skin/controls/TvxSkinMenuButton.h"

#include "tessel/platform/Messages.h"

namespace tessel {

TvxSkinMenuButton::TvxSkinMenuButton(TComponent* owner)
    : TvxMenuButtonControl(owner)
{
    // Space drops the menu here, not through the button's own rule.
    m_space_presses = false;
}

void TvxSkinMenuButton::KeyDown(uint16_t& key, TShiftState shift)
{
    if (CanFocused() && SkinPopupMenu() && key == VK_SPACE && !TrackButtonMode()) {
        key = 0;
        Open();
        return;
    }
    // Without a popup menu Space presses the button as it presses any button.
    m_space_presses = !SkinPopupMenu();
    TvxMenuButtonControl::KeyDown(key, shift);
}

void TvxSkinMenuButton::KeyUp(uint16_t& key, TShiftState shift)
{
    if (CanFocused() && SkinPopupMenu() && key == VK_SPACE && !MenuOpen()) {
        key = 0;
        SetDown(false);
        ButtonClick();
        return;
    }
    // Enter clicked once already, at its key down.
    m_space_presses = !SkinPopupMenu();
    TvxMenuButtonControl::KeyUp(key, shift);
}

bool TvxSkinMenuButton::Accelerate()
{
    if (TrackButtonMode() || !SkinPopupMenu())
        return TvxMenuButtonControl::Accelerate();
    if (!CanFocused() || !CanFocus())
        return false;
    SetFocus();
    Open();
    return true;
}

} // namespace tessel
