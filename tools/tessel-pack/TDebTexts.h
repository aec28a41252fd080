#pragma once

#include "tools/tessel-pack/TDebPackage.h"

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace tessel {

// The texts a collection's Debian package carries, made from what it is given (its
// options, checked before, the maintainer and the collection's games as the Games
// menu names them) and the moment it is made.
class TDebTexts {
public:
    TDebTexts(
        const TDebOptions& options, std::string maintainer, std::vector<std::string> games, std::time_t made);

    // DEBIAN/control.
    std::string Control(
        const std::string& architecture, uint64_t installed_kib, const std::string& depends) const;
    // usr/share/applications/NAME.desktop: the title, the games as keywords.
    std::string DesktopEntry() const;
    // usr/share/doc/NAME/copyright, in Debian's machine-readable form: the collection
    // its holder's, the player Tessel's (Expat), Ruffle Expat or Apache-2.0.
    std::string Copyright() const;
    // The changelog's one entry, for the version; its file's name before it is
    // compressed (changelog, or changelog.Debian for a version with a Debian revision).
    std::string Changelog() const;
    std::string ChangelogName() const;
    // The program's manual page in section 6, roff.
    std::string ManualPage() const;
    // usr/share/metainfo/NAME.metainfo.xml, for software centres.
    std::string Metainfo() const;
    // The component's id in the metadata: the maintainer's mail domain reversed, then
    // the package name ("org.example.space_games").
    std::string ComponentId() const;
    // usr/share/lintian/overrides/NAME: for a first version (revision 1), the warning
    // that it closes no bug asking for the package, which only uploads to Debian's
    // archive do; empty for other versions.
    std::string LintianOverrides() const;
    // The one-line summary and the long description's paragraphs.
    std::string Synopsis() const;
    std::vector<std::string> Paragraphs() const;

    // The sound servers' GStreamer sinks that WebKit plays through, and ALSA's.
    static constexpr const char* kRecommends
        = "gstreamer1.0-pulseaudio | gstreamer1.0-pipewire, gstreamer1.0-alsa";

private:
    const TDebOptions& m_options;
    std::string m_maintainer;
    std::vector<std::string> m_games;
    std::time_t m_made;
};

} // namespace tessel
