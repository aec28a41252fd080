#pragma once

#include "tessel/platform/TRect.h"
#include "tessel/platform/TSurface.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tessel {

// The desktop's notification area (the system tray) as a backend offers it: icons
// with a picture and a tooltip, and the mouse on them. Ids are the caller's.
class TNotificationArea {
public:
    struct TIcon {
        uint32_t id = 0;
        TSurface picture;
        std::string tip;
    };
    // A mouse message (WM_LBUTTONDOWN ... WM_MOUSEMOVE, WM_LBUTTONDBLCLK,
    // NIN_BALLOONUSERCLICK) on an icon, at a screen point.
    struct TEvent {
        uint32_t id = 0;
        uint32_t message = 0;
        TPoint at;
    };

    virtual ~TNotificationArea() = default;
    // Whether a tray host runs now.
    virtual bool Available() = 0;
    virtual bool Add(const TIcon& icon) = 0;
    virtual bool Modify(const TIcon& icon) = 0;
    virtual bool Delete(uint32_t id) = 0;

    // Set by the window system: the mouse on an icon, and a tray host that (re)started
    // and holds none of the icons added before.
    std::function<void(const TEvent&)> OnEvent;
    std::function<void()> OnHostStarted;
};

} // namespace tessel
