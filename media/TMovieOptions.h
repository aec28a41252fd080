#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tessel {

// What one movie is played with beyond the player's own state; an empty field
// leaves the player's (or the movie's) own value.
struct TMovieOptions {
    // The movie's parameters (FlashVars), as a query string.
    std::string flashvars;
    // "low", "medium", "high" or "best".
    std::string quality;
    // "showall", "noborder", "exactfit" or "noscale".
    std::string scale;
    // Frames a second in place of the movie's; 0 keeps the movie's.
    double frame_rate = 0;
    // The colour (0xRRGGBB) of the space beside the stage.
    std::optional<uint32_t> background;
};

} // namespace tessel
