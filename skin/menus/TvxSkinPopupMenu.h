#pragma once

#include "framework/TPopupMenu.h"

namespace tessel {

class TControl;
class TvxSkinData;

// A popup menu bound to the skin. It pops up under a control that drops it (a menu
// button) and tells that control with SkinMenuClosedNotice when it has closed. Until
// the skinned popup engine draws it, it shows the framework's default menu look.
class TvxSkinPopupMenu : public TPopupMenu {
public:
    explicit TvxSkinPopupMenu(TComponent* owner = nullptr);
    ~TvxSkinPopupMenu() override;

    TvxSkinData* SkinData() const { return m_skin_data; }
    void SetSkinData(TvxSkinData* skin_data);

    // Pops up left-aligned under anchor (screen coordinates) for control.
    void PopupUnder(TControl* control, const TRect& anchor);
    // The control the open menu was dropped for; null when none.
    TControl* PopupControl() const { return m_popup_control; }

    const char* ClassName() const override { return "TvxSkinPopupMenu"; }

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void DoClose() override;

private:
    void SetPopupControl(TControl* control);

    TvxSkinData* m_skin_data = nullptr;
    TControl* m_popup_control = nullptr;
};

} // namespace tessel
