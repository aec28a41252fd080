#pragma once

#include "tessel/framework/TMenuItem.h"

namespace tessel {

// One top-level entry of a main menu the skin shows, in the frame or on a menu bar.
// The keyboard moves over entries through this face, whichever shows them.
class TvxMainMenuEntry {
public:
    virtual ~TvxMainMenuEntry() = default;
    virtual TMenuItem& MenuItem() const = 0;
    // Enabled and fitting in its area.
    virtual bool Reachable() const = 0;
    virtual bool IsActive() const = 0;
    virtual bool IsDown() const = 0;
    virtual void SetActive(bool active) = 0;
    // The mouse comes in or goes: lit, or a menu that is open moves here.
    virtual void Enter() = 0;
    virtual void Leave() = 0;
    // A left press: the entry's menu opens, or its command runs.
    virtual void Press() = 0;
};

} // namespace tessel
