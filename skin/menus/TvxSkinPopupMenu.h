#pragma once

#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TPopupMenu.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/menus/TvxMenuHost.h"

namespace tessel {

class TControl;
class TvxSkinMenu;

// A popup menu drawn from the skin: popping it goes through the popup menu engine
// of its form's skin controller (a form without one shows nothing). A control that
// drops it (a menu button) is told with SkinMenuClosedNotice when it has closed.
class TvxSkinPopupMenu : public TPopupMenu {
public:
    explicit TvxSkinPopupMenu(TComponent* owner = nullptr);
    ~TvxSkinPopupMenu() override;

    TvxSkinData* SkinData() const { return m_skin_data; }
    void SetSkinData(TvxSkinData* skin_data);
    // The form whose controller pops the menu, for menus a controller makes for itself.
    TCustomForm* ComponentForm() const { return m_component_form; }
    void SetComponentForm(TCustomForm* form);

    // Pops up at a screen point.
    void Popup(int x, int y) override;
    // Pops up under (or above) anchor, screen coordinates, for control.
    void PopupUnder(TControl* control, const TRect& anchor, bool above = false);
    // Pops up at an anchor with no control to tell.
    void PopupAt(const TRect& anchor, bool above);
    TPoint PopupPoint() const { return m_popup_point; }

    // Fired once when the menu of a popup closes.
    TNotifyEvent OnMenuClose;

    const char* ClassName() const override { return "TvxSkinPopupMenu"; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // The controller of the form the menu belongs to, or none.
    TvxMenuHost* FindHost() const;
    void Show(TControl* control, const TRect& anchor, bool above);
    void SetEngine(TvxSkinMenu* engine);

    TvxSkinData* m_skin_data = nullptr;
    TCustomForm* m_component_form = nullptr;
    TvxSkinMenu* m_engine = nullptr;
    TPoint m_popup_point { -1, -1 };
};

} // namespace tessel
