#pragma once

#include "tessel/platform/TRect.h"

namespace tessel {

class TCustomForm;

// One tab of the MDI tabs bar: the child it stands for and how it shows.
struct TvxMDITab {
    TCustomForm* child = nullptr;
    // The child is the MDI form's active child.
    bool active = false;
    bool hot = false;
    // Its place on the bar (empty until laid out, and while it does not fit).
    TRect rect;
    bool shown = false;
    // The close button, relative to the tab.
    TRect close;
    bool close_hot = false;
    bool close_pressed = false;
};

} // namespace tessel
