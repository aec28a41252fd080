#pragma once

#include <string>
#include <vector>

namespace tessel {

// Removes the unpacked content also when the program is ended by SIGINT, SIGTERM or
// SIGHUP: the paths are prepared beforehand, so the handler only unlinks and removes
// the folder (calls that are safe in a signal handler) and then ends the process by
// the same signal.
class TContentCleanup {
public:
    // Installs the handlers (once) and sets what they remove: the named files in
    // folder, then the folder itself.
    static void Arm(const std::string& folder, const std::vector<std::string>& names);
    // Forgets the paths; the handlers then only end the process.
    static void Disarm();
};

} // namespace tessel
