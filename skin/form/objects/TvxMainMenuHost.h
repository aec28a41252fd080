#pragma once

#include "tessel/skin/form/objects/TvxSkinMainMenuItem.h"

namespace tessel {

// What the main-menu entries in the frame ask of the controller: their siblings'
// state, the opening of an entry's menu, and the running of an entry's command.
class TvxMainMenuHost {
public:
    virtual ~TvxMainMenuHost() = default;
    virtual TvxSkinMainMenuItem* DownMainMenuItem() const = 0;
    virtual TvxSkinMainMenuItem* ActiveMainMenuItem() const = 0;
    virtual void OpenMainMenuItem(TvxSkinMainMenuItem& item) = 0;
    virtual void RunMainMenuItem(TvxSkinMainMenuItem& item) = 0;
    // The press now under way closed this entry's menu (and so does not open it again).
    virtual bool PressClosedMenuOf(const TvxSkinMainMenuItem& item) = 0;
};

} // namespace tessel
