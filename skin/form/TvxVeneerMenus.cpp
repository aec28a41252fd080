#include "tessel/framework/TApplication.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tessel/skin/menus/TvxSkinMenu.h"

namespace tessel {

// The form's popup menu engine: the settings the controller hands it and the
// messages that close its menus.

TvxSkinData* TvxVeneer::MenusSkinData() const
{
    return m_menus_skin_data ? m_menus_skin_data : m_skin_data;
}

void TvxVeneer::SetMenusSkinData(TvxSkinData* data)
{
    SetReference(m_menus_skin_data, data);
}

bool TvxVeneer::UseSkinFontInMenu() const
{
    return m_skin_menu->UseSkinFont();
}

void TvxVeneer::SetUseSkinFontInMenu(bool value)
{
    m_skin_menu->SetUseSkinFont(value);
}

int TvxVeneer::MaxMenuItemsInWindow() const
{
    return m_skin_menu->MaxMenuItemsInWindow();
}

void TvxVeneer::SetMaxMenuItemsInWindow(int value)
{
    if (value >= 0)
        m_skin_menu->SetMaxMenuItemsInWindow(value);
}

int TvxVeneer::DefMenuItemHeight() const
{
    return m_skin_menu->DefaultItemHeight();
}

void TvxVeneer::SetDefMenuItemHeight(int value)
{
    if (value > 0)
        m_skin_menu->SetDefaultItemHeight(value);
}

TFont& TvxVeneer::DefMenuItemFont()
{
    return m_skin_menu->DefaultItemFont();
}

bool TvxVeneer::MenusAlphaBlend() const
{
    return m_skin_menu->AlphaBlend();
}

void TvxVeneer::SetMenusAlphaBlend(bool value)
{
    m_skin_menu->SetAlphaBlend(value);
}

bool TvxVeneer::MenusAlphaBlendAnimation() const
{
    return m_skin_menu->AlphaBlendAnimation();
}

void TvxVeneer::SetMenusAlphaBlendAnimation(bool value)
{
    m_skin_menu->SetAlphaBlendAnimation(value);
}

uint8_t TvxVeneer::MenusAlphaBlendValue() const
{
    return m_skin_menu->AlphaBlendValue();
}

void TvxVeneer::SetMenusAlphaBlendValue(uint8_t value)
{
    m_skin_menu->SetAlphaBlendValue(value);
}

void TvxVeneer::CloseMenusOn(const TMessage& message)
{
    if (!TvxSkinMenu::ClosesMenus(message.Msg))
        return;
    HideObjectHint();
    if (m_skin_menu && m_skin_menu->Visible())
        m_skin_menu->CloseMenus();
    else if (m_skinned_menu_open)
        LeaveSkinnedMenu();
    else if (m_main_menu_mode)
        LeaveMainMenuMode();
}

void TvxVeneer::UpdateMenuHook()
{
    const bool wanted = m_skinned_menu_open || m_main_menu_mode;
    if (wanted && !m_menu_hook) {
        m_menu_hook = Application().AddMessageHook([this](MSG& msg, bool& handled) {
            // The wheel would scroll the form under the menu.
            if (msg.message == WM_MOUSEWHEEL)
                handled = true;
            else if (m_main_menu_mode)
                handled = MainMenuKey(msg);
        });
    } else if (!wanted && m_menu_hook) {
        Application().RemoveMessageHook(m_menu_hook);
        m_menu_hook = 0;
    }
}

void TvxVeneer::EnterSkinnedMenu()
{
    if (m_skinned_menu_open)
        return;
    m_skinned_menu_open = true;
    UpdateMenuHook();
    if (OnSkinMenuOpen)
        OnSkinMenuOpen(this);
}

void TvxVeneer::LeaveSkinnedMenu()
{
    if (!m_skinned_menu_open)
        return;
    m_skinned_menu_open = false;
    ReleaseMainMenuEntry();
    UpdateMenuHook();
    if (OnSkinMenuClose)
        OnSkinMenuClose(this);
    if (m_main_menu_mode)
        LeaveMainMenuMode();
}

} // namespace tessel
