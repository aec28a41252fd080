#pragma once

#include "tessel/platform/TBackend.h"

#include <gtk/gtk.h>
#include <map>
#include <memory>
#include <string>

namespace tessel {

class TGtkNotificationArea;
class TGtkWebEngine;
class TGtkWindow;

// GTK 3 on X11: the real clock, screen and monitors, GLib's main loop for waiting
// (a timeout for the next timer; any event ends the wait), and one TGtkWindow per
// shown top-level window.
class TGtkBackend : public TBackend {
public:
    // Null, with the reason, when no display can be opened.
    static std::unique_ptr<TGtkBackend> Create(std::string& error);
    ~TGtkBackend() override;

    uint64_t NowMs() override;
    TRect ScreenRect() override;
    TRect WorkArea() override;
    std::vector<TMonitor> Monitors() override;
    void WaitUntil(uint64_t ms) override;

    void WindowChanged(HWND hwnd) override;
    void WindowDestroyed(HWND hwnd) override;
    void Present(HWND hwnd, const TSurface& surface, const TRegion& dirty) override;
    void SetCursorShape(int cursor) override;
    bool SupportsLayeredAlpha() override;
    // The X screen's pixels, other programs' windows included.
    bool CaptureScreen(const TRect& rect, TSurface& out) override;
    bool DragFullWindows() override { return true; }
    uint32_t DoubleClickTime() override;
    bool HasLiveInput() override { return true; }
    bool NativeFrames() override { return true; }
    void PlaceNativeView(void* view, HWND root, const TRect& rect, bool visible) override;
    void RemoveNativeView(void* view) override;
    void CaptureChanged(HWND capture) override;
    void SetDisplayLost(std::function<void()> handler) override;
    void ConfigureWeb(const TWebConfig& config) override;
    std::unique_ptr<TWebView> CreateWebView(TWebViewKind kind) override;
    TNotificationArea* NotificationArea() override;

    // An event became input for the window system: a wait ends.
    void InputArrived() { m_input_arrived = true; }
    // A window drew its first picture: the web engine may start.
    void WindowDrawn();

private:
    TGtkBackend() = default;
    struct ViewPlace {
        HWND root = 0;
        TRect rect;
        bool visible = false;
    };
    void ApplyViews(HWND root);
    void ApplyGrab();
    // Starts the web engine once the first picture is on the screen, or after a
    // while when no window shows.
    void StartWeb();
    void RemoveWebStart();
    static void ReadDesktopTheme();

    std::map<HWND, std::unique_ptr<TGtkWindow>> m_windows;
    std::unique_ptr<TGtkWebEngine> m_web;
    std::unique_ptr<TGtkNotificationArea> m_tray;
    std::map<void*, ViewPlace> m_views;
    std::map<int, GdkCursor*> m_cursors;
    int m_cursor = 0;
    bool m_input_arrived = false;
    HWND m_capture = 0;
    GdkSeat* m_grab_seat = nullptr;
    bool m_drawn = false;
    // GTK started with the bare theme; the desktop's comes after the first picture.
    bool m_bare_theme = false;
    guint m_web_start = 0;
};

} // namespace tessel
