#pragma once

#include "tessel/skin/data/TvxDataSkinMainMenuItem.h"

namespace tessel {

// An entry of the skinned main menu bar; it reads exactly the keys of a main menu item.
class TvxDataSkinMainMenuBarItem : public TvxDataSkinMainMenuItem {
public:
    using TvxDataSkinMainMenuItem::TvxDataSkinMainMenuItem;
    const char* ClassName() const override { return "TvxDataSkinMainMenuBarItem"; }
};

} // namespace tessel
