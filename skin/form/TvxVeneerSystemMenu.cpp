#include "tessel/framework/ShortCuts.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/framework/TPopupMenu.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/data/TvxResourceStrData.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tessel/skin/form/objects/TvxSkinStdButtonObject.h"
#include "tessel/skin/menus/TvxSkinMenu.h"

#include <algorithm>

namespace tessel {

// The system menu: the frame's entries (minimise, restore, maximise, roll up,
// minimise to the tray, close) in the user's menu or the controller's own, shown by
// the popup menu engine at the cursor, at the system-menu button or on Alt+Space.

namespace {

const char* const kFrameEntries[]
    = { "VNR_MINITEM", "VNR_MAXITEM", "VNR_CLOSE", "VNR_MINTOTRAY", "VNR_ROLLUP", "VNR_RESTORE" };

} // namespace

void TvxVeneer::SetSystemMenu(TPopupMenu* menu)
{
    SetReference(m_system_menu, menu);
}

std::string TvxVeneer::FrameText(const char* name, const char* fallback) const
{
    TvxResourceStrData* strings = m_skin_data ? m_skin_data->ResourceStrData() : nullptr;
    std::string text = strings ? strings->GetResStr(name) : std::string();
    return text.empty() ? fallback : text;
}

TMenu& TvxVeneer::BuildSystemMenu()
{
    const bool minimized = m_frame_state == TvxFrameState::Minimized;
    const bool maximized = m_frame_state == TvxFrameState::Maximized;
    auto entry
        = [this](TMenuItem& parent, int at, const char* name, std::string caption, TvxFrameCommand command) {
              auto item = std::make_unique<TMenuItem>();
              item->SetName(name);
              item->SetCaption(std::move(caption));
              item->OnClick = [this, command](TComponent*) { SystemMenuCommand(command); };
              return &parent.Insert(at < 0 ? parent.Count() : at, std::move(item));
          };
    struct TEntry {
        bool shown;
        const char* name;
        std::string caption;
        TvxFrameCommand command;
    };
    // Top-down: Minimize, Restore, Maximize, RollUp, Minimize to Tray.
    const TEntry entries[] = {
        { (m_border_icons & biMinimize) && !minimized, "VNR_MINITEM", FrameText("MI_MINCAPTION", "Mi&nimize"),
            cmminimize },
        { minimized || maximized || m_rolled_up, "VNR_RESTORE", FrameText("MI_RESTORECAPTION", "&Restore"),
            cmdefault },
        { (m_border_icons & biMaximize) && !maximized, "VNR_MAXITEM", FrameText("MI_MAXCAPTION", "Ma&ximize"),
            cmmaximize },
        { (m_border_icons & biRollUp) && !m_rolled_up && !minimized, "VNR_ROLLUP",
            FrameText("MI_ROLLUPCAPTION", "Ro&llUp"), cmrollup },
        { (m_border_icons & biMinimizeToTray) != 0, "VNR_MINTOTRAY",
            FrameText("MI_MINTOTRAYCAPTION", "Minimize to &Tray"), cmminimizetotray },
    };
    TPopupMenu* menu = m_system_menu;
    if (menu && !m_use_default_sys_menu)
        return *menu;
    if (!menu) {
        if (!m_own_system_menu)
            m_own_system_menu = std::make_unique<TPopupMenu>();
        menu = m_own_system_menu.get();
        menu->Items().Clear();
        bool any = false;
        for (const TEntry& e : entries)
            if (e.shown) {
                entry(menu->Items(), -1, e.name, e.caption, e.command);
                any = true;
            }
        if (any)
            menu->Items().Add("-");
    } else {
        TMenuItem& items = menu->Items();
        for (int i = items.Count() - 1; i >= 0; --i)
            if (std::find_if(std::begin(kFrameEntries), std::end(kFrameEntries),
                    [&](const char* name) { return items.Items(i)->Name() == name; })
                != std::end(kFrameEntries))
                items.Delete(i);
        // Each goes in at the top, the last one first.
        for (int i = static_cast<int>(std::size(entries)) - 1; i >= 0; --i)
            if (entries[i].shown)
                entry(items, 0, entries[i].name, entries[i].caption, entries[i].command);
    }
    TMenuItem* close = entry(menu->Items(), -1, "VNR_CLOSE", FrameText("MI_CLOSECAPTION", "&Close"), cmclose);
    close->SetShortCut(TextToShortCut(m_form->FormStyle() == fsMDIChild ? "Ctrl+F4" : "Alt+F4"));
    return *menu;
}

void TvxVeneer::SystemMenuCommand(TvxFrameCommand command)
{
    switch (command) {
    case cmdefault:
        // Restore: a rolled-up form unrolls first.
        if (m_rolled_up_while_maximized || (m_rolled_up && m_frame_state == TvxFrameState::Normal))
            RollUp(false);
        else
            SetFrameState(TvxFrameState::Normal);
        break;
    case cmmaximize:
        SetFrameState(TvxFrameState::Maximized);
        break;
    case cmrollup:
        RollUp(true);
        break;
    default:
        ExecuteCommand(command);
        break;
    }
}

void TvxVeneer::ShowSystemMenu(const TRect& anchor)
{
    if (!m_skin_menu)
        return;
    TMenu& menu = BuildSystemMenu();
    EnterSkinnedMenu();
    m_skin_menu->ShowMenu(nullptr, MenusSkinData(), false, menu.Items(), anchor, 0);
    if (!m_skin_menu->Visible())
        LeaveSkinnedMenu();
}

void TvxVeneer::ShowSystemMenuAtButton()
{
    for (TvxActiveSkinObject* object : m_objects.All()) {
        auto* button = dynamic_cast<TvxSkinStdButtonObject*>(object);
        if (!button || button->Command() != cmsysmenu || !button->Visible() || !button->Enabled())
            continue;
        TRect r = button->ObjectRect();
        TPoint origin = ClientMode() ? Wm().ClientToScreen(FormHandle(), { 0, 0 })
                                     : TPoint { m_form->Left(), m_form->Top() };
        ShowSystemMenu(r.Offset(origin.x, origin.y));
        return;
    }
    TPoint cursor = Wm().Input().CursorPos();
    ShowSystemMenu({ cursor.x, cursor.y, cursor.x, cursor.y });
}

} // namespace tessel
