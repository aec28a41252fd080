#pragma once

#include <string>

namespace tessel {

// A folder made for this run only: a unique name inside the system's temporary
// directory, readable by its owner alone (mode 0700), holding a marker file that
// names the run (its process id and the process's start time), so that a later run
// can tell a folder left behind by a run that no longer exists.
class TPrivateFolder {
public:
    // The marker's name; no unpacked file may take it.
    static constexpr const char* kMarker = ".tessel-run";

    // Makes the folder with its marker; raises the create error when it cannot.
    static std::string Create(const std::string& temp_path, const std::string& prefix = "tessel-");
    // Removes the folder with everything in it; links inside are removed, never
    // followed. Failures are passed over.
    static void Remove(const std::string& folder);
    // Removes the folders of earlier runs whose process is gone: folders of this
    // user named prefix + six characters, not links, whose marker (a regular file)
    // names a process that no longer exists or started at another time. Anything
    // else in the temporary directory is left alone. Returns how many went.
    static int RemoveStale(const std::string& temp_path, const std::string& prefix = "tessel-");

    // The marker's text for a process: "tessel-run PID START".
    static std::string MarkerText(long pid);
};

} // namespace tessel
