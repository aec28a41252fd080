"""A stand-in StatusNotifierWatcher for the end-to-end tests: it owns the watcher's
name on the session bus, accepts items and prints each registration as
"registered SENDER SERVICE", flushed, one per line. Run with Debian's python3 (it
needs python3-gi)."""

import sys

from gi.repository import Gio, GLib

XML = """<node>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
  </interface>
</node>"""

items = []


def on_call(connection, sender, path, interface, method, parameters, invocation):
    if method == "RegisterStatusNotifierItem":
        service = parameters.unpack()[0]
        items.append(service)
        print(f"registered {sender} {service}", flush=True)
    invocation.return_value(None)


def on_get(connection, sender, path, interface, name):
    if name == "RegisteredStatusNotifierItems":
        return GLib.Variant("as", items)
    if name == "IsStatusNotifierHostRegistered":
        return GLib.Variant("b", True)
    return GLib.Variant("i", 0)


def on_bus(connection, name):
    info = Gio.DBusNodeInfo.new_for_xml(XML).interfaces[0]
    connection.register_object("/StatusNotifierWatcher", info, on_call, on_get, None)


def on_name(connection, name):
    print("watching", flush=True)


Gio.bus_own_name(Gio.BusType.SESSION, "org.kde.StatusNotifierWatcher", Gio.BusNameOwnerFlags.NONE, on_bus,
                 on_name, lambda *_: sys.exit(1))
GLib.MainLoop().run()
