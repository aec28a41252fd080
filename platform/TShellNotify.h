#pragma once

#include "tessel/platform/TMessage.h"
#include "tessel/platform/TNotificationArea.h"
#include "tessel/platform/TSurface.h"

#include <cstdint>
#include <string>

namespace tessel {

// What a notification-area call carries: the window that hears the icon's mouse as
// callback messages, the icon's id for that window, which fields count, the picture
// and the tooltip.
struct NOTIFYICONDATA {
    HWND hWnd = 0;
    uint32_t uID = 0;
    uint32_t uFlags = 0;
    uint32_t uCallbackMessage = 0;
    TSurface hIcon;
    std::string szTip;
};

// The shell's notification-area calls over the backend's tray. The owner window hears
// each mouse message on its icon as uCallbackMessage with wParam = the icon's id and
// lParam = the mouse message, the cursor set to where it happened; when a tray host
// starts again it hears the registered "TaskbarCreated" message. Without a tray host
// every call fails.
class TShellNotify {
public:
    static bool NotifyIcon(uint32_t message, const NOTIFYICONDATA& data);
    static bool TrayAvailable();
    // The tray the window system uses; null where the backend has none.
    static TNotificationArea* Area();
};

} // namespace tessel
