#include "media/TMediaServer.h"

#include "media/TPlayerPage.h"
#include "media/TUri.h"
#include "platform/TBackend.h"
#include "platform/TShell.h"

#include <sys/stat.h>
#include <unistd.h>

namespace tessel {

namespace {

std::string TypeOf(const std::string& name)
{
    auto ends = [&](const char* ext) {
        std::string e = ext;
        return name.size() >= e.size() && name.compare(name.size() - e.size(), e.size(), e) == 0;
    };
    if (ends(".wasm"))
        return "application/wasm";
    if (ends(".js"))
        return "text/javascript";
    if (ends(".html"))
        return "text/html; charset=utf-8";
    if (ends(".swf"))
        return "application/x-shockwave-flash";
    if (ends(".map") || ends(".json"))
        return "application/json";
    return "application/octet-stream";
}

// A file is answered by its path: the web engine maps it, so Ruffle's 14 MB module
// is neither read on the interface's thread nor copied.
TWebResponse FileResponse(const std::string& path, const std::string& name)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || ::access(path.c_str(), R_OK) != 0)
        return {};
    return { true, TypeOf(name), {}, path };
}

std::string FolderOf(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

} // namespace

TMediaServer& TMediaServer::Instance()
{
    static TMediaServer server;
    return server;
}

TMediaServer::TMediaServer()
    : m_ruffle(FolderOf(TShell::ProgramPath()) + "ruffle/")
{ }

void TMediaServer::Install(TBackend& backend)
{
    // The backend keeps the first set-up it is given; later calls change nothing.
    TWebConfig config;
    config.data_folder = TShell::UserDataFolder("tessel");
    config.cache_folder = TShell::UserCacheFolder("tessel");
    // WebKit keeps nothing (and the player fails) where the folders are missing.
    TShell::MakeFolders(config.data_folder);
    TShell::MakeFolders(config.cache_folder);
    config.schemes.push_back({ kScheme, [this](const std::string& uri) { return Answer(uri); } });
    backend.ConfigureWeb(config);
}

void TMediaServer::SetRuffleFolder(const std::string& folder)
{
    m_ruffle = folder.empty() || folder.back() == '/' ? folder : folder + "/";
}

std::string TMediaServer::ServeMovie(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    m_movies[name] = path;
    return std::string(kBase) + "movies/" + TUri::Escape(name);
}

TWebResponse TMediaServer::Answer(const std::string& uri) const
{
    std::string base = kBase;
    if (uri.compare(0, base.size(), base) != 0)
        return {};
    std::string path = uri.substr(base.size());
    path = path.substr(0, path.find_first_of("?#"));
    path = TUri::Unescape(path);
    if (path == "player.html")
        return { true, TypeOf(path), TPlayerPage::Html(base + "ruffle/"), {} };
    if (path == "blank.swf")
        return { true, TypeOf(path), TPlayerPage::BlankMovie(), {} };
    auto inside = [](const std::string& name) {
        return !name.empty() && name.find('/') == std::string::npos && name != "." && name != "..";
    };
    if (path.rfind("ruffle/", 0) == 0) {
        std::string name = path.substr(7);
        return inside(name) ? FileResponse(m_ruffle + name, name) : TWebResponse {};
    }
    if (path.rfind("movies/", 0) == 0) {
        auto it = m_movies.find(path.substr(7));
        return it == m_movies.end() ? TWebResponse {} : FileResponse(it->second, it->first);
    }
    return {};
}

} // namespace tessel
