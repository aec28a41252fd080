#pragma once

#include "platform/TWebView.h"

#include <map>
#include <string>

namespace tessel {

class TBackend;

// Serves the "tessel:" scheme to the process's web views: the player page and
// Ruffle's files under tessel://player/, and movies by their file names under
// tessel://player/movies/NAME. A movie's address never depends on where the file
// lies, so what a game saves (kept by the page under its address) is found again in
// every run.
class TMediaServer {
public:
    static constexpr const char* kScheme = "tessel";
    static constexpr const char* kBase = "tessel://player/";

    static TMediaServer& Instance();

    // Sets up the backend's web views (a backend takes only its first set-up): this
    // scheme, the preferred language, and the user's data and cache folders for
    // what pages keep.
    void Install(TBackend& backend);
    // The folder holding Ruffle's files (ruffle.js, its chunks and .wasm files);
    // by default "ruffle/" beside the program.
    void SetRuffleFolder(const std::string& folder);
    const std::string& RuffleFolder() const { return m_ruffle; }
    // The address the movie file is served under from now on.
    std::string ServeMovie(const std::string& path);

    std::string PlayerPageUri() const { return std::string(kBase) + "player.html"; }
    TWebResponse Answer(const std::string& uri) const;

private:
    TMediaServer();

    std::string m_ruffle;
    std::map<std::string, std::string> m_movies;
};

} // namespace tessel
