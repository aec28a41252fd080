#pragma once

#include "tessel/platform/TNotificationArea.h"

#include <gio/gio.h>
#include <gtk/gtk.h>
#include <map>
#include <memory>

namespace tessel {

// The notification area: a StatusNotifierItem per icon where a StatusNotifierWatcher
// runs on the session bus, else GTK's status icon, which speaks the XEmbed
// system-tray protocol. A tray host that appears again takes status icons back by
// itself; either way the window system is told, and its icons are added again.
class TGtkStatusNotifierItem;

class TGtkNotificationArea : public TNotificationArea {
public:
    TGtkNotificationArea();
    ~TGtkNotificationArea() override;
    TGtkNotificationArea(const TGtkNotificationArea&) = delete;
    TGtkNotificationArea& operator=(const TGtkNotificationArea&) = delete;

    bool Available() override;
    bool Add(const TIcon& icon) override;
    bool Modify(const TIcon& icon) override;
    bool Delete(uint32_t id) override;

private:
    struct TEntry {
        TGtkNotificationArea* area = nullptr;
        uint32_t id = 0;
        GtkStatusIcon* status = nullptr;
        std::unique_ptr<TGtkStatusNotifierItem> item;
        bool embedded = false;
        bool was_embedded = false;
    };
    void Apply(TEntry& entry, const TIcon& icon);
    // The session bus, watched for a StatusNotifierWatcher; null without one.
    GDBusConnection* Bus();
    bool XEmbedHost() const;
    static void OnWatcher(GDBusConnection*, const char*, const char* owner, gpointer data);
    static void OnWatcherGone(GDBusConnection*, const char*, gpointer data);
    static gboolean OnButton(GtkStatusIcon* status, GdkEventButton* event, gpointer data);
    static void OnEmbedded(GObject* status, GParamSpec*, gpointer data);

    std::map<uint32_t, std::unique_ptr<TEntry>> m_entries;
    GDBusConnection* m_bus = nullptr;
    bool m_bus_tried = false;
    guint m_watch = 0;
    bool m_watcher = false, m_watcher_lost = false;
};

} // namespace tessel
