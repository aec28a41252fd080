#pragma once

namespace tessel {

// A session bus for the web processes where the desktop has none (a bare X server,
// a remote shell). They register the media that plays with the session bus, and
// without one each of them warns and tries to start a bus through dbus-launch,
// which stays behind. The bus started here is the program's own and ends with it.
class TGtkSessionBus {
public:
    // Makes sure the processes started from now on find a session bus: the
    // desktop's, or a private one (when dbus-daemon is there to run it).
    static void Provide();
};

} // namespace tessel
