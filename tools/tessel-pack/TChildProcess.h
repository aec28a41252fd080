#pragma once

#include <string>
#include <vector>

namespace tessel {

// Runs a program (looked up on PATH) with its arguments, no shell between, and
// collects what it printed.
class TChildProcess {
public:
    struct TResult {
        // The exit code; kNotStarted when the program could not be run at all.
        int status = kNotStarted;
        std::string out;
        std::string err;
    };
    static constexpr int kNotStarted = -1;

    // Runs argv[0] in folder (the current one when empty) and waits for it.
    static TResult Run(const std::vector<std::string>& argv, const std::string& folder = {});
};

} // namespace tessel
