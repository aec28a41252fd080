#pragma once

#include <tessel/framework/TForm.h>

#include <string>

namespace tessel {
class TvxSkinStatusBar;
class TvxTrayIcon;
class TvxVeneer;
} // namespace tessel

namespace tessel::gallery {

// A skinned window that behaves as a native one would: it sizes by its borders,
// snaps to the work area's edges, rolls up, fades in, has a system menu with entries
// of its own, a status bar whose grip hides while maximised, and goes to the tray.
class BehavioursForm : public TForm {
public:
    BehavioursForm(TComponent* owner, const std::string& skin_file);

    TvxVeneer* Veneer() const { return m_veneer; }
    TvxTrayIcon* TrayIcon() const { return m_tray; }

private:
    void MakeSystemMenu();
    void MakeTray();

    TvxVeneer* m_veneer = nullptr;
    TvxSkinStatusBar* m_status_bar = nullptr;
    TvxTrayIcon* m_tray = nullptr;
};

} // namespace tessel::gallery
