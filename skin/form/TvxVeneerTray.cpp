#include "tessel/framework/ShortCuts.h"
#include "tessel/framework/TApplication.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/framework/TPopupMenu.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tessel/skin/menus/TvxSkinPopupMenu.h"
#include "tessel/skin/tray/TvxTrayIcon.h"

namespace tessel {

// The notification-area icon: minimising to it and coming back, and its menu.

void TvxVeneer::SetTrayIcon(TvxTrayIcon* icon)
{
    if (m_tray_icon == icon)
        return;
    ForgetTrayIcon();
    SetReference(m_tray_icon, icon);
    if (!icon)
        return;
    if (!m_always_show_in_tray)
        icon->SetIconVisible(false);
    if (!icon->PopupMenu())
        icon->SetPopupMenu(static_cast<TvxSkinPopupMenu*>(&TrayMenu()));
    if (!icon->OnDblClick) {
        icon->OnDblClick = [this](TComponent*) { RestoreFromTray(); };
        m_gave_dbl_click = true;
    }
}

void TvxVeneer::ForgetTrayIcon()
{
    // The double click this controller gave the icon goes with it.
    if (m_tray_icon && m_gave_dbl_click)
        m_tray_icon->OnDblClick = nullptr;
    m_gave_dbl_click = false;
}

void TvxVeneer::SetAlwaysShowInTray(bool value)
{
    m_always_show_in_tray = value;
    if (m_tray_icon && value)
        m_tray_icon->SetIconVisible(true);
}

TPopupMenu& TvxVeneer::TrayMenu()
{
    if (!m_tray_menu) {
        auto menu = std::make_unique<TvxSkinPopupMenu>();
        menu->SetComponentForm(m_form);
        TMenuItem& items = menu->Items();
        auto add = [&](const char* caption, std::function<void()> run) {
            auto item = std::make_unique<TMenuItem>();
            item->SetCaption(caption);
            if (run)
                item->OnClick = [run = std::move(run)](TComponent*) { run(); };
            return &items.Insert(items.Count(), std::move(item));
        };
        add("&Restore", [this] { RestoreFromTray(); });
        add("-", nullptr);
        TMenuItem* close = add("&Close", [this] { m_form->Close(); });
        close->SetShortCut(TextToShortCut(m_form->FormStyle() == fsMDIChild ? "Ctrl+F4" : "Alt+F4"));
        m_tray_menu = std::move(menu);
    }
    return *m_tray_menu;
}

void TvxVeneer::MinimizeToTray()
{
    if (!m_tray_icon)
        return;
    m_tray_icon->SetMinimizeToTray(true);
    Application().Minimize();
    if (OnMinimizeToTray)
        OnMinimizeToTray(this);
}

void TvxVeneer::RestoreFromTray()
{
    if (!m_tray_icon)
        return;
    m_tray_icon->SetMinimizeToTray(false);
    m_tray_icon->ShowMainForm();
    Application().Restore();
    if (!m_always_show_in_tray)
        m_tray_icon->SetIconVisible(false);
    if (OnRestoreFromTray)
        OnRestoreFromTray(this);
}

void TvxVeneer::MinimizeCommand()
{
    if (m_always_minimize_to_tray && m_tray_icon)
        MinimizeToTray();
    else
        SetFrameState(TvxFrameState::Minimized);
}

} // namespace tessel
