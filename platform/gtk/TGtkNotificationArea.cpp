#include "tessel/platform/gtk/TGtkNotificationArea.h"

#include "tessel/platform/Messages.h"
#include "tessel/platform/gtk/TGtkStatusNotifierItem.h"

#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <string>

// GtkStatusIcon is deprecated in GTK 3 yet it is GTK's only XEmbed tray client.
G_GNUC_BEGIN_IGNORE_DEPRECATIONS

namespace tessel {

namespace {

GdkPixbuf* ToPixbuf(const TSurface& picture)
{
    if (picture.Width() <= 0 || picture.Height() <= 0)
        return nullptr;
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, picture.Width(), picture.Height());
    if (!pixbuf)
        return nullptr;
    guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            uint32_t p = picture.Pixel(x, y);
            guchar* out = pixels + y * stride + x * 4;
            out[0] = static_cast<guchar>(p >> 16);
            out[1] = static_cast<guchar>(p >> 8);
            out[2] = static_cast<guchar>(p);
            // Pictures without alpha (bitmaps) show opaque.
            out[3] = (p >> 24) ? static_cast<guchar>(p >> 24) : 255;
        }
    return pixbuf;
}

} // namespace

TGtkNotificationArea::TGtkNotificationArea() = default;

TGtkNotificationArea::~TGtkNotificationArea()
{
    for (auto& [id, entry] : m_entries)
        if (entry->status) {
            g_signal_handlers_disconnect_by_data(entry->status, entry.get());
            g_object_unref(entry->status);
        }
    m_entries.clear();
    if (m_watch)
        g_bus_unwatch_name(m_watch);
    if (m_bus)
        g_object_unref(m_bus);
}

GDBusConnection* TGtkNotificationArea::Bus()
{
    if (m_bus_tried)
        return m_bus;
    m_bus_tried = true;
    // Only a session bus that is there: asking for one without it may start a daemon.
    const char* address = g_getenv("DBUS_SESSION_BUS_ADDRESS");
    const char* runtime = g_getenv("XDG_RUNTIME_DIR");
    std::string socket = runtime ? std::string(runtime) + "/bus" : std::string();
    if ((!address || !*address) && (socket.empty() || !g_file_test(socket.c_str(), G_FILE_TEST_EXISTS)))
        return nullptr;
    m_bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (m_bus)
        m_watch = g_bus_watch_name_on_connection(m_bus, TGtkStatusNotifierItem::kWatcher,
            G_BUS_NAME_WATCHER_FLAGS_NONE, OnWatcher, OnWatcherGone, this, nullptr);
    return m_bus;
}

void TGtkNotificationArea::OnWatcher(GDBusConnection*, const char*, const char*, gpointer data)
{
    auto* area = static_cast<TGtkNotificationArea*>(data);
    area->m_watcher = true;
    // A watcher that came back knows none of the items.
    if (area->m_watcher_lost && area->OnHostStarted) {
        area->m_watcher_lost = false;
        area->OnHostStarted();
    }
}

void TGtkNotificationArea::OnWatcherGone(GDBusConnection*, const char*, gpointer data)
{
    auto* area = static_cast<TGtkNotificationArea*>(data);
    if (area->m_watcher)
        area->m_watcher_lost = true;
    area->m_watcher = false;
}

bool TGtkNotificationArea::Available()
{
    GDBusConnection* bus = Bus();
    return XEmbedHost() || (bus && TGtkStatusNotifierItem::WatcherPresent(bus));
}

bool TGtkNotificationArea::XEmbedHost() const
{
    GdkDisplay* display = gdk_display_get_default();
    if (!display || !GDK_IS_X11_DISPLAY(display))
        return false;
    Display* x = GDK_DISPLAY_XDISPLAY(display);
    std::string name = "_NET_SYSTEM_TRAY_S" + std::to_string(DefaultScreen(x));
    Atom selection = XInternAtom(x, name.c_str(), False);
    return XGetSelectionOwner(x, selection) != None;
}

void TGtkNotificationArea::Apply(TEntry& entry, const TIcon& icon)
{
    if (entry.item) {
        entry.item->Update(icon);
        return;
    }
    if (GdkPixbuf* pixbuf = ToPixbuf(icon.picture)) {
        gtk_status_icon_set_from_pixbuf(entry.status, pixbuf);
        g_object_unref(pixbuf);
    } else {
        gtk_status_icon_set_from_icon_name(entry.status, "application-x-executable");
    }
    gtk_status_icon_set_tooltip_text(entry.status, icon.tip.empty() ? nullptr : icon.tip.c_str());
}

bool TGtkNotificationArea::Add(const TIcon& icon)
{
    auto& slot = m_entries[icon.id];
    if (slot && slot->item) {
        // Added again (a new watcher): the item registers once more.
        slot->item->Update(icon);
        slot->item->Register();
        return true;
    }
    if (!slot && Bus() && TGtkStatusNotifierItem::WatcherPresent(m_bus)) {
        slot = std::make_unique<TEntry>();
        slot->area = this;
        slot->id = icon.id;
        slot->item = std::make_unique<TGtkStatusNotifierItem>(*this, icon);
        return true;
    }
    if (!slot) {
        slot = std::make_unique<TEntry>();
        slot->area = this;
        slot->id = icon.id;
        slot->status = gtk_status_icon_new();
        g_signal_connect(slot->status, "button-press-event", G_CALLBACK(OnButton), slot.get());
        g_signal_connect(slot->status, "button-release-event", G_CALLBACK(OnButton), slot.get());
        g_signal_connect(slot->status, "notify::embedded", G_CALLBACK(OnEmbedded), slot.get());
    }
    Apply(*slot, icon);
    gtk_status_icon_set_visible(slot->status, TRUE);
    return XEmbedHost();
}

bool TGtkNotificationArea::Modify(const TIcon& icon)
{
    auto it = m_entries.find(icon.id);
    if (it == m_entries.end())
        return false;
    Apply(*it->second, icon);
    return it->second->item || XEmbedHost();
}

bool TGtkNotificationArea::Delete(uint32_t id)
{
    auto it = m_entries.find(id);
    if (it == m_entries.end())
        return false;
    if (GtkStatusIcon* status = it->second->status) {
        gtk_status_icon_set_visible(status, FALSE);
        g_signal_handlers_disconnect_by_data(status, it->second.get());
        g_object_unref(status);
    }
    m_entries.erase(it);
    return true;
}

gboolean TGtkNotificationArea::OnButton(GtkStatusIcon*, GdkEventButton* event, gpointer data)
{
    auto* entry = static_cast<TEntry*>(data);
    const bool press = event->type == GDK_BUTTON_PRESS, twice = event->type == GDK_2BUTTON_PRESS;
    const bool release = event->type == GDK_BUTTON_RELEASE;
    uint32_t message = 0;
    switch (event->button) {
    case 1:
        message = twice ? WM_LBUTTONDBLCLK : press ? WM_LBUTTONDOWN : release ? WM_LBUTTONUP : 0;
        break;
    case 2:
        message = press ? WM_MBUTTONDOWN : release ? WM_MBUTTONUP : 0;
        break;
    case 3:
        message = press ? WM_RBUTTONDOWN : release ? WM_RBUTTONUP : 0;
        break;
    default:
        break;
    }
    TNotificationArea* area = entry->area;
    if (message && area->OnEvent)
        area->OnEvent(
            { entry->id, message, { static_cast<int>(event->x_root), static_cast<int>(event->y_root) } });
    // The status icon's own activate and popup-menu signals are not used.
    return TRUE;
}

void TGtkNotificationArea::OnEmbedded(GObject* status, GParamSpec*, gpointer data)
{
    auto* entry = static_cast<TEntry*>(data);
    entry->embedded = gtk_status_icon_is_embedded(GTK_STATUS_ICON(status));
    // Docked again after the tray host went away: a new host has started.
    if (entry->embedded && entry->was_embedded && entry->area->OnHostStarted)
        entry->area->OnHostStarted();
    if (entry->embedded)
        entry->was_embedded = true;
}

} // namespace tessel

G_GNUC_END_IGNORE_DEPRECATIONS
