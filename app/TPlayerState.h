#pragma once

#include "tessel/platform/TRect.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tessel {

// How the window was left.
enum class TWindowMode { Normal, Maximized, RolledUp };

// What the player remembers of a content package between runs: the window's place
// and mode, the sound, and the last game played. It lives in the user's state folder
// in a small INI file named after the package's content, which also names the
// package inside, so that a file of another package is never taken. A file that is
// missing, too large, of another package or damaged gives the defaults (with the
// reason); each value out of its range is dropped on its own. Saving writes a
// neighbour file first and renames it over the old one: a failed save leaves the old
// file whole.
class TPlayerState {
public:
    TRect bounds; // empty: the settings' size, placed by the desktop
    TWindowMode mode = TWindowMode::Normal;
    int volume = 100; // per cent
    bool muted = false;
    std::string last_game; // the package's file name of the movie

    // The package's key, 16 hex digits: a hash of its bytes, of its size and samples
    // past kWholeKeyBytes; empty when it is unreadable or no regular file.
    static std::string PackageKey(const std::string& package_path);
    static constexpr int64_t kWholeKeyBytes = 64 << 20;
    static constexpr int kKeySamples = 64;
    static constexpr int kKeySampleBytes = 64 << 10;
    // The state file of a package in the user's state folder.
    static std::string FilePath(const std::string& key);
    // The state read from path for the package key; problem says why the defaults
    // (or some of them) were taken, empty when all was read.
    static TPlayerState Load(const std::string& path, const std::string& key, std::string& problem);
    // Writes the state; false with the reason when it could not be written.
    bool Save(const std::string& path, const std::string& key, std::string& error) const;
    // The bounds when at least a corner of their caption band lies on a monitor, so
    // that the window can be taken and moved; else empty.
    static TRect OnScreen(const TRect& bounds, const std::vector<TRect>& monitors);

    static constexpr size_t kLargestFile = 64 * 1024;
};

} // namespace tessel
