#pragma once

#include <iosfwd>
#include <string>

namespace tessel {

// What a Debian package of a collection is made of.
struct TDebOptions {
    std::string name;
    std::string version;
    std::string title;
    // The collection's content package (Data.bin).
    std::string content;
    // A PNG for the desktop menu; Tessel's own icons when empty.
    std::string icon;
    // The package file; NAME.deb when empty.
    std::string output;
    // The prefix Tessel is installed in, where the player is taken from; the prefix
    // of the running tool when empty.
    std::string player;
    // "Name <address>"; from DEBFULLNAME and DEBEMAIL when empty.
    std::string maintainer;
    // The package's long description; one made from the title and the games when empty.
    std::string description;
    // The collection's copyright holder, "YEAR NAME".
    std::string copyright;
};

// Makes a Debian package that installs a collection as a program of its own, as
// Debian's checker (lintian) wants it: the player with its web-view module and
// Ruffle's files, the collection's Data.bin beside it in /usr/lib/NAME, the program
// as /usr/games/NAME with its manual page, a desktop entry with the collection's
// title, its games as keywords and an icon, AppStream metadata for software
// centres, a changelog entry of the version and a machine-readable copyright file.
// The package is built by dpkg-deb, its dependencies found by dpkg-shlibdeps, the
// sound server's GStreamer sinks recommended; it is written beside the output and
// takes its place only when complete, and the staging folder goes in every case.
class TDebPackage {
public:
    // Returns the exit code: 0 when the package was written, 1 when the input is
    // refused or a step fails (with a message on err).
    static int Build(const TDebOptions& options, std::ostream& out, std::ostream& err);
    // The prefix the running program is installed in (the folder above its own).
    static std::string OwnPrefix();
};

} // namespace tessel
