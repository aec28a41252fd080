#pragma once

#include "tessel/platform/TWebView.h"

#include <map>
#include <string>
#include <vector>

namespace tessel {

class TBackend;

// Serves the "tessel:" scheme to the process's web views: the player page and
// Ruffle's files under tessel://player/, and movies and the files beside them by
// their file names under tessel://player/movies/NAME. A movie's address never
// depends on where the file lies, so what a game saves (kept by the page under its
// address) is found again in every run; a movie's relative addresses (a level, a
// picture, music beside it) resolve to the files of the same folder.
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
    // The files a movie may load from beside itself: these names of the folder (bare
    // file names; any other is passed over), in place of those served before. A name
    // asked for in another letter case finds its file when only one matches, as on
    // the systems the games were made for.
    void ServeFolder(const std::string& folder, const std::vector<std::string>& names);
    // The address relative addresses of movies resolve against.
    static std::string MoviesBase() { return std::string(kBase) + "movies/"; }
    // A file's media type, by its name's extension.
    static std::string TypeOf(const std::string& name);

    std::string PlayerPageUri() const { return std::string(kBase) + "player.html"; }
    TWebResponse Answer(const std::string& uri) const;

private:
    TMediaServer();

    std::string m_ruffle;
    const std::string* FindFile(const std::string& name) const;

    // Served names and the paths they stand for: the movies chosen, and the files
    // of the content folder.
    std::map<std::string, std::string> m_movies;
    std::map<std::string, std::string> m_folder;
};

} // namespace tessel
