#include "tessel/platform/gtk/TGtkBackend.h"

#include "tessel/platform/DesktopBackend.h"
#include "tessel/platform/TFontEngine.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/platform/gtk/TGtkNotificationArea.h"
#include "tessel/platform/gtk/TGtkWebEngine.h"
#include "tessel/platform/gtk/TGtkWindow.h"

#include <cstdlib>
#include <gdk/gdkx.h>
#include <unistd.h>

extern "C" void tessel_bare_theme_register_resource(void);

namespace tessel {

namespace {

TRect FromGdk(const GdkRectangle& r)
{
    return { r.x, r.y, r.x + r.width, r.y + r.height };
}

const char* CursorName(int idc)
{
    switch (idc) {
    case IDC_IBEAM:
        return "text";
    case IDC_WAIT:
        return "wait";
    case IDC_CROSS:
        return "crosshair";
    case IDC_SIZENWSE:
        return "nwse-resize";
    case IDC_SIZENESW:
        return "nesw-resize";
    case IDC_SIZEWE:
        return "ew-resize";
    case IDC_SIZENS:
        return "ns-resize";
    case IDC_SIZEALL:
        return "move";
    case IDC_NO:
        return "not-allowed";
    case IDC_HAND:
        return "pointer";
    default:
        return "default";
    }
}

std::function<void()>& DisplayLost()
{
    static std::function<void()> handler;
    return handler;
}

// Xlib calls this when the connection to the display is gone and ends the process
// if it returns: the program's own clean-up runs, and the end tells the parent that
// the program did not end by itself.
int OnDisplayLost(Display*)
{
    if (DisplayLost())
        DisplayLost()();
    constexpr char kSaid[] = "tessel: the connection to the display is lost\n";
    (void)!::write(STDERR_FILENO, kSaid, sizeof kSaid - 1);
    ::_exit(1);
}

bool IsPopup(HWND hwnd)
{
    uint32_t style = Wm().GetStyle(hwnd), ex = Wm().GetExStyle(hwnd);
    return (style & WS_POPUP) && (ex & (WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW));
}

} // namespace

std::unique_ptr<TBackend> CreateDesktopBackend(std::string& error)
{
    return TGtkBackend::Create(error);
}

std::unique_ptr<TGtkBackend> TGtkBackend::Create(std::string& error)
{
    // X11 only, under Wayland sessions too (through Xwayland): the skinned windows
    // place, move and shape themselves, which Wayland leaves to the compositor.
    gdk_set_allowed_backends("x11");
    // The program draws without GL, and the web views' pictures come through shared
    // memory; left alone, GDK loads the GL driver (with its compiler) as it opens the
    // display, only to choose a visual. GTK's theme (170 KB of style sheet, a third
    // of the time to the first window) is read once that window is on the screen,
    // before the web views are made: until then GTK has a bare one, since the skinned
    // windows paint every pixel themselves. A desktop that sets GDK_GL or GTK_THEME keeps its choice, and the
    // web processes get the environment as it was.
    const bool gl_told = g_getenv("GDK_GL") != nullptr, theme_told = g_getenv("GTK_THEME") != nullptr;
    if (!gl_told)
        ::setenv("GDK_GL", "disable", 1);
    if (!theme_told) {
        tessel_bare_theme_register_resource();
        ::setenv("GTK_THEME", "TesselBare", 1);
    }
    const bool opened = gtk_init_check(nullptr, nullptr);
    if (opened && !theme_told)
        gtk_settings_get_default();
    if (!gl_told)
        ::unsetenv("GDK_GL");
    if (!theme_told)
        ::unsetenv("GTK_THEME");
    if (!opened) {
        const char* display = g_getenv("DISPLAY");
        const char* wayland = g_getenv("WAYLAND_DISPLAY");
        if (display && *display)
            error = std::string("cannot open the X display \"") + display + "\"";
        else if (wayland && *wayland)
            error = "no X display: this Wayland session has no Xwayland (DISPLAY is not set)";
        else
            error = "no X display (DISPLAY is not set)";
        return nullptr;
    }
    // GTK's own text keeps fontconfig's caches in use until the process ends.
    TFontEngine::SetFontconfigShared();
    if (GdkDisplay* display = gdk_display_get_default(); GDK_IS_X11_DISPLAY(display)) {
        XSetIOErrorHandler(OnDisplayLost);
        // X errors never end the program: a window destroyed under it (by another
        // client) still gets the requests that were on their way. Traps GTK pushes
        // itself still see their own errors first.
        gdk_x11_display_error_trap_push(display);
    }
    auto backend = std::unique_ptr<TGtkBackend>(new TGtkBackend());
    backend->m_bare_theme = !theme_told;
    return backend;
}

TGtkBackend::~TGtkBackend()
{
    RemoveWebStart();
    m_windows.clear();
    m_web.reset();
    for (auto& [idc, cursor] : m_cursors)
        g_object_unref(cursor);
    while (g_main_context_iteration(nullptr, FALSE)) { }
}

uint64_t TGtkBackend::NowMs()
{
    return static_cast<uint64_t>(g_get_monotonic_time() / 1000);
}

std::vector<TMonitor> TGtkBackend::Monitors()
{
    std::vector<TMonitor> out;
    GdkDisplay* display = gdk_display_get_default();
    GdkMonitor* primary = gdk_display_get_primary_monitor(display);
    int n = gdk_display_get_n_monitors(display);
    for (int i = 0; i < n; ++i) {
        GdkMonitor* m = gdk_display_get_monitor(display, i);
        GdkRectangle geometry, work;
        gdk_monitor_get_geometry(m, &geometry);
        gdk_monitor_get_workarea(m, &work);
        TMonitor monitor { FromGdk(geometry), FromGdk(work) };
        if (m == primary)
            out.insert(out.begin(), monitor);
        else
            out.push_back(monitor);
    }
    if (out.empty())
        out.push_back({ { 0, 0, 1024, 768 }, { 0, 0, 1024, 768 } });
    return out;
}

TRect TGtkBackend::ScreenRect()
{
    TRect all;
    bool first = true;
    for (const TMonitor& m : Monitors()) {
        if (first)
            all = m.rect;
        else
            all = { std::min(all.left, m.rect.left), std::min(all.top, m.rect.top),
                std::max(all.right, m.rect.right), std::max(all.bottom, m.rect.bottom) };
        first = false;
    }
    return all;
}

TRect TGtkBackend::WorkArea()
{
    return Monitors().front().work;
}

void TGtkBackend::WaitUntil(uint64_t ms)
{
    // Events already read count; otherwise GLib waits for an event or the timeout.
    // Anything that left a message for the window system ends the wait, input or
    // not: a close posted from any callback is never left waiting for the next event.
    m_input_arrived = false;
    auto done = [this] { return m_input_arrived || Wm().HasPending(); };
    while (!done() && g_main_context_iteration(nullptr, FALSE)) { }
    if (done())
        return;
    bool fired = false;
    guint source = 0;
    if (ms != UINT64_MAX) {
        uint64_t now = NowMs();
        if (ms <= now)
            return;
        source = g_timeout_add_full(
            G_PRIORITY_DEFAULT, static_cast<guint>(std::min<uint64_t>(ms - now, 1u << 30)),
            [](gpointer flag) -> gboolean {
                *static_cast<bool*>(flag) = true;
                return G_SOURCE_REMOVE;
            },
            &fired, nullptr);
    }
    while (!fired && !done())
        g_main_context_iteration(nullptr, TRUE);
    if (!fired && source)
        g_source_remove(source);
}

void TGtkBackend::WindowChanged(HWND hwnd)
{
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end()) {
        if (!(Wm().GetStyle(hwnd) & WS_VISIBLE))
            return;
        it = m_windows.emplace(hwnd, std::make_unique<TGtkWindow>(*this, hwnd, IsPopup(hwnd))).first;
        it->second->Sync();
        ApplyViews(hwnd);
        if (m_capture && !m_grab_seat)
            ApplyGrab();
        if (GdkCursor* cursor = m_cursors.count(m_cursor) ? m_cursors[m_cursor] : nullptr)
            it->second->SetCursor(cursor);
        return;
    }
    it->second->Sync();
}

void TGtkBackend::WindowDestroyed(HWND hwnd)
{
    for (auto& [view, place] : m_views)
        if (place.root == hwnd)
            if (GtkWidget* parent = gtk_widget_get_parent(GTK_WIDGET(view))) {
                g_object_ref(view);
                gtk_container_remove(GTK_CONTAINER(parent), GTK_WIDGET(view));
                g_object_unref(view);
            }
    m_windows.erase(hwnd);
    // A grab held by the window went with it; another window takes it over.
    if (m_capture && m_grab_seat) {
        gdk_seat_ungrab(m_grab_seat);
        m_grab_seat = nullptr;
        ApplyGrab();
    }
}

void TGtkBackend::Present(HWND hwnd, const TSurface&, const TRegion& dirty)
{
    auto it = m_windows.find(hwnd);
    if (it != m_windows.end())
        it->second->Present(dirty);
}

void TGtkBackend::SetCursorShape(int cursor)
{
    if (cursor == m_cursor)
        return;
    m_cursor = cursor;
    if (!m_cursors.count(cursor))
        m_cursors[cursor] = gdk_cursor_new_from_name(gdk_display_get_default(), CursorName(cursor));
    for (auto& [hwnd, window] : m_windows)
        window->SetCursor(m_cursors[cursor]);
}

bool TGtkBackend::SupportsLayeredAlpha()
{
    return gdk_screen_is_composited(gdk_screen_get_default());
}

bool TGtkBackend::CaptureScreen(const TRect& rect, TSurface& out)
{
    GdkWindow* root = gdk_get_default_root_window();
    if (!root || rect.IsEmpty())
        return false;
    // Only the part on the screen is read; the rest keeps the caller's fill.
    TRect on = rect.Intersect({ 0, 0, gdk_window_get_width(root), gdk_window_get_height(root) });
    if (on.IsEmpty())
        return false;
    GdkPixbuf* shot = gdk_pixbuf_get_from_window(root, on.left, on.top, on.Width(), on.Height());
    if (!shot)
        return false;
    const int channels = gdk_pixbuf_get_n_channels(shot), stride = gdk_pixbuf_get_rowstride(shot);
    const guchar* pixels = gdk_pixbuf_read_pixels(shot);
    for (int y = 0; y < on.Height(); ++y) {
        int oy = on.top - rect.top + y;
        if (oy < 0 || oy >= out.Height())
            continue;
        const guchar* row = pixels + static_cast<size_t>(y) * static_cast<size_t>(stride);
        for (int x = 0; x < on.Width(); ++x) {
            int ox = on.left - rect.left + x;
            if (ox < 0 || ox >= out.Width())
                continue;
            const guchar* p = row + static_cast<size_t>(x) * static_cast<size_t>(channels);
            out.SetPixel(ox, oy, 0xFF000000u | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2]);
        }
    }
    g_object_unref(shot);
    return true;
}

uint32_t TGtkBackend::DoubleClickTime()
{
    int ms = 500;
    g_object_get(gtk_settings_get_default(), "gtk-double-click-time", &ms, nullptr);
    return static_cast<uint32_t>(ms);
}

void TGtkBackend::PlaceNativeView(void* view, HWND root, const TRect& rect, bool visible)
{
    ViewPlace& place = m_views[view];
    place = { root ? root : place.root, rect, visible };
    auto it = m_windows.find(place.root);
    if (it != m_windows.end())
        it->second->PlaceView(GTK_WIDGET(view), rect, visible);
    else if (!visible)
        gtk_widget_hide(GTK_WIDGET(view));
}

void TGtkBackend::RemoveNativeView(void* view)
{
    m_views.erase(view);
    if (GtkWidget* parent = gtk_widget_get_parent(GTK_WIDGET(view))) {
        g_object_ref(view);
        gtk_container_remove(GTK_CONTAINER(parent), GTK_WIDGET(view));
        g_object_unref(view);
    }
}

void TGtkBackend::ApplyViews(HWND root)
{
    auto it = m_windows.find(root);
    if (it == m_windows.end())
        return;
    for (auto& [view, place] : m_views)
        if (place.root == root)
            it->second->PlaceView(GTK_WIDGET(view), place.rect, place.visible);
}

void TGtkBackend::CaptureChanged(HWND capture)
{
    m_capture = capture;
    ApplyGrab();
}

void TGtkBackend::ApplyGrab()
{
    if (m_grab_seat) {
        gdk_seat_ungrab(m_grab_seat);
        m_grab_seat = nullptr;
    }
    if (!m_capture)
        return;
    // Every pointer event then comes to one of our windows, whose handlers read its
    // screen position: the window system routes it to the capture. The capture's own
    // window takes the grab when it is on the screen, else any of ours that is.
    GdkWindow* target = nullptr;
    auto own = m_windows.find(Wm().RootOf(m_capture));
    if (own != m_windows.end())
        target = own->second->Viewable();
    for (auto it = m_windows.begin(); !target && it != m_windows.end(); ++it)
        target = it->second->Viewable();
    if (!target)
        return;
    GdkSeat* seat = gdk_display_get_default_seat(gdk_window_get_display(target));
    if (gdk_seat_grab(
            seat, target, GDK_SEAT_CAPABILITY_ALL_POINTING, FALSE, nullptr, nullptr, nullptr, nullptr)
        == GDK_GRAB_SUCCESS)
        m_grab_seat = seat;
}

void TGtkBackend::SetDisplayLost(std::function<void()> handler)
{
    DisplayLost() = std::move(handler);
}

void TGtkBackend::ConfigureWeb(const TWebConfig& config)
{
    if (!m_web)
        m_web = std::make_unique<TGtkWebEngine>(config);
}

TNotificationArea* TGtkBackend::NotificationArea()
{
    if (!m_tray)
        m_tray = std::make_unique<TGtkNotificationArea>();
    return m_tray.get();
}

std::unique_ptr<TWebView> TGtkBackend::CreateWebView(TWebViewKind kind)
{
    if (!m_web)
        ConfigureWeb({});
    std::unique_ptr<TWebView> view = m_web->CreateView(kind);
    if (m_drawn)
        StartWeb();
    else if (!m_web_start && !m_web->Started())
        m_web_start = g_timeout_add(
            1000,
            [](gpointer self) -> gboolean {
                static_cast<TGtkBackend*>(self)->m_web_start = 0;
                static_cast<TGtkBackend*>(self)->StartWeb();
                return G_SOURCE_REMOVE;
            },
            this);
    return view;
}

void TGtkBackend::WindowDrawn()
{
    if (m_drawn)
        return;
    m_drawn = true;
    if (!m_web || m_web->Started()) {
        // Without web views to start, the desktop's theme comes once the program rests.
        if (m_bare_theme)
            g_idle_add_full(
                G_PRIORITY_LOW,
                [](gpointer) -> gboolean {
                    ReadDesktopTheme();
                    return G_SOURCE_REMOVE;
                },
                nullptr, nullptr);
        m_bare_theme = false;
        return;
    }
    // After the picture has gone to the screen: WebKit's processes start behind it.
    RemoveWebStart();
    m_web_start = g_idle_add(
        [](gpointer self) -> gboolean {
            static_cast<TGtkBackend*>(self)->m_web_start = 0;
            gdk_display_sync(gdk_display_get_default());
            static_cast<TGtkBackend*>(self)->StartWeb();
            return G_SOURCE_REMOVE;
        },
        this);
}

void TGtkBackend::StartWeb()
{
    RemoveWebStart();
    // The desktop's theme before the web views exist: read under them, it would
    // restyle them while their pages load.
    if (m_bare_theme)
        ReadDesktopTheme();
    m_bare_theme = false;
    if (m_web)
        m_web->Start();
}

void TGtkBackend::ReadDesktopTheme()
{
    // Telling GTK a theme setting again makes it read the theme by its settings (the
    // environment's GTK_THEME is gone by now).
    GtkSettings* settings = gtk_settings_get_default();
    gboolean dark = FALSE;
    g_object_get(settings, "gtk-application-prefer-dark-theme", &dark, nullptr);
    g_object_set(settings, "gtk-application-prefer-dark-theme", dark, nullptr);
}

void TGtkBackend::RemoveWebStart()
{
    if (m_web_start)
        g_source_remove(m_web_start);
    m_web_start = 0;
}

} // namespace tessel
