#include "tessel/platform/gtk/TGtkStatusNotifierItem.h"

#include "tessel/platform/Messages.h"

#include <unistd.h>

namespace tessel {

namespace {

constexpr const char* kPath = "/StatusNotifierItem";
constexpr const char* kInterface = "org.kde.StatusNotifierItem";

constexpr const char* kIntrospection = R"xml(<node>
  <interface name="org.kde.StatusNotifierItem">
    <property name="Category" type="s" access="read"/>
    <property name="Id" type="s" access="read"/>
    <property name="Title" type="s" access="read"/>
    <property name="Status" type="s" access="read"/>
    <property name="WindowId" type="i" access="read"/>
    <property name="IconName" type="s" access="read"/>
    <property name="IconPixmap" type="a(iiay)" access="read"/>
    <property name="ToolTip" type="(sa(iiay)ss)" access="read"/>
    <property name="ItemIsMenu" type="b" access="read"/>
    <property name="Menu" type="o" access="read"/>
    <method name="Activate"><arg name="x" type="i" direction="in"/><arg name="y" type="i" direction="in"/></method>
    <method name="SecondaryActivate"><arg name="x" type="i" direction="in"/><arg name="y" type="i" direction="in"/></method>
    <method name="ContextMenu"><arg name="x" type="i" direction="in"/><arg name="y" type="i" direction="in"/></method>
    <method name="Scroll"><arg name="delta" type="i" direction="in"/><arg name="orientation" type="s" direction="in"/></method>
    <signal name="NewIcon"/>
    <signal name="NewToolTip"/>
    <signal name="NewTitle"/>
  </interface>
</node>)xml";

GDBusInterfaceInfo* InterfaceInfo()
{
    static GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(kIntrospection, nullptr);
    return node ? node->interfaces[0] : nullptr;
}

// The picture as the item's pixmaps: ARGB32 in network byte order, one size.
GVariant* Pixmaps(const TSurface& picture)
{
    GVariantBuilder list;
    g_variant_builder_init(&list, G_VARIANT_TYPE("a(iiay)"));
    if (picture.Width() > 0 && picture.Height() > 0) {
        GByteArray* bytes
            = g_byte_array_sized_new(static_cast<guint>(picture.Width() * picture.Height() * 4));
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x) {
                uint32_t p = picture.Pixel(x, y);
                if (!(p >> 24))
                    p |= 0xFF000000; // pictures without alpha show opaque
                const guint8 argb[4] = { static_cast<guint8>(p >> 24), static_cast<guint8>(p >> 16),
                    static_cast<guint8>(p >> 8), static_cast<guint8>(p) };
                g_byte_array_append(bytes, argb, 4);
            }
        GVariant* data = g_variant_new_fixed_array(G_VARIANT_TYPE_BYTE, bytes->data, bytes->len, 1);
        g_variant_builder_add(&list, "(ii@ay)", picture.Width(), picture.Height(), data);
        g_byte_array_unref(bytes);
    }
    return g_variant_builder_end(&list);
}

} // namespace

namespace {

GDBusConnection* OwnConnection()
{
    gchar* address = g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (!address)
        return nullptr;
    GDBusConnection* bus = g_dbus_connection_new_for_address_sync(address,
        GDBusConnectionFlags(
            G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT | G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, nullptr);
    g_free(address);
    return bus;
}

} // namespace

TGtkStatusNotifierItem::TGtkStatusNotifierItem(TNotificationArea& area, const TNotificationArea::TIcon& icon)
    : m_bus(OwnConnection())
    , m_area(area)
    , m_icon(icon)
    , m_name("org.kde.StatusNotifierItem-" + std::to_string(getpid()) + "-" + std::to_string(icon.id))
{
    if (!m_bus)
        return;
    static const GDBusInterfaceVTable table = { OnMethod, OnGetProperty, nullptr, {} };
    if (GDBusInterfaceInfo* info = InterfaceInfo())
        m_object = g_dbus_connection_register_object(m_bus, kPath, info, &table, this, nullptr, nullptr);
    m_owner = g_bus_own_name_on_connection(
        m_bus, m_name.c_str(), G_BUS_NAME_OWNER_FLAGS_NONE, nullptr, nullptr, nullptr, nullptr);
    Register();
}

TGtkStatusNotifierItem::~TGtkStatusNotifierItem()
{
    if (!m_bus)
        return;
    if (m_object)
        g_dbus_connection_unregister_object(m_bus, m_object);
    if (m_owner)
        g_bus_unown_name(m_owner);
    g_dbus_connection_close_sync(m_bus, nullptr, nullptr);
    g_object_unref(m_bus);
}

bool TGtkStatusNotifierItem::WatcherPresent(GDBusConnection* bus)
{
    GVariant* reply = g_dbus_connection_call_sync(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus",
        "org.freedesktop.DBus", "NameHasOwner", g_variant_new("(s)", kWatcher), G_VARIANT_TYPE("(b)"),
        G_DBUS_CALL_FLAGS_NONE, 500, nullptr, nullptr);
    if (!reply)
        return false;
    gboolean owned = FALSE;
    g_variant_get(reply, "(b)", &owned);
    g_variant_unref(reply);
    return owned;
}

void TGtkStatusNotifierItem::Register()
{
    if (!m_bus)
        return;
    g_dbus_connection_call(m_bus, kWatcher, "/StatusNotifierWatcher", kWatcher, "RegisterStatusNotifierItem",
        g_variant_new("(s)", m_name.c_str()), nullptr, G_DBUS_CALL_FLAGS_NONE, -1, nullptr, nullptr, nullptr);
}

void TGtkStatusNotifierItem::Update(const TNotificationArea::TIcon& icon)
{
    m_icon = icon;
    if (!m_bus)
        return;
    for (const char* signal : { "NewIcon", "NewToolTip", "NewTitle" })
        g_dbus_connection_emit_signal(m_bus, nullptr, kPath, kInterface, signal, nullptr, nullptr);
}

GVariant* TGtkStatusNotifierItem::Property(const char* name) const
{
    const std::string n = name;
    const std::string title = m_icon.tip.empty() ? "Tessel" : m_icon.tip;
    if (n == "Category")
        return g_variant_new_string("ApplicationStatus");
    if (n == "Id")
        return g_variant_new_string("tessel");
    if (n == "Title")
        return g_variant_new_string(title.c_str());
    if (n == "Status")
        return g_variant_new_string("Active");
    if (n == "WindowId")
        return g_variant_new_int32(0);
    if (n == "IconName")
        return g_variant_new_string("");
    if (n == "IconPixmap")
        return Pixmaps(m_icon.picture);
    if (n == "ToolTip")
        return g_variant_new("(s@a(iiay)ss)", "", Pixmaps(TSurface()), m_icon.tip.c_str(), "");
    if (n == "ItemIsMenu")
        return g_variant_new_boolean(FALSE);
    if (n == "Menu")
        return g_variant_new_object_path("/NO_DBUSMENU");
    return nullptr;
}

void TGtkStatusNotifierItem::Mouse(uint32_t down, uint32_t up, GVariant* parameters)
{
    gint32 x = 0, y = 0;
    if (g_variant_is_of_type(parameters, G_VARIANT_TYPE("(ii)")))
        g_variant_get(parameters, "(ii)", &x, &y);
    if (!m_area.OnEvent)
        return;
    m_area.OnEvent({ m_icon.id, down, { x, y } });
    m_area.OnEvent({ m_icon.id, up, { x, y } });
}

void TGtkStatusNotifierItem::Method(const char* name, GVariant* parameters)
{
    const std::string n = name;
    // The host's primary action is a click, its menu request a right click.
    if (n == "Activate")
        Mouse(WM_LBUTTONDOWN, WM_LBUTTONUP, parameters);
    else if (n == "SecondaryActivate")
        Mouse(WM_MBUTTONDOWN, WM_MBUTTONUP, parameters);
    else if (n == "ContextMenu")
        Mouse(WM_RBUTTONDOWN, WM_RBUTTONUP, parameters);
}

void TGtkStatusNotifierItem::OnMethod(GDBusConnection*, const char*, const char*, const char*,
    const char* method, GVariant* parameters, GDBusMethodInvocation* invocation, gpointer data)
{
    static_cast<TGtkStatusNotifierItem*>(data)->Method(method, parameters);
    g_dbus_method_invocation_return_value(invocation, nullptr);
}

GVariant* TGtkStatusNotifierItem::OnGetProperty(
    GDBusConnection*, const char*, const char*, const char*, const char* property, GError**, gpointer data)
{
    return static_cast<TGtkStatusNotifierItem*>(data)->Property(property);
}

} // namespace tessel
