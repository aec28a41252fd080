#pragma once

#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/menus/TvxSkinMenu.h"

namespace tessel {

// What a form's skin controller offers the menus of its form: the form's popup
// menu engine and the skin its menus are drawn from. A skinned popup menu finds it
// among its form's components.
class TvxMenuHost {
public:
    virtual ~TvxMenuHost() = default;
    virtual TvxSkinMenu& SkinMenu() = 0;
    // The store menus use: the controller's menus store, else its own.
    virtual TvxSkinData* MenusSkinData() const = 0;
};

} // namespace tessel
