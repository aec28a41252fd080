#include "tessel/framework/ShortCuts.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TMainMenu.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/form/TvxSkinMainMenuBar.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tessel/skin/menus/TvxSkinMenu.h"

namespace tessel {

// The keyboard on the frame: Alt+Space for the system menu, Alt+letter for the main
// menu, and the menu's shortcuts. Alt+F4 is left to close the window: its key code
// is also the letter 's', so it never counts as an accelerator.

void TvxVeneer::SetMainMenu(TMainMenu* menu)
{
    SetReference(m_main_menu, menu);
    if (!m_skin_active)
        return;
    BuildMainMenuItems();
    LayoutMainMenuItems();
    RepaintFrame();
}

void TvxVeneer::HandleShortCut(TWMKey& key, bool& handled)
{
    if (m_previous_short_cut)
        m_previous_short_cut(key, handled);
    if (handled || !m_skinnable)
        return;
    if (OnShortCut) {
        OnShortCut(key, handled);
        if (handled)
            return;
    }
    TShiftState shift = KeyDataToShiftState(key.KeyData);
    const bool alt_only = (shift & ssAlt) && !(shift & (ssShift | ssCtrl));
    if (key.CharCode == VK_SPACE && alt_only) {
        ShowSystemMenuAtButton();
        handled = true;
        return;
    }
    TMainMenu* menu = m_main_menu_bar && m_main_menu_bar->MainMenu() ? m_main_menu_bar->MainMenu()
        : m_main_menu                                                ? m_main_menu
                                                                     : m_form->Menu();
    if (!menu)
        return;
    if ((shift & ssAlt) && key.CharCode != VK_F4 && MainMenuAccelerator(key.CharCode)) {
        handled = true;
        return;
    }
    handled = menu->IsShortCut(key);
}

bool TvxVeneer::MainMenuAccelerator(char32_t key)
{
    // The entries on the bar or in the frame; a menu shown by neither drops its
    // entries' menus from the client's corner.
    TvxMainMenuKeys::TEntries entries = MainMenuEntries();
    if (!entries.empty())
        return TvxMainMenuKeys::Accelerator(entries, key, SkinnedMenuOpen());
    TMainMenu* menu = m_main_menu ? m_main_menu : m_form->Menu();
    if (!menu)
        return false;
    TMenuItem& items = menu->Items();
    for (int i = 0; i < items.Count(); ++i) {
        TMenuItem* item = items.Items(i);
        if (!item->Visible() || !item->Enabled() || !IsAccel(key, item->Caption()))
            continue;
        if (item->Count() == 0) {
            item->Click();
            return true;
        }
        if (m_skin_menu && FormHandle()) {
            TPoint at = Wm().ClientToScreen(FormHandle(), { 0, 0 });
            EnterSkinnedMenu();
            m_skin_menu->ShowMenu(nullptr, MenusSkinData(), false, *item, { at.x, at.y, at.x, at.y }, 0);
            if (!m_skin_menu->Visible())
                LeaveSkinnedMenu();
        }
        return true;
    }
    return false;
}

} // namespace tessel
