#include "tessel/platform/TSystemMetrics.h"

#include "tessel/platform/Messages.h"
#include "tessel/platform/TBackend.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace tessel {

int TSystemMetrics::Get(TBackend& backend, int index)
{
    TRect screen = backend.ScreenRect();
    TRect work = backend.WorkArea();
    switch (index) {
    case SM_CXSCREEN:
        return screen.Width();
    case SM_CYSCREEN:
        return screen.Height();
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        return 17;
    case SM_CYCAPTION:
        return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CYMENU:
        return 19;
    case SM_CXFULLSCREEN:
        return work.Width();
    case SM_CYFULLSCREEN:
        return work.Height() - 19;
    case SM_CXMIN:
    case SM_CXMINTRACK:
        return 112;
    case SM_CYMIN:
    case SM_CYMINTRACK:
        return 27;
    case SM_CXSIZE:
    case SM_CYSIZE:
        return 18;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG:
        return 4;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CYSMCAPTION:
        return 15;
    case SM_CXSMSIZE:
    case SM_CYSMSIZE:
    case SM_CXMENUSIZE:
    case SM_CYMENUSIZE:
        return 18;
    case SM_CXMAXTRACK:
        return screen.Width() + 12;
    case SM_CYMAXTRACK:
        return screen.Height() + 12;
    case SM_CXMAXIMIZED:
        return work.Width() + 8;
    case SM_CYMAXIMIZED:
        return work.Height() + 8;
    case SM_CMONITORS:
        return static_cast<int>(backend.Monitors().size());
    default:
        return 0;
    }
}

bool TSystemMetrics::ParametersInfo(TBackend& backend, uint32_t action, void* param)
{
    switch (action) {
    case SPI_GETWORKAREA:
        *static_cast<TRect*>(param) = backend.WorkArea();
        return true;
    case SPI_GETDRAGFULLWINDOWS:
        *static_cast<int*>(param) = backend.DragFullWindows() ? 1 : 0;
        return true;
    default:
        return false;
    }
}

namespace {

int64_t Overlap(const TRect& a, const TRect& b)
{
    TRect common = a.Intersect(b);
    return common.IsEmpty() ? 0 : static_cast<int64_t>(common.Width()) * common.Height();
}

// How far apart two rectangles are (0 when they touch or overlap), per axis summed.
int64_t Distance(const TRect& a, const TRect& b)
{
    int64_t dx = std::max({ 0, b.left - a.right, a.left - b.right });
    int64_t dy = std::max({ 0, b.top - a.bottom, a.top - b.bottom });
    return dx + dy;
}

} // namespace

HMONITOR TSystemMetrics::MonitorFromRect(TBackend& backend, const TRect& rect, uint32_t flags)
{
    std::vector<TMonitor> monitors = backend.Monitors();
    if (monitors.empty())
        return 0;
    size_t best = 0;
    int64_t best_overlap = 0;
    for (size_t i = 0; i < monitors.size(); ++i) {
        int64_t overlap = Overlap(rect, monitors[i].rect);
        if (overlap > best_overlap) {
            best = i;
            best_overlap = overlap;
        }
    }
    if (best_overlap > 0)
        return static_cast<HMONITOR>(best + 1);
    if (flags == MONITOR_DEFAULTTONULL)
        return 0;
    if (flags == MONITOR_DEFAULTTOPRIMARY)
        return 1;
    for (size_t i = 1; i < monitors.size(); ++i)
        if (Distance(rect, monitors[i].rect) < Distance(rect, monitors[best].rect))
            best = i;
    return static_cast<HMONITOR>(best + 1);
}

bool TSystemMetrics::GetMonitorInfo(TBackend& backend, HMONITOR monitor, MONITORINFO& info)
{
    std::vector<TMonitor> monitors = backend.Monitors();
    if (monitor == 0 || monitor > monitors.size())
        return false;
    info.rcMonitor = monitors[monitor - 1].rect;
    info.rcWork = monitors[monitor - 1].work;
    info.dwFlags = monitor == 1 ? MONITORINFOF_PRIMARY : 0;
    return true;
}

} // namespace tessel
