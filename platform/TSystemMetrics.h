#pragma once

#include "tessel/platform/TRect.h"

#include <cstdint>

namespace tessel {

class TBackend;

using HMONITOR = uint32_t;

constexpr uint32_t MONITOR_DEFAULTTONULL = 0, MONITOR_DEFAULTTOPRIMARY = 1, MONITOR_DEFAULTTONEAREST = 2;
constexpr uint32_t MONITORINFOF_PRIMARY = 1;

struct MONITORINFO {
    TRect rcMonitor;
    TRect rcWork;
    uint32_t dwFlags = 0;
};

// The platform's metrics (GetSystemMetrics), desktop parameters
// (SystemParametersInfo) and monitors, read from the backend. Sizes are those
// of a desktop at 96 dots per inch with the classic look.
class TSystemMetrics {
public:
    static int Get(TBackend& backend, int index);
    // SPI_GETWORKAREA fills a TRect, SPI_GETDRAGFULLWINDOWS an int; false for
    // actions it does not know.
    static bool ParametersInfo(TBackend& backend, uint32_t action, void* param);
    // Monitor handles are 1 + the monitor's place in the backend's list; 0 is none.
    static HMONITOR MonitorFromRect(TBackend& backend, const TRect& rect, uint32_t flags);
    static bool GetMonitorInfo(TBackend& backend, HMONITOR monitor, MONITORINFO& info);
};

} // namespace tessel
