#pragma once

#include "tessel/skin/form/TvxMDITab.h"

#include <memory>
#include <vector>

namespace tessel {

// Where the tabs of an MDI tabs bar go. The first 15 pixels hold the list button.
class TvxMDITabsLayout {
public:
    static constexpr int kListButton = 15;
    using TTabs = std::vector<std::unique_ptr<TvxMDITab>>;

    // Lays the tabs out on a bar width x height: each (width - 15) / count wide, at
    // most default_width; below min_width (when not 0) only as many min_width tabs as
    // fit before the hidden-tabs button, the rest hidden. Returns how many are hidden.
    static int Arrange(TTabs& tabs, int width, int height, int default_width, int min_width);
    // Where a tab dragged by offset pixels drops: dragging right, the last following
    // shown tab whose centre lies left of its right edge; dragging left, the last
    // preceding one whose centre lies right of its left edge; -1 for nowhere.
    static int DropIndex(const TTabs& tabs, int dragged, int offset);
};

} // namespace tessel
