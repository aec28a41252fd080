#pragma once

#include "tessel/framework/TMenu.h"
#include "tessel/platform/TRect.h"

namespace tessel {

// A menu that pops up at a screen point: OnPopup runs first, then the framework's
// default menu look shows the items and tracks the mouse and keys (TMenuTracker);
// the chosen item runs through the popup menus' command dispatch. Skinned popup
// menus override Popup.
class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* owner = nullptr);
    ~TPopupMenu() override;

    virtual void Popup(int x, int y);
    TPoint PopupPoint() const { return m_popup_point; }
    bool AutoPopup() const { return m_auto_popup; }
    void SetAutoPopup(bool auto_popup) { m_auto_popup = auto_popup; }
    // The control whose right click opened the menu.
    TComponent* PopupComponent() const { return m_popup_component; }
    void SetPopupComponent(TComponent* component);

    const char* ClassName() const override { return "TPopupMenu"; }

    TNotifyEvent OnPopup;
    TNotifyEvent OnClose;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    // Runs OnPopup.
    virtual void DoPopup();
    // Runs OnClose, once the menu has closed.
    virtual void DoClose();

private:
    TPoint m_popup_point;
    bool m_auto_popup = true;
    TComponent* m_popup_component = nullptr;
};

} // namespace tessel
