#include "tessel/platform/gtk/TGtkWindow.h"

#include "tessel/platform/TWindowManager.h"
#include "tessel/platform/gtk/GtkKeys.h"
#include "tessel/platform/gtk/TGtkBackend.h"

namespace tessel {

namespace {

TGtkWindow& Self(gpointer p)
{
    return *static_cast<TGtkWindow*>(p);
}

// How long the program's own placement requests are given to land before the
// window's real place counts as the desktop's doing.
constexpr int kPlacementSettleMs = 200;

TPoint Root(double x, double y)
{
    return { static_cast<int>(x), static_cast<int>(y) };
}

cairo_region_t* ToCairo(const TRegion& region)
{
    cairo_region_t* out = cairo_region_create();
    for (const TRect& r : region.Rects()) {
        cairo_rectangle_int_t c { r.left, r.top, r.Width(), r.Height() };
        cairo_region_union_rectangle(out, &c);
    }
    return out;
}

} // namespace

TGtkWindow::TGtkWindow(TGtkBackend& backend, HWND hwnd, bool popup)
    : m_backend(backend)
    , m_hwnd(hwnd)
    , m_popup(popup)
{
    m_window = gtk_window_new(popup ? GTK_WINDOW_POPUP : GTK_WINDOW_TOPLEVEL);
    // Positions name where the client area goes, frame or not.
    gtk_window_set_gravity(GTK_WINDOW(m_window), GDK_GRAVITY_STATIC);
    gtk_window_set_resizable(GTK_WINDOW(m_window), TRUE);
    if (popup) {
        gtk_window_set_accept_focus(GTK_WINDOW(m_window), FALSE);
        gtk_window_set_focus_on_map(GTK_WINDOW(m_window), FALSE);
    }
    if (Wm().GetExStyle(hwnd) & WS_EX_TOOLWINDOW)
        gtk_window_set_skip_taskbar_hint(GTK_WINDOW(m_window), TRUE);
    // A layout asks for no size of its own, so the desktop may shrink a window it frames.
    m_fixed = gtk_layout_new(nullptr, nullptr);
    m_canvas = gtk_drawing_area_new();
    gtk_layout_put(GTK_LAYOUT(m_fixed), m_canvas, 0, 0);
    gtk_container_add(GTK_CONTAINER(m_window), m_fixed);
    gtk_widget_add_events(m_window,
        GDK_POINTER_MOTION_MASK | GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_SCROLL_MASK
            | GDK_SMOOTH_SCROLL_MASK | GDK_KEY_PRESS_MASK | GDK_KEY_RELEASE_MASK | GDK_ENTER_NOTIFY_MASK
            | GDK_LEAVE_NOTIFY_MASK | GDK_STRUCTURE_MASK | GDK_FOCUS_CHANGE_MASK);
    g_signal_connect(m_canvas, "draw", G_CALLBACK(OnDraw), this);
    // Coming back from a native view (a page, a movie) the canvas hears of it, but
    // no motion follows at the point the mouse came in.
    gtk_widget_add_events(m_canvas, GDK_ENTER_NOTIFY_MASK | GDK_LEAVE_NOTIFY_MASK);
    g_signal_connect(m_canvas, "enter-notify-event", G_CALLBACK(OnCrossing), this);
    g_signal_connect(m_canvas, "leave-notify-event", G_CALLBACK(OnCrossing), this);
    m_press = gtk_gesture_multi_press_new(m_window);
    gtk_gesture_single_set_button(GTK_GESTURE_SINGLE(m_press), 0);
    gtk_event_controller_set_propagation_phase(GTK_EVENT_CONTROLLER(m_press), GTK_PHASE_CAPTURE);
    g_signal_connect(m_press, "pressed", G_CALLBACK(OnCapturedPress), this);
    g_signal_connect(m_window, "motion-notify-event", G_CALLBACK(OnMotion), this);
    g_signal_connect(m_window, "button-press-event", G_CALLBACK(OnButton), this);
    g_signal_connect(m_window, "button-release-event", G_CALLBACK(OnButton), this);
    g_signal_connect(m_window, "scroll-event", G_CALLBACK(OnScroll), this);
    g_signal_connect(m_window, "key-press-event", G_CALLBACK(OnKey), this);
    g_signal_connect(m_window, "key-release-event", G_CALLBACK(OnKey), this);
    g_signal_connect(m_window, "enter-notify-event", G_CALLBACK(OnCrossing), this);
    g_signal_connect(m_window, "leave-notify-event", G_CALLBACK(OnCrossing), this);
    g_signal_connect(m_window, "delete-event", G_CALLBACK(OnDelete), this);
    g_signal_connect(m_window, "focus-in-event", G_CALLBACK(OnFocusIn), this);
    g_signal_connect(m_window, "configure-event", G_CALLBACK(OnConfigure), this);
    g_signal_connect(m_window, "window-state-event", G_CALLBACK(OnWindowState), this);
    g_signal_connect(m_window, "destroy-event", G_CALLBACK(OnDestroyed), this);
}

TGtkWindow::~TGtkWindow()
{
    if (m_placement_check)
        g_source_remove(m_placement_check);
    g_signal_handlers_disconnect_by_data(m_canvas, this);
    g_signal_handlers_disconnect_by_data(m_window, this);
    g_signal_handlers_disconnect_by_data(m_press, this);
    g_object_unref(m_press);
    gtk_widget_destroy(m_window);
}

void TGtkWindow::Sync()
{
    const TWindow* w = Wm().Find(m_hwnd);
    if (!w || m_syncing || m_gone)
        return;
    m_syncing = true;
    GtkWindow* window = GTK_WINDOW(m_window);
    bool decorated = !m_popup && Wm().HasNativeFrame(m_hwnd);
    if (decorated != m_decorated) {
        gtk_window_set_decorated(window, decorated);
        m_decorated = decorated;
    }
    if (!m_popup)
        gtk_window_set_title(window, w->text.c_str());
    TRect r = w->rect;
    if (!m_applied || *m_applied != r) {
        int width = std::max(1, r.Width()), height = std::max(1, r.Height());
        gtk_widget_set_size_request(m_canvas, width, height);
        gtk_window_resize(window, width, height);
        gtk_window_move(window, r.left, r.top);
        m_applied = r;
        m_requested_at = g_get_monotonic_time();
    }
    ApplyShape(w->region.get());
    bool keep_above = (w->ex_style & WS_EX_TOPMOST) != 0;
    if (keep_above != m_keep_above) {
        gtk_window_set_keep_above(window, keep_above);
        m_keep_above = keep_above;
    }
    double opacity = (w->ex_style & WS_EX_LAYERED) ? w->alpha / 255.0 : 1.0;
    if (opacity != m_opacity) {
        gtk_widget_set_opacity(m_window, opacity);
        m_opacity = opacity;
    }
    bool visible = (w->style & WS_VISIBLE) != 0;
    if (visible && !m_shown) {
        gtk_widget_show_all(m_window);
        if (GdkWindow* gdk = gtk_widget_get_window(m_window))
            gdk_window_raise(gdk);
        m_shown = true;
        gtk_widget_queue_draw(m_canvas);
    } else if (!visible && m_shown) {
        gtk_widget_hide(m_window);
        m_shown = false;
        m_iconified = false;
    } else if (visible && m_popup) {
        if (GdkWindow* gdk = gtk_widget_get_window(m_window);
            gdk && !Wm().TopLevelWindows().empty() && Wm().TopLevelWindows().front() == m_hwnd)
            gdk_window_raise(gdk);
    }
    bool iconic = visible && !m_popup && Wm().IsIconic(m_hwnd);
    if (iconic != m_iconified && m_shown) {
        m_iconified = iconic;
        if (iconic)
            gtk_window_iconify(window);
        else
            gtk_window_deiconify(window);
    }
    m_syncing = false;
}

void TGtkWindow::ApplyShape(const TRegion* region)
{
    if (!region) {
        if (m_has_shape) {
            gtk_widget_shape_combine_region(m_window, nullptr);
            gtk_widget_input_shape_combine_region(m_window, nullptr);
            m_has_shape = false;
            m_shape.reset();
        }
        return;
    }
    if (m_has_shape && m_shape && *m_shape == *region)
        return;
    cairo_region_t* shape = ToCairo(*region);
    gtk_widget_shape_combine_region(m_window, shape);
    gtk_widget_input_shape_combine_region(m_window, shape);
    cairo_region_destroy(shape);
    m_shape = *region;
    m_has_shape = true;
}

void TGtkWindow::Present(const TRegion& dirty)
{
    TRect b = dirty.Box();
    if (!b.IsEmpty())
        gtk_widget_queue_draw_area(m_canvas, b.left, b.top, b.Width(), b.Height());
}

void TGtkWindow::PlaceView(GtkWidget* view, const TRect& rect, bool visible)
{
    if (gtk_widget_get_parent(view) != m_fixed) {
        g_object_ref(view);
        if (GtkWidget* parent = gtk_widget_get_parent(view))
            gtk_container_remove(GTK_CONTAINER(parent), view);
        gtk_layout_put(GTK_LAYOUT(m_fixed), view, rect.left, rect.top);
        g_object_unref(view);
    }
    gtk_layout_move(GTK_LAYOUT(m_fixed), view, rect.left, rect.top);
    gtk_widget_set_size_request(view, std::max(1, rect.Width()), std::max(1, rect.Height()));
    if (visible)
        gtk_widget_show_all(view);
    else
        gtk_widget_hide(view);
}

void TGtkWindow::OnCapturedPress(GtkGestureMultiPress* gesture, gint, gdouble x, gdouble y, gpointer self)
{
    auto& me = *static_cast<TGtkWindow*>(self);
    GtkGesture* g = GTK_GESTURE(gesture);
    const GdkEvent* event = gtk_gesture_get_last_event(g, gtk_gesture_get_last_updated_sequence(g));
    GtkWidget* target = event ? gtk_get_event_widget(const_cast<GdkEvent*>(event)) : nullptr;
    // Presses on the window's own canvas arrive as mouse messages already.
    if (!target || target == me.m_canvas || target == me.m_fixed || target == me.m_window)
        return;
    guint button = gtk_gesture_single_get_current_button(GTK_GESTURE_SINGLE(gesture));
    uint32_t kind = button == 3 ? WM_RBUTTONDOWN : button == 2 ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
    Wm().PostMessage(me.m_hwnd, WM_PARENTNOTIFY, kind, MakeLParam(static_cast<int>(x), static_cast<int>(y)));
}

GdkWindow* TGtkWindow::Viewable() const
{
    GdkWindow* gdk = gtk_widget_get_window(m_window);
    return gdk && gdk_window_is_viewable(gdk) ? gdk : nullptr;
}

void TGtkWindow::SetCursor(GdkCursor* cursor)
{
    if (GdkWindow* gdk = gtk_widget_get_window(m_window))
        gdk_window_set_cursor(gdk, cursor);
}

gboolean TGtkWindow::OnDraw(GtkWidget*, cairo_t* cr, gpointer self)
{
    const TSurface* s = Wm().WindowSurface(Self(self).m_hwnd);
    if (!s || s->Empty())
        return FALSE;
    cairo_surface_t* image = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(s->Data())), CAIRO_FORMAT_RGB24, s->Width(),
        s->Height(), s->Stride());
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_paint(cr);
    cairo_surface_destroy(image);
    Self(self).m_backend.WindowDrawn();
    return TRUE;
}

gboolean TGtkWindow::OnMotion(GtkWidget*, GdkEventMotion* event, gpointer self)
{
    Wm().Input().MouseMove(Root(event->x_root, event->y_root));
    Self(self).m_backend.InputArrived();
    return TRUE;
}

gboolean TGtkWindow::OnButton(GtkWidget*, GdkEventButton* event, gpointer self)
{
    // The window system tells double clicks itself.
    if (event->type != GDK_BUTTON_PRESS && event->type != GDK_BUTTON_RELEASE)
        return TRUE;
    TMouseButton button = event->button == 3 ? TMouseButton::Right
        : event->button == 2                 ? TMouseButton::Middle
                                             : TMouseButton::Left;
    if (event->button > 3)
        return TRUE;
    TPoint p = Root(event->x_root, event->y_root);
    Wm().Input().MouseMove(p);
    // A click on the window system's own pixels takes the keys back from a view.
    if (event->type == GDK_BUTTON_PRESS)
        gtk_window_set_focus(GTK_WINDOW(Self(self).m_window), nullptr);
    if (event->type == GDK_BUTTON_PRESS)
        Wm().Input().MouseDown(button, p);
    else
        Wm().Input().MouseUp(button, p);
    Self(self).m_backend.InputArrived();
    return TRUE;
}

gboolean TGtkWindow::OnScroll(GtkWidget*, GdkEventScroll* event, gpointer self)
{
    int delta = 0;
    if (event->direction == GDK_SCROLL_UP)
        delta = WHEEL_DELTA;
    else if (event->direction == GDK_SCROLL_DOWN)
        delta = -WHEEL_DELTA;
    else if (event->direction == GDK_SCROLL_SMOOTH)
        delta = static_cast<int>(-event->delta_y * WHEEL_DELTA);
    if (delta) {
        Wm().Input().MouseWheel(delta, Root(event->x_root, event->y_root));
        Self(self).m_backend.InputArrived();
    }
    return TRUE;
}

gboolean TGtkWindow::OnKey(GtkWidget*, GdkEventKey* event, gpointer self)
{
    // An embedded view that has the focus (a game, a page) takes the keys, unless
    // the window system holds the mouse for something of its own (an open menu).
    TGtkWindow& me = Self(self);
    GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(me.m_window));
    uint32_t vk = VirtualKeyFromKeyval(event->keyval);
    if (focus && focus != me.m_canvas && !Wm().Input().GetCapture()) {
        // The program's own keys (a player's) come to it before the view sees them,
        // the press and its release both.
        if (event->type == GDK_KEY_PRESS && vk) {
            const TInput::TViewKey key { vk, (event->state & GDK_CONTROL_MASK) != 0,
                (event->state & GDK_SHIFT_MASK) != 0, (event->state & GDK_MOD1_MASK) != 0 };
            if (Wm().Input().OfferViewKey(key)) {
                me.m_taken_key = vk;
                me.m_backend.InputArrived();
                return TRUE;
            }
        } else if (event->type == GDK_KEY_RELEASE && vk && vk == me.m_taken_key) {
            me.m_taken_key = 0;
            return TRUE;
        }
        return FALSE;
    }
    if (event->type == GDK_KEY_PRESS) {
        if (vk)
            Wm().Input().KeyDown(vk);
        gunichar ch = gdk_keyval_to_unicode(event->keyval);
        bool control = (event->state & GDK_CONTROL_MASK) != 0;
        if (vk == VK_RETURN)
            ch = '\r';
        else if (vk == VK_BACK)
            ch = '\b';
        else if (vk == VK_ESCAPE)
            ch = 0x1B;
        if (ch && !control && (ch >= 0x20 || ch == '\r' || ch == '\b' || ch == '\t' || ch == 0x1B))
            Wm().Input().Char(ch);
    } else if (vk) {
        Wm().Input().KeyUp(vk);
    }
    Self(self).m_backend.InputArrived();
    return TRUE;
}

gboolean TGtkWindow::OnCrossing(GtkWidget*, GdkEventCrossing* event, gpointer self)
{
    // Entering the window (from outside or from a native view inside it), or leaving
    // it for somewhere outside the program: the window system sees the mouse there.
    bool entering = event->type == GDK_ENTER_NOTIFY;
    if (event->mode == GDK_CROSSING_NORMAL && (entering || event->detail != GDK_NOTIFY_INFERIOR)) {
        Wm().Input().MouseMove(Root(event->x_root, event->y_root));
        Self(self).m_backend.InputArrived();
    }
    return FALSE;
}

gboolean TGtkWindow::OnDelete(GtkWidget*, GdkEvent*, gpointer self)
{
    Wm().PostMessage(Self(self).m_hwnd, WM_SYSCOMMAND, SC_CLOSE);
    Self(self).m_backend.InputArrived();
    return TRUE;
}

gboolean TGtkWindow::OnFocusIn(GtkWidget*, GdkEventFocus*, gpointer self)
{
    TGtkWindow& me = Self(self);
    if (!me.m_popup && Wm().GetActiveWindow() != me.m_hwnd && Wm().IsWindowVisible(me.m_hwnd)
        && Wm().IsWindowEnabled(me.m_hwnd)) {
        Wm().SetActiveWindow(me.m_hwnd);
        me.m_backend.InputArrived();
    }
    return FALSE;
}

gboolean TGtkWindow::OnDestroyed(GtkWidget*, GdkEvent*, gpointer self)
{
    // Another client destroyed the real window: it is gone for good, and a window of
    // the program's own asks to be closed, as if its close button had been pressed.
    TGtkWindow& me = Self(self);
    me.m_gone = true;
    if (!me.m_popup)
        Wm().PostMessage(me.m_hwnd, WM_SYSCOMMAND, SC_CLOSE);
    me.m_backend.InputArrived();
    return TRUE;
}

gboolean TGtkWindow::OnWindowState(GtkWidget*, GdkEventWindowState* event, gpointer self)
{
    // The desktop minimised or restored the window (its task bar, its keys): the
    // window system follows, so what shows in it knows it is off the screen.
    TGtkWindow& me = Self(self);
    if (!(event->changed_mask & GDK_WINDOW_STATE_ICONIFIED) || me.m_syncing)
        return FALSE;
    bool iconified = (event->new_window_state & GDK_WINDOW_STATE_ICONIFIED) != 0;
    me.m_iconified = iconified;
    if (iconified != Wm().IsIconic(me.m_hwnd) && Wm().IsWindowVisible(me.m_hwnd)) {
        Wm().ShowWindow(me.m_hwnd, iconified ? SW_MINIMIZE : SW_RESTORE);
        me.m_backend.InputArrived();
    }
    return FALSE;
}

gboolean TGtkWindow::OnConfigure(GtkWidget*, GdkEventConfigure* event, gpointer self)
{
    TGtkWindow& me = Self(self);
    if (me.m_syncing || me.m_popup)
        return FALSE;
    if (!me.m_decorated) {
        // The event may tell of a request of the program's own that a later one has
        // overtaken: the real place is read a moment after the last request instead.
        if (!me.m_placement_check)
            me.m_placement_check = g_timeout_add(kPlacementSettleMs, OnPlacementCheck, &me);
        return FALSE;
    }
    // The desktop moved or sized a window it frames.
    int x = 0, y = 0;
    if (GdkWindow* gdk = gtk_widget_get_window(me.m_window))
        gdk_window_get_origin(gdk, &x, &y);
    me.FollowDesktop({ x, y, x + event->width, y + event->height });
    return FALSE;
}

gboolean TGtkWindow::OnPlacementCheck(gpointer self)
{
    TGtkWindow& me = Self(self);
    me.m_placement_check = 0;
    const int64_t since_ms = (g_get_monotonic_time() - me.m_requested_at) / 1000;
    if (since_ms < kPlacementSettleMs) {
        me.m_placement_check
            = g_timeout_add(static_cast<guint>(kPlacementSettleMs - since_ms), OnPlacementCheck, &me);
        return G_SOURCE_REMOVE;
    }
    GdkWindow* gdk = gtk_widget_get_window(me.m_window);
    if (me.m_decorated || me.m_gone || me.m_iconified || !gdk || !gdk_window_is_viewable(gdk))
        return G_SOURCE_REMOVE;
    int x = 0, y = 0;
    gdk_window_get_origin(gdk, &x, &y);
    me.FollowDesktop({ x, y, x + gdk_window_get_width(gdk), y + gdk_window_get_height(gdk) });
    return G_SOURCE_REMOVE;
}

void TGtkWindow::FollowDesktop(const TRect& now)
{
    TRect have = Wm().GetWindowRect(m_hwnd);
    if (now == have || !Wm().IsWindowVisible(m_hwnd))
        return;
    m_applied = now;
    gtk_widget_set_size_request(m_canvas, std::max(1, now.Width()), std::max(1, now.Height()));
    m_syncing = true;
    Wm().SetWindowPos(m_hwnd, now, SWP_NOZORDER | SWP_NOACTIVATE);
    m_syncing = false;
    m_backend.InputArrived();
}

} // namespace tessel
