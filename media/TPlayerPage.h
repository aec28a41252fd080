#pragma once

#include <string>

namespace tessel {

// The page that hosts the Flash player (Ruffle's web build) in a web view, and the
// blank movie it loads at start so that the player is warm when a game is chosen.
// The page talks back through its title: "ready" once the player exists,
// "loadeddata N" each time a movie has loaded, "fullscreen on N" and "fullscreen
// off N" when the movie asks for full screen or leaves it.
class TPlayerPage {
public:
    // The page, loading Ruffle from ruffle_base (an address ending in "/"), its
    // settings (player-config.js) and its script (player.js) from beside it.
    static std::string Html(const std::string& ruffle_base);
    static std::string ConfigScript(const std::string& ruffle_base);
    static std::string Script();
    // A movie of one black frame.
    static std::string BlankMovie();
};

} // namespace tessel
