#pragma once

#include <string>

namespace tessel {

// A folder made for this run only: a unique name inside the system's temporary
// directory, readable by its owner alone (mode 0700).
class TPrivateFolder {
public:
    // Makes the folder; raises the create error when it cannot.
    static std::string Create(const std::string& temp_path, const std::string& prefix = "tessel-");
    // Removes the folder with everything in it; links inside are removed, never
    // followed. Failures are passed over.
    static void Remove(const std::string& folder);
};

} // namespace tessel
