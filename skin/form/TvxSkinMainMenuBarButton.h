#pragma once

#include "tessel/skin/form/TvxMenuBarObject.h"

namespace tessel {

// What a button of the maximised MDI child on the menu bar does.
enum TvxMenuBarCommand { vxmbClose = 0, vxmbMaximize = 1, vxmbMinimize = 2, vxmbSystemMenu = 3 };

// One of the maximised MDI child's buttons on the main menu bar (system menu,
// minimise, restore, close), from the bar record's button records or built in.
class TvxSkinMainMenuBarButton : public TvxMenuBarObject {
public:
    TvxSkinMainMenuBarButton(TvxSkinMainMenuBar& bar, const TvxDataSkinObject* record,
        const std::string& id_name, TvxMenuBarCommand command);

    void Draw(TCanvas& canvas) override;
    void MouseDown(TMouseButtonKind button) override;
    void MouseUp(TMouseButtonKind button, bool inside) override;
    void DblClick() override;
    TvxMenuBarCommand Command() const { return m_command; }
    // The size it takes on a bar area of that height.
    int Width(int area_height) const;
    int Height(int area_height) const;

private:
    TvxMenuBarCommand m_command;
};

} // namespace tessel
