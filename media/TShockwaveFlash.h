#pragma once

#include "tessel/media/TMovieOptions.h"
#include "tessel/media/TWebViewHost.h"

#include <string>

namespace tessel {

// The movie player: Ruffle's web build on the player page, in a web view. Setting
// Movie to a file's path plays that file; the player's other properties are its
// designed state and go with every movie loaded.
class TShockwaveFlash : public TWebViewHost {
public:
    explicit TShockwaveFlash(TComponent* owner = nullptr);

    const std::string& Movie() const { return m_movie; }
    // Plays the file, with the options given for it. A missing or unreadable file
    // raises the open error and leaves the player as it was.
    void SetMovie(const std::string& path, const TMovieOptions& options = {});

    const std::string& WMode() const { return m_wmode; }
    void SetWMode(const std::string& mode) { m_wmode = mode; }
    const std::string& Quality() const { return m_quality; }
    void SetQuality(const std::string& quality) { m_quality = quality; }
    const std::string& Scale() const { return m_scale; }
    void SetScale(const std::string& scale) { m_scale = scale; }
    bool Playing() const { return m_playing; }
    void SetPlaying(bool playing) { m_playing = playing; }
    bool Loop() const { return m_loop; }
    void SetLoop(bool loop) { m_loop = loop; }
    bool Menu() const { return m_menu; }
    void SetMenu(bool menu) { m_menu = menu; }
    const std::string& AllowNetworking() const { return m_allow_networking; }
    void SetAllowNetworking(const std::string& value) { m_allow_networking = value; }
    const std::string& AllowFullScreen() const { return m_allow_full_screen; }
    void SetAllowFullScreen(const std::string& value) { m_allow_full_screen = value; }

    // The person's pause, sound and volume (0 ... 100 per cent), through the movie
    // player's own interface; a new movie starts unpaused with the same sound. Each
    // change shows a short status over the movie.
    bool Paused() const { return m_paused; }
    void SetPaused(bool paused);
    int Volume() const { return m_volume; }
    void SetVolume(int percent);
    bool Muted() const { return m_muted; }
    void SetMuted(bool muted);

    // Loads the player's page, and with it Ruffle, ahead of the first movie; setting
    // a movie loads it too. Until then the player costs nothing.
    void Preload();

    // The options a movie is loaded with, as the page's script takes them. Its
    // relative addresses resolve beside it.
    std::string LoadOptions(const std::string& url, const TMovieOptions& options = {}) const;

    // The movie asked for full screen (from a person's click), or left it; the host
    // decides (OnViewFullScreen). LeaveFullScreen tells the movie it has ended.
    void LeaveFullScreen();

protected:
    // Off the screen (the window minimised or hidden) a playing movie rests.
    void ShownChanged(bool shown) override;

private:
    void TitleChanged(const std::string& title);
    void Play();
    // Hands the page the sound and shows status over the movie.
    void ApplySound(const std::string& status);
    void Script(const std::string& script);

    std::string m_movie;
    std::string m_movie_uri;
    TMovieOptions m_options;
    std::string m_wmode = "Window";
    std::string m_quality = "High";
    std::string m_scale = "ShowAll";
    bool m_playing = true;
    bool m_loop = true;
    bool m_menu = true;
    std::string m_allow_networking = "all";
    std::string m_allow_full_screen = "false";
    bool m_page_loading = false;
    bool m_ready = false;
    bool m_pending = false;
    bool m_paused = false;
    int m_volume = 100;
    bool m_muted = false;
};

} // namespace tessel
