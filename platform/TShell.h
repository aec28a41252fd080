#pragma once

#include <string>

namespace tessel {

// The desktop's shell and the process's places.
class TShell {
public:
    // Opens an address or document with the desktop's default handler: runs the opener
    // ("xdg-open" unless another is given) with the address as its one argument, never
    // through a shell, and does not wait for it. False when it could not be started.
    static bool Open(const std::string& address, const std::string& opener = "xdg-open");
    // The directory for temporary files, with a trailing "/": TMPDIR, else /tmp/.
    static std::string TempPath();
};

} // namespace tessel
