#pragma once

#include "tessel/platform/TMessage.h"
#include "tessel/platform/TRect.h"
#include "tessel/platform/TRegion.h"
#include "tessel/platform/TSurface.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tessel {

// A window procedure. Components replace a window's procedure and chain to the one
// they replaced, as window procedures are chained on the platform.
using WNDPROC = std::function<LRESULT(HWND, uint32_t, WPARAM, LPARAM)>;

// What the window system keeps of one window.
struct TWindow {
    HWND parent = 0;
    std::vector<HWND> children; // front to back
    WNDPROC proc;
    uint32_t style = 0, ex_style = 0, class_style = 0;
    std::string text;
    TRect rect; // parent's client coordinates, or screen coordinates
    TRect client; // within the window rectangle
    TRect restore; // the normal rectangle while minimized or maximized
    bool restore_maximized = false; // minimized from the maximized state
    std::unique_ptr<TRegion> region;
    std::unique_ptr<TSurface> surface; // top-level windows only
    uint8_t alpha = 255;
    bool frame_dirty = false;
    bool erase = false;
    TRegion update; // client coordinates
    bool destroying = false;
    // The last WM_NCCALCSIZE reached the default procedure: nobody took over the frame.
    bool default_frame = true;
};

} // namespace tessel
