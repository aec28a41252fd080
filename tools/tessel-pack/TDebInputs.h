#pragma once

#include "tools/tessel-pack/TDebPackage.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace tessel {

// Ends the making of a package with a message for the user.
struct TDebError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The checks of what a package is made of, each before anything is written; every
// refusal is a TDebError that says what is wrong.
class TDebInputs {
public:
    struct TIconSize {
        int width = 0, height = 0;
    };
    static constexpr int kMinIcon = 16, kMaxIcon = 1024;

    // The name, version, title, description and copyright line, by Debian's rules.
    static void CheckNames(const TDebOptions& options);
    // A content package the player can unpack whole: readable, not empty, no entry
    // of a negative size, not shorter than its header promises. Returns its games,
    // as the Games menu names them.
    static std::vector<std::string> CheckContent(const std::string& path);
    // A PNG picture, read whole, kMinIcon to kMaxIcon pixels on each side.
    static TIconSize CheckIcon(const std::string& path);
    // The player, its web-view module and Ruffle in the folder.
    static void CheckPlayer(const std::string& program_dir);
    // The output is not the input (a package written over the collection).
    static void CheckNotOutput(const std::string& output, const std::string& input);
    // The maintainer given, or one made of DEBFULLNAME and DEBEMAIL: "Name <address>",
    // never one made up.
    static std::string Maintainer(const TDebOptions& options);
    // The text as it goes into a message: quoted, control characters escaped.
    static std::string Quoted(const std::string& text);
};

} // namespace tessel
