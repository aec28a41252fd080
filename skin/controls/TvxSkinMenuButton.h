#pragma once

#include "tessel/skin/controls/TvxMenuButtonControl.h"

namespace tessel {

// The windowed drop-down button (the player's Games and Links): a push button that
// drops its menus, with the keys of a focused one — Space drops the menu, Enter
// clicks — and the caption's accelerator dropping it (clicking in track mode).
class TvxSkinMenuButton : public TvxMenuButtonControl<TvxSkinButton> {
public:
    explicit TvxSkinMenuButton(TComponent* owner = nullptr);

    const char* ClassName() const override { return "TvxSkinMenuButton"; }

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    bool Accelerate() override;
};

} // namespace tessel
