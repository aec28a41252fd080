#pragma once

#include <string>
#include <vector>

namespace tessel {

// A collection's settings1.ini: how the player reads its text, and what a check of
// it against the collection's files finds, for whoever packs the collection.
class TCollectionSettings {
public:
    static constexpr const char* kFileName = "settings1.ini";
    // The most Links entries [Links] nr makes.
    static constexpr int kMostLinks = 10000;

    // Settings text as people write it: UTF-8 when it is well-formed UTF-8, else the
    // Windows-1252 that packages made on Windows carry (as their names are read).
    static std::string Text(const std::string& value);
    // A file that begins with a UTF-16 byte-order mark: the player reads none of it.
    static bool IsUtf16(const std::string& path);
    // A movie's name ends in ".swf" in any letter case, as names from Windows do.
    static bool IsMovieName(const std::string& name);

    struct TProblem {
        // The player would apply none of the settings, or a game section names a
        // movie the collection lacks: a package made so would not be what was meant.
        bool fatal = false;
        std::string message;
    };
    // The settings at path against the names of the collection's files, in the order
    // the file gives them: text in UTF-16 or no [Links] nr (nothing applies), a game
    // section without its movie (fatal); sections and keys the player does not read,
    // game options it would ignore, pages and links that name no file of the
    // collection and no address it opens, nr past its bound (warnings).
    static std::vector<TProblem> Check(const std::string& path, const std::vector<std::string>& files);
};

} // namespace tessel
