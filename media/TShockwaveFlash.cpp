#include "tessel/media/TShockwaveFlash.h"

#include "tessel/framework/TFileStream.h"
#include "tessel/media/TMediaServer.h"
#include "tessel/platform/TWindowManager.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace tessel {

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// A JavaScript string literal.
std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c < 0x20) {
            static const char* hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 15];
            continue;
        }
        out += static_cast<char>(c);
    }
    return out + "\"";
}

// The Flash player's scale names as Ruffle's ("ShowAll" -> "showAll").
std::string ScaleName(const std::string& scale)
{
    std::string s = Lower(scale);
    if (s == "showall")
        return "showAll";
    if (s == "noborder")
        return "noBorder";
    if (s == "exactfit")
        return "exactFit";
    if (s == "noscale")
        return "noScale";
    return "showAll";
}

} // namespace

TShockwaveFlash::TShockwaveFlash(TComponent* owner)
    : TWebViewHost(owner, TWebViewKind::Program)
{
    if (TWebView* view = View())
        view->SetTitleChanged([this](const std::string& title) { TitleChanged(title); });
}

void TShockwaveFlash::Preload()
{
    if (m_page_loading)
        return;
    m_page_loading = true;
    if (TWebView* view = View())
        view->LoadUri(TMediaServer::Instance().PlayerPageUri());
}

std::string TShockwaveFlash::LoadOptions(const std::string& url, const TMovieOptions& options) const
{
    // Loop has no counterpart: a movie's frames repeat unless the movie stops them.
    // Script access lets a movie's links leave by any window name (the page's
    // policy forbids the scripts a movie could bring).
    std::string full_screen = Lower(m_allow_full_screen) == "true" ? "true" : "false";
    std::string out = "{ url: " + Quoted(url) + ", base: " + Quoted(TMediaServer::MoviesBase())
        + ", autoplay: " + (m_playing ? "\"on\"" : "\"off\"")
        + ", quality: " + Quoted(Lower(options.quality.empty() ? m_quality : options.quality))
        + ", scale: " + Quoted(ScaleName(options.scale.empty() ? m_scale : options.scale))
        + ", wmode: " + Quoted(Lower(m_wmode)) + ", contextMenu: " + (m_menu ? "\"on\"" : "\"off\"")
        + ", menu: " + (m_menu ? "true" : "false") + ", allowFullscreen: " + full_screen
        + ", allowNetworking: " + Quoted(Lower(m_allow_networking)) + ", allowScriptAccess: true";
    if (!options.flashvars.empty())
        out += ", parameters: " + Quoted(options.flashvars);
    if (options.frame_rate > 0) {
        // Locale-free: thousandths at the most.
        const long thousandths = std::lround(options.frame_rate * 1000);
        char rate[32];
        std::snprintf(rate, sizeof rate, "%ld.%03ld", thousandths / 1000, thousandths % 1000);
        out += std::string(", frameRate: ") + rate;
    }
    return out + " }";
}

void TShockwaveFlash::SetMovie(const std::string& path, const TMovieOptions& options)
{
    // Opening proves the file is there and readable, before anything changes.
    {
        TFileStream probe(path, TFileMode::fmOpenRead);
    }
    m_movie = path;
    m_movie_uri = TMediaServer::Instance().ServeMovie(path);
    m_options = options;
    m_pending = true;
    // The game chosen takes the keys now; should the user click elsewhere while it
    // loads, the keys stay where they were put.
    if (TWebView* view = View())
        view->Focus();
    Preload();
    if (m_ready)
        Play();
}

void TShockwaveFlash::Play()
{
    m_pending = false;
    m_paused = false;
    std::string background = "null";
    if (m_options.background) {
        char colour[16];
        std::snprintf(colour, sizeof colour, "\"#%06x\"", *m_options.background & 0xFFFFFF);
        background = colour;
    }
    Script("tesselPlay(" + LoadOptions(m_movie_uri, m_options) + ", " + background + ")");
}

void TShockwaveFlash::LeaveFullScreen()
{
    if (m_ready)
        Script("tesselLeaveFullScreen()");
}

void TShockwaveFlash::Script(const std::string& script)
{
    if (TWebView* view = View())
        view->RunScript(script);
}

void TShockwaveFlash::SetPaused(bool paused)
{
    if (m_movie.empty() || paused == m_paused)
        return;
    m_paused = paused;
    if (m_ready)
        Script(std::string("tesselPause(") + (paused ? "true" : "false") + "); tesselStatus("
            + Quoted(paused ? "Paused" : "Playing") + ")");
}

void TShockwaveFlash::SetVolume(int percent)
{
    m_volume = std::clamp(percent, 0, 100);
    m_muted = false;
    ApplySound("Volume " + std::to_string(m_volume) + " %");
}

void TShockwaveFlash::SetMuted(bool muted)
{
    m_muted = muted;
    ApplySound(muted ? "Sound off" : "Sound on, volume " + std::to_string(m_volume) + " %");
}

void TShockwaveFlash::ApplySound(const std::string& status)
{
    const int level = m_muted ? 0 : m_volume;
    // Whole hundredths: the page's number reads the same in every locale.
    const std::string value = level == 100 ? "1"
        : level == 0                       ? "0"
                     : "0." + std::string(level < 10 ? "0" : "") + std::to_string(level);
    std::string script = "tesselVolume(" + value + ")";
    if (!status.empty())
        script += "; tesselStatus(" + Quoted(status) + ")";
    if (m_ready)
        Script(script);
}

void TShockwaveFlash::ShownChanged(bool shown)
{
    if (m_ready)
        if (TWebView* view = View())
            view->RunScript(shown ? "tesselResume()" : "tesselSuspend()");
}

void TShockwaveFlash::TitleChanged(const std::string& title)
{
    if (title == "ready") {
        m_ready = true;
        // The sound set before the page was there (the remembered one).
        if (m_muted || m_volume != 100)
            ApplySound("");
        if (m_pending)
            Play();
        return;
    }
    if (title.rfind("fullscreen ", 0) == 0) {
        RequestFullScreen(title.rfind("fullscreen on", 0) == 0);
        return;
    }
    // Keys reach the game without a first click only when the page's player has the
    // page's focus too (the view has had the window's since the movie was chosen).
    if (title.rfind("loadeddata", 0) == 0 && !m_movie.empty())
        Script("tesselFocus()");
}

} // namespace tessel
