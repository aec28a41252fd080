#pragma once

#include "tessel/skin/form/TvxMainMenuEntry.h"

#include <vector>

namespace tessel {

// The keyboard over a main menu's top-level entries, the same for the entries in the
// frame and on a menu bar: Alt+letter, the arrows between entries (round the ends),
// entering the menu mode and opening the lit entry.
class TvxMainMenuKeys {
public:
    using TEntries = std::vector<TvxMainMenuEntry*>;

    // The first reachable entry whose caption's accelerator is key is lit and, unless
    // a menu of entries is already open, pressed. Whether one was.
    static bool Accelerator(const TEntries& entries, char32_t key, bool menu_open);
    // From the lit or open entry to the next reachable one (step 1) or the previous
    // (step -1), round the ends; without one, the first (or last) reachable.
    static void Step(const TEntries& entries, int step);
    // The menu mode begins: the lit entry, else the first, is lit.
    static void Enter(const TEntries& entries);
    // Enter or Down: an open entry without a submenu, or the lit one while no menu is
    // open, is pressed. Whether one was.
    static bool Activate(const TEntries& entries, bool menu_open);
    // The lit or open entry, or none.
    static TvxMainMenuEntry* Current(const TEntries& entries);
};

} // namespace tessel
