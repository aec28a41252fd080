#pragma once

#include <string>

namespace tessel {

// The page that hosts the Flash player (Ruffle's web build) in a web view, and the
// blank movie it loads at start so that the player is warm when a game is chosen.
// The page talks back through its title: "ready" once the player exists, then
// "loadeddata N" each time a movie has loaded.
class TPlayerPage {
public:
    // The page, loading Ruffle from ruffle_base (an address ending in "/").
    static std::string Html(const std::string& ruffle_base);
    // A movie of one black frame.
    static std::string BlankMovie();
};

} // namespace tessel
