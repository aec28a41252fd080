#include "app/content/TCollectionSettings.h"

#include "app/content/TContentNames.h"
#include "app/content/TGameOptions.h"
#include "tessel/framework/SysUtils.h"
#include "tessel/platform/TProfileFile.h"
#include "tessel/platform/Utf8.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <strings.h>

namespace tessel {

namespace {

bool OneOf(const std::string& key, std::initializer_list<const char*> names)
{
    return std::any_of(names.begin(), names.end(), [&](const char* name) { return SameText(key, name); });
}

// The number behind a key's name ("title12" is 12 behind "title"); 0 for none.
int Numbered(const std::string& key, const char* stem)
{
    const size_t length = std::char_traits<char>::length(stem);
    if (key.size() <= length || strncasecmp(key.c_str(), stem, length) != 0)
        return 0;
    std::optional<int32_t> n = TryStrToInt(std::string_view(key).substr(length));
    return n && *n > 0 && key[length] != '+' ? *n : 0;
}

// An address that is a bare name (no scheme, no folder): the player takes it for a
// file of the collection.
bool IsBareName(const std::string& address)
{
    return !address.empty() && address.find(':') == std::string::npos
        && address.find('/') == std::string::npos;
}

bool OpensAsLink(const std::string& address)
{
    const size_t colon = address.find(':');
    if (colon == std::string::npos)
        return false;
    const std::string scheme = address.substr(0, colon);
    return SameText(scheme, "http") || SameText(scheme, "https") || SameText(scheme, "mailto");
}

} // namespace

std::string TCollectionSettings::Text(const std::string& value)
{
    return IsValidUtf8(value) ? value : TContentNames::Windows1252ToUtf8(value);
}

bool TCollectionSettings::IsUtf16(const std::string& path)
{
    unsigned char mark[2] = {};
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    const size_t n = std::fread(mark, 1, 2, f);
    std::fclose(f);
    return n == 2 && ((mark[0] == 0xFF && mark[1] == 0xFE) || (mark[0] == 0xFE && mark[1] == 0xFF));
}

bool TCollectionSettings::IsMovieName(const std::string& name)
{
    return name.size() > 4 && strncasecmp(name.c_str() + name.size() - 4, ".swf", 4) == 0;
}

std::vector<TCollectionSettings::TProblem> TCollectionSettings::Check(
    const std::string& path, const std::vector<std::string>& files)
{
    std::vector<TProblem> problems;
    auto fatal = [&](std::string message) { problems.push_back({ true, std::move(message) }); };
    auto warn = [&](std::string message) { problems.push_back({ false, std::move(message) }); };
    if (IsUtf16(path)) {
        fatal("written in UTF-16; the player reads settings as UTF-8 or Windows-1252 text and would apply "
              "none");
        return problems;
    }
    const TProfileFile settings(path);
    auto text = [&](const std::string& section, const std::string& key) {
        return Text(settings.String(section, key, ""));
    };
    auto is_file
        = [&](const std::string& name) { return std::find(files.begin(), files.end(), name) != files.end(); };

    const std::string nr_text = text("Links", "nr");
    const std::optional<int32_t> nr = TryStrToInt(nr_text);
    if (!nr)
        fatal("[Links] nr is " + (nr_text.empty() ? std::string("missing") : "\"" + nr_text + "\", no number")
            + "; without it the player applies none of the settings");
    else if (*nr > kMostLinks)
        warn("[Links] nr=" + nr_text + " is more than " + std::to_string(kMostLinks) + "; the menu has "
            + std::to_string(kMostLinks) + " entries");

    for (const TProfileFile::TSectionNames& section : settings.Names()) {
        const std::string& name = section.name;
        auto unread = [&](const std::string& key) {
            warn("[" + Text(name) + "] " + Text(key) + " is no key the player reads; it is ignored");
        };
        if (SameText(name, "Main")) {
            for (const std::string& key : section.keys)
                if (!OneOf(key, { "width", "height", "title" }))
                    unread(key);
        } else if (SameText(name, "TopPanel") || SameText(name, "BottomPanel")) {
            for (const std::string& key : section.keys)
                if (!OneOf(key, { "height", "link" }))
                    unread(key);
            const std::string link = text(name, "link");
            if (IsBareName(link) && !is_file(link))
                warn("[" + name + "] link=" + link
                    + " names no file of the collection; the panel takes it for a web address");
        } else if (SameText(name, "Links")) {
            for (const std::string& key : section.keys) {
                const int n = std::max(Numbered(key, "title"), Numbered(key, "link"));
                if (n == 0 && !OneOf(key, { "nr", "ButtonName" }))
                    unread(key);
                else if (n > 0 && nr && n > std::min(*nr, kMostLinks))
                    warn("[Links] " + Text(key) + " is past nr=" + nr_text + "; the menu has no such entry");
                else if (Numbered(key, "link") > 0) {
                    const std::string link = text(name, key);
                    if (IsBareName(link) ? !is_file(link) : !OpensAsLink(link))
                        warn("[Links] " + Text(key) + "=" + link
                            + " is no file of the collection and no http, https or mailto address; the "
                              "player "
                              "refuses it");
                }
            }
        } else if (name.size() > 5 && SameText(name.substr(0, 5), "Game ")) {
            auto movie = std::find_if(files.begin(), files.end(), [&](const std::string& file) {
                return IsMovieName(file) && SameText(TGameOptions::SectionOf(file), name);
            });
            if (movie == files.end()) {
                fatal("[" + Text(name) + "] is for the movie " + Text(name.substr(5))
                    + ".swf, which is not in the collection");
                continue;
            }
            for (const std::string& key : section.keys)
                if (!OneOf(key, { "flashvars", "quality", "scale", "framerate", "background" }))
                    unread(key);
            TGameOptions::Read(settings, *movie, [&](const std::string& message) { warn(message); });
        } else {
            warn("[" + Text(name) + "] is no section the player reads; it is ignored");
        }
    }
    return problems;
}

} // namespace tessel
