#pragma once

#include "tessel/platform/TNotificationArea.h"

#include <gio/gio.h>
#include <string>

namespace tessel {

// One icon as a StatusNotifierItem on the session bus, for desktops whose tray is a
// StatusNotifierWatcher rather than an XEmbed host: a bus name of its own, the item
// object with its icon and tooltip, and the host's requests (activate, the context
// menu) turned into the mouse messages of the icon.
class TGtkStatusNotifierItem {
public:
    static constexpr const char* kWatcher = "org.kde.StatusNotifierWatcher";

    // The item gets a connection of its own to the bus, so that each icon has its own
    // name under the usual object path.
    TGtkStatusNotifierItem(TNotificationArea& area, const TNotificationArea::TIcon& icon);
    ~TGtkStatusNotifierItem();
    TGtkStatusNotifierItem(const TGtkStatusNotifierItem&) = delete;
    TGtkStatusNotifierItem& operator=(const TGtkStatusNotifierItem&) = delete;

    // New picture and tooltip; the host is told.
    void Update(const TNotificationArea::TIcon& icon);
    // Tells the watcher of the item (again, after a new watcher started).
    void Register();
    // Whether a watcher runs on the bus.
    static bool WatcherPresent(GDBusConnection* bus);

private:
    GVariant* Property(const char* name) const;
    void Method(const char* name, GVariant* parameters);
    void Mouse(uint32_t down, uint32_t up, GVariant* parameters);
    static void OnMethod(GDBusConnection*, const char*, const char*, const char*, const char* method,
        GVariant* parameters, GDBusMethodInvocation* invocation, gpointer data);
    static GVariant* OnGetProperty(GDBusConnection*, const char*, const char*, const char*,
        const char* property, GError**, gpointer data);

    GDBusConnection* m_bus;
    TNotificationArea& m_area;
    TNotificationArea::TIcon m_icon;
    std::string m_name;
    guint m_owner = 0;
    guint m_object = 0;
};

} // namespace tessel
