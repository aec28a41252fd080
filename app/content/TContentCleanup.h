#pragma once

#include <string>
#include <vector>

namespace tessel {

// Removes the unpacked content also when the program does not end by its window:
// ended by SIGINT, SIGTERM or SIGHUP, or dying of SIGSEGV, SIGABRT, SIGBUS, SIGFPE
// or SIGILL. The paths are prepared beforehand, so the handler only unlinks and
// removes the folder (calls that are safe in a signal handler) and then ends the
// process by the same signal. SIGUSR1, SIGUSR2 and SIGPIPE are caught and dropped:
// nothing sent to the player by mistake ends it, and the programs it starts still
// get their own.
class TContentCleanup {
public:
    // Installs the handlers (once) and sets what they remove: the named files in
    // folder and the folder's marker, then the folder itself.
    static void Arm(const std::string& folder, const std::vector<std::string>& names);
    // Forgets the paths; the handlers then only end the process.
    static void Disarm();
    // Removes the prepared paths now (for an end that is no signal: the display
    // went away).
    static void RemoveNow();
};

} // namespace tessel
