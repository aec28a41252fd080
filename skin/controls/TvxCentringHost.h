#pragma once

#include "tessel/platform/TRect.h"

namespace tessel {

// A parent that keeps its skinned children centred vertically (a tool bar with
// AdjustControls on): a child asked to move there takes the top that centres it in
// the parent's inner area.
class TvxCentringHost {
public:
    virtual ~TvxCentringHost() = default;
    // Whether children are centred now, and in what area (parent client coordinates).
    virtual bool CentresChildren(TRect& inner) const = 0;
};

} // namespace tessel
