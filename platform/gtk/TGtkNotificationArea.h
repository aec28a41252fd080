#pragma once

#include "platform/TNotificationArea.h"

#include <gtk/gtk.h>
#include <map>
#include <memory>

namespace tessel {

// The notification area on X11 through GTK's status icon, which speaks the XEmbed
// system-tray protocol: one status icon per icon. A tray host that appears again
// takes the icons back by itself; the window system is told as well.
class TGtkNotificationArea : public TNotificationArea {
public:
    TGtkNotificationArea() = default;
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
        bool embedded = false;
        bool was_embedded = false;
    };
    void Apply(TEntry& entry, const TIcon& icon);
    static gboolean OnButton(GtkStatusIcon* status, GdkEventButton* event, gpointer data);
    static void OnEmbedded(GObject* status, GParamSpec*, gpointer data);

    std::map<uint32_t, std::unique_ptr<TEntry>> m_entries;
};

} // namespace tessel
