#include "tessel/framework/TApplication.h"
#include "tessel/framework/TMainMenu.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/data/TvxDataSkinMainMenuItem.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/form/TvxMainMenuEntry.h"
#include "tessel/skin/form/TvxSkinMainMenuBar.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tessel/skin/form/objects/TvxSkinMainMenuItem.h"
#include "tessel/skin/menus/TvxSkinMenu.h"
#include "tessel/skin/menus/TvxSkinMenuItem.h"
#include "tessel/skin/menus/TvxSkinPopupWindow.h"

namespace tessel {

// The keyboard menu mode over the main menu's entries, on the menu bar or in the
// frame: entered with Alt or F10 or by opening an entry, left with Escape, a
// command, or a press elsewhere.

void TvxVeneer::SetMainMenuBar(TvxSkinMainMenuBar* bar)
{
    SetReference(m_main_menu_bar, bar);
    if (bar && bar->Veneer() != this)
        bar->SetVeneer(this);
}

TvxMainMenuKeys::TEntries TvxVeneer::MainMenuEntries() const
{
    if (m_main_menu_bar)
        return m_main_menu_bar->Entries();
    return FrameMenuEntries();
}

void TvxVeneer::ReleaseMainMenuEntry()
{
    if (m_main_menu_bar)
        m_main_menu_bar->ReleasePressed();
    for (TvxSkinMainMenuItem* item : FrameMenuItems()) {
        if (!item->IsDown())
            continue;
        // A press on the open entry closes its menu, and ends there.
        const TPoint at = ToWindow(Wm().Input().CursorPos());
        m_frame_closed_by_press
            = Wm().Input().IsKeyDown(VK_LBUTTON) && item->ObjectRect().Contains(at) ? item : nullptr;
        item->SetDown(false);
    }
}

// The entries in the frame.

std::vector<TvxSkinMainMenuItem*> TvxVeneer::FrameMenuItems() const
{
    std::vector<TvxSkinMainMenuItem*> items;
    for (TvxActiveSkinObject* object : m_objects.All())
        if (auto* item = dynamic_cast<TvxSkinMainMenuItem*>(object))
            items.push_back(item);
    return items;
}

TvxMainMenuKeys::TEntries TvxVeneer::FrameMenuEntries() const
{
    std::vector<TvxSkinMainMenuItem*> items = FrameMenuItems();
    return { items.begin(), items.end() };
}

void TvxVeneer::BuildMainMenuItems()
{
    for (TvxSkinMainMenuItem* item : FrameMenuItems())
        item->MenuItem().RemoveFreeNotification(this);
    m_objects.RemoveIf(
        [](const TvxActiveSkinObject& o) { return dynamic_cast<const TvxSkinMainMenuItem*>(&o); });
    m_frame_closed_by_press = nullptr;
    if (!m_skin_active || !m_skinnable || !m_main_menu)
        return;
    const int index = m_skin_data->GetObjectIndex("mainmenuitem");
    auto* record
        = index >= 0 ? dynamic_cast<const TvxDataSkinMainMenuItem*>(m_skin_data->ObjectList(index)) : nullptr;
    if (!record)
        return;
    TMenuItem& root = m_main_menu->Items();
    for (int i = 0; i < root.Count(); ++i)
        if (root.Items(i)->Visible()) {
            root.Items(i)->FreeNotification(this);
            m_objects.Add(std::make_unique<TvxSkinMainMenuItem>(*this, *this, *record, *root.Items(i)));
        }
}

void TvxVeneer::ForgetMainMenuItem(TComponent* component)
{
    // Nothing of the going item is read: its entry is found by address.
    m_objects.RemoveIf([component](const TvxActiveSkinObject& o) {
        auto* item = dynamic_cast<const TvxSkinMainMenuItem*>(&o);
        return item && static_cast<const TComponent*>(&item->MenuItem()) == component;
    });
    if (m_frame_closed_by_press
        && static_cast<const TComponent*>(&m_frame_closed_by_press->MenuItem()) == component)
        m_frame_closed_by_press = nullptr;
}

void TvxVeneer::LayoutMainMenuItems()
{
    const TRect& area = m_geometry.MainMenuRect;
    int x = area.left;
    for (TvxSkinMainMenuItem* item : FrameMenuItems()) {
        const int w = item->NaturalWidth();
        item->SetObjectRect({ x, area.top, x + w, area.top + item->SkinRect().Height() });
        // An entry past the rectangle's end is hidden until the form widens.
        item->SetShown(x + w <= area.right);
        x += w;
    }
}

TvxSkinMainMenuItem* TvxVeneer::DownMainMenuItem() const
{
    for (TvxSkinMainMenuItem* item : FrameMenuItems())
        if (item->IsDown())
            return item;
    return nullptr;
}

TvxSkinMainMenuItem* TvxVeneer::ActiveMainMenuItem() const
{
    for (TvxSkinMainMenuItem* item : FrameMenuItems())
        if (item->IsActive())
            return item;
    return nullptr;
}

void TvxVeneer::OpenMainMenuItem(TvxSkinMainMenuItem& item)
{
    HWND hwnd = FormHandle();
    if (!hwnd || !m_skin_menu)
        return;
    // Entries lie in window coordinates, or in client ones in client mode.
    const TRect r = item.ObjectRect();
    const TPoint origin = ClientMode()
        ? Wm().ClientToScreen(hwnd, { 0, 0 })
        : TPoint { Wm().GetWindowRect(hwnd).left, Wm().GetWindowRect(hwnd).top };
    MainMenuOpened();
    m_skin_menu->ShowMenu(nullptr, MenusSkinData(), m_skin_data->FormInfo().mainmenupopupup, item.MenuItem(),
        r.Offset(origin.x, origin.y), 0);
    if (!m_skin_menu->Visible())
        m_skin_menu->CloseFromLevel(0);
}

void TvxVeneer::RunMainMenuItem(TvxSkinMainMenuItem& item)
{
    LeaveMainMenuMode();
    LeaveSkinnedMenu();
    RepaintFrame();
    item.MenuItem().Click();
}

bool TvxVeneer::PressClosedMenuOf(const TvxSkinMainMenuItem& item)
{
    const bool closed = m_frame_closed_by_press == &item;
    m_frame_closed_by_press = nullptr;
    return closed;
}

void TvxVeneer::EnterMainMenuMode()
{
    if (m_main_menu_mode)
        return;
    // Without an entry to light there is no menu mode: the keys stay the form's.
    TvxMainMenuKeys::TEntries entries = MainMenuEntries();
    bool any = false;
    for (TvxMainMenuEntry* entry : entries)
        any = any || entry->Reachable();
    if (!any)
        return;
    if (m_skin_menu && m_skin_menu->Visible())
        m_skin_menu->CloseMenus();
    m_main_menu_mode = true;
    if (m_main_menu_bar)
        m_main_menu_bar->EnterMenuMode();
    else
        TvxMainMenuKeys::Enter(entries);
    UpdateMenuHook();
    if (OnMainMenuEnter)
        OnMainMenuEnter(this);
}

void TvxVeneer::LeaveMainMenuMode()
{
    if (!m_main_menu_mode)
        return;
    m_main_menu_mode = false;
    if (m_main_menu_bar) {
        m_main_menu_bar->LeaveMenuMode();
    } else {
        for (TvxMainMenuEntry* entry : FrameMenuEntries())
            if (entry->IsActive() && !entry->IsDown())
                entry->Leave();
    }
    UpdateMenuHook();
    if (OnMainMenuExit)
        OnMainMenuExit(this);
}

void TvxVeneer::MainMenuOpened()
{
    EnterSkinnedMenu();
    if (m_main_menu_mode)
        return;
    m_main_menu_mode = true;
    UpdateMenuHook();
    if (OnMainMenuEnter)
        OnMainMenuEnter(this);
}

bool TvxVeneer::MainMenuKey(const MSG& msg)
{
    // While a menu is open its engine has the keys (and asks MainMenuPopupKey).
    if (m_skin_menu && m_skin_menu->Visible())
        return false;
    const bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    const bool chr = msg.message == WM_CHAR || msg.message == WM_SYSCHAR;
    if (!down && !chr && msg.message != WM_KEYUP && msg.message != WM_SYSKEYUP)
        return false;
    const auto key = static_cast<uint16_t>(msg.wParam);
    if (msg.message == WM_SYSKEYDOWN && key == VK_F4) {
        // Alt+F4 closes the window, never the menu's.
        LeaveMainMenuMode();
        return false;
    }
    // The Alt and F10 that leave the mode go on to the window, which toggles it.
    if ((msg.message == WM_SYSKEYUP && key == VK_MENU) || (down && key == VK_F10))
        return false;
    if (!down)
        return true;
    TvxMainMenuKeys::TEntries entries = MainMenuEntries();
    switch (key) {
    case VK_ESCAPE:
        LeaveMainMenuMode();
        return true;
    case VK_LEFT:
        TvxMainMenuKeys::Step(entries, -1);
        return true;
    case VK_RIGHT:
        TvxMainMenuKeys::Step(entries, 1);
        return true;
    case VK_RETURN:
    case VK_DOWN:
        TvxMainMenuKeys::Activate(entries, SkinnedMenuOpen());
        return true;
    case VK_MENU:
    case VK_SHIFT:
    case VK_CONTROL:
        return true;
    default:
        break;
    }
    // A letter: the entry it accelerates.
    TvxMainMenuKeys::Accelerator(entries, key, false);
    return true;
}

bool TvxVeneer::MainMenuPopupKey(uint16_t key)
{
    if (!m_main_menu_mode || !m_skin_menu || m_skin_menu->LevelCount() == 0)
        return false;
    TvxMainMenuKeys::TEntries entries = MainMenuEntries();
    TvxMainMenuEntry* open = nullptr;
    for (TvxMainMenuEntry* entry : entries)
        if (entry->IsDown())
            open = entry;
    // Only a menu of an entry moves between entries.
    if (!open || m_skin_menu->Root() != &open->MenuItem())
        return false;
    if (key == VK_LEFT && m_skin_menu->LevelCount() <= 1) {
        TvxMainMenuKeys::Step(entries, -1);
        return true;
    }
    if (key == VK_RIGHT) {
        TvxSkinPopupWindow& last = m_skin_menu->Level(m_skin_menu->LevelCount() - 1);
        TvxSkinMenuItem* selected = last.SelectedItem();
        if (selected && selected->MenuItem().Count() > 0)
            return false;
        TvxMainMenuKeys::Step(entries, 1);
        return true;
    }
    return false;
}

} // namespace tessel
