#pragma once

#include "tessel/platform/TMessage.h"
#include "tessel/platform/TRect.h"
#include "tessel/platform/TRegion.h"

#include <gtk/gtk.h>
#include <optional>

namespace tessel {

class TGtkBackend;

// The real window that mirrors one top-level window: a GtkWindow whose content is
// painted from the window's surface, shaped by its region, placed at its
// rectangle, decorated by the desktop only while the window leaves its frame to the
// desktop. Pointer and key events become raw input for the window system. Popups
// are override-redirect and never take the focus. Native views are laid on top.
class TGtkWindow {
public:
    TGtkWindow(TGtkBackend& backend, HWND hwnd, bool popup);
    ~TGtkWindow();
    TGtkWindow(const TGtkWindow&) = delete;
    TGtkWindow& operator=(const TGtkWindow&) = delete;

    // Reads the window's state from the window manager and applies what changed.
    void Sync();
    void Present(const TRegion& dirty);
    void PlaceView(GtkWidget* view, const TRect& rect, bool visible);
    void SetCursor(GdkCursor* cursor);
    bool Popup() const { return m_popup; }
    // The real window, while it is on the screen; null otherwise.
    GdkWindow* Viewable() const;

private:
    static gboolean OnDraw(GtkWidget*, cairo_t* cr, gpointer self);
    static gboolean OnMotion(GtkWidget*, GdkEventMotion* event, gpointer self);
    static gboolean OnButton(GtkWidget*, GdkEventButton* event, gpointer self);
    // A press on a native view placed in the window (seen before the view takes it):
    // the window hears of it as WM_PARENTNOTIFY, as the platform tells a parent of a
    // press on a child window.
    static void OnCapturedPress(GtkGestureMultiPress* gesture, gint, gdouble x, gdouble y, gpointer self);
    static gboolean OnScroll(GtkWidget*, GdkEventScroll* event, gpointer self);
    static gboolean OnKey(GtkWidget*, GdkEventKey* event, gpointer self);
    static gboolean OnCrossing(GtkWidget*, GdkEventCrossing* event, gpointer self);
    static gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer self);
    static gboolean OnFocusIn(GtkWidget*, GdkEventFocus*, gpointer self);
    static gboolean OnConfigure(GtkWidget*, GdkEventConfigure* event, gpointer self);
    static gboolean OnPlacementCheck(gpointer self);
    // The window was put at rect by the desktop: the window system follows.
    void FollowDesktop(const TRect& rect);
    static gboolean OnWindowState(GtkWidget*, GdkEventWindowState* event, gpointer self);
    static gboolean OnDestroyed(GtkWidget*, GdkEvent*, gpointer self);
    void ApplyShape(const TRegion* region);

    TGtkBackend& m_backend;
    HWND m_hwnd;
    bool m_popup;
    GtkWidget* m_window = nullptr;
    GtkWidget* m_fixed = nullptr; // a GtkLayout holding the canvas and the native views
    GtkWidget* m_canvas = nullptr;
    GtkGesture* m_press = nullptr;
    std::optional<TRect> m_applied;
    std::optional<TRegion> m_shape;
    bool m_has_shape = false;
    bool m_shown = false;
    bool m_decorated = true;
    // A key the program took from a view: its release is not the view's either.
    uint32_t m_taken_key = 0;
    bool m_keep_above = false;
    double m_opacity = 1.0;
    bool m_syncing = false;
    bool m_iconified = false;
    bool m_gone = false;
    // The program places a window without the desktop's frame itself, yet the desktop
    // may still move it (a window manager's placement, Alt and a drag, a tool). Its
    // real place is read once the program's own requests have had time to land.
    guint m_placement_check = 0;
    int64_t m_requested_at = 0;
};

} // namespace tessel
