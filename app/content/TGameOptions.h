#pragma once

#include "tessel/media/TMovieOptions.h"

#include <functional>
#include <string>

namespace tessel {

class TProfileFile;

// A game's own options in the settings: the section "Game NAME" for the movie
// NAME.swf, with flashvars= (a query string), quality= (low, medium, high, best),
// scale= (showall, noborder, exactfit, noscale), framerate= (frames a second, above
// 0 and at most 120) and background= (#RRGGBB, 0xRRGGBB or $RRGGBB). A missing
// section or key, or an empty value, changes nothing; a bad value is left out and
// told to warn, in one line naming the section and the key, and the other keys
// still count.
class TGameOptions {
public:
    static std::string SectionOf(const std::string& movie_name);
    static TMovieOptions Read(const TProfileFile& settings, const std::string& movie_name,
        const std::function<void(const std::string&)>& warn);
};

} // namespace tessel
