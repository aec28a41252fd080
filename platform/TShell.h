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
    // The full path of the running program's file; empty when it cannot be told.
    static std::string ProgramPath();
    // The user's folder for data and for cache files of the named program
    // (XDG_DATA_HOME or ~/.local/share, XDG_CACHE_HOME or ~/.cache), with a trailing "/".
    static std::string UserDataFolder(const std::string& program);
    static std::string UserCacheFolder(const std::string& program);
    // XDG_STATE_HOME or ~/.local/state, the same way.
    static std::string UserStateFolder(const std::string& program);
    // Makes the folder and any missing folder above it (owner-only); false when it
    // cannot be made.
    static bool MakeFolders(const std::string& path);
};

} // namespace tessel
