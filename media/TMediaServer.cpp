#include "tessel/media/TMediaServer.h"

#include "tessel/framework/SysUtils.h"
#include "tessel/media/TPlayerPage.h"
#include "tessel/media/TUri.h"
#include "tessel/platform/TBackend.h"
#include "tessel/platform/TShell.h"

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace tessel {

namespace {

// A file is answered by its path: the web engine maps it, so Ruffle's 14 MB module
// is neither read on the interface's thread nor copied.
enum class TLinks { Follow, Refuse };

// A regular, readable file. The content's files are never links (unpacking makes
// none): a link there is refused, not followed.
TWebResponse FileResponse(const std::string& path, const std::string& name, TLinks links)
{
    struct stat st;
    const int found = links == TLinks::Follow ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st);
    if (found != 0 || !S_ISREG(st.st_mode) || ::access(path.c_str(), R_OK) != 0)
        return {};
    return { true, TMediaServer::TypeOf(name), {}, path };
}

// A bare file name: no folder, no way up, nothing a file system or a log would
// take for something else.
bool IsBareName(const std::string& name)
{
    if (name.empty() || name == "." || name == ".." || name.size() > 255)
        return false;
    return std::none_of(name.begin(), name.end(),
        [](char c) { return c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

std::string FolderOf(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

} // namespace

std::string TMediaServer::TypeOf(const std::string& name)
{
    static const std::pair<const char*, const char*> kTypes[] = {
        { "wasm", "application/wasm" },
        { "js", "text/javascript" },
        { "html", "text/html; charset=utf-8" },
        { "htm", "text/html; charset=utf-8" },
        { "swf", "application/x-shockwave-flash" },
        { "map", "application/json" },
        { "json", "application/json" },
        { "png", "image/png" },
        { "jpg", "image/jpeg" },
        { "jpeg", "image/jpeg" },
        { "gif", "image/gif" },
        { "flv", "video/x-flv" },
        { "f4v", "video/mp4" },
        { "mp4", "video/mp4" },
        { "mp3", "audio/mpeg" },
        { "wav", "audio/wav" },
        { "xml", "text/xml" },
        { "txt", "text/plain" },
        { "css", "text/css" },
    };
    size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) {
        const std::string_view ext = std::string_view(name).substr(dot + 1);
        for (auto [e, type] : kTypes)
            if (SameText(ext, e))
                return type;
    }
    return "application/octet-stream";
}

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
    return MoviesBase() + TUri::Escape(name);
}

void TMediaServer::ServeFolder(const std::string& folder, const std::vector<std::string>& names)
{
    m_folder.clear();
    const std::string base = IncludeTrailingPathDelimiter(folder);
    for (const std::string& name : names)
        if (IsBareName(name))
            m_folder[name] = base + name;
}

const std::string* TMediaServer::FindFile(const std::string& name) const
{
    for (const auto* files : { &m_movies, &m_folder })
        if (auto it = files->find(name); it != files->end())
            return &it->second;
    // Games made on Windows name their files in any letter case.
    const std::string* found = nullptr;
    for (const auto& [served, path] : m_folder)
        if (SameText(served, name)) {
            if (found)
                return nullptr;
            found = &path;
        }
    return found;
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
    if (path == "player-config.js")
        return { true, TypeOf(path), TPlayerPage::ConfigScript(base + "ruffle/"), {} };
    if (path == "player.js")
        return { true, TypeOf(path), TPlayerPage::Script(), {} };
    if (path == "blank.swf")
        return { true, TypeOf(path), TPlayerPage::BlankMovie(), {} };
    if (path.rfind("ruffle/", 0) == 0) {
        std::string name = path.substr(7);
        return IsBareName(name) ? FileResponse(m_ruffle + name, name, TLinks::Follow) : TWebResponse {};
    }
    if (path.rfind("movies/", 0) == 0) {
        std::string name = path.substr(7);
        const std::string* file = IsBareName(name) ? FindFile(name) : nullptr;
        return file ? FileResponse(*file, name, TLinks::Refuse) : TWebResponse {};
    }
    return {};
}

} // namespace tessel
