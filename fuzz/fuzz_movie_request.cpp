// The movie player's server: any address a movie asks for is answered with one of
// the files served (the content folder's, by the names given, or Ruffle's) or with
// nothing; never with a path elsewhere, never with a link.
#include "tessel/media/TMediaServer.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct TServed {
    std::string content;
    std::string ruffle;
};

const TServed& Served()
{
    static const TServed served = [] {
        char content[] = "/tmp/fuzz-movies-XXXXXX";
        char ruffle[] = "/tmp/fuzz-ruffle-XXXXXX";
        TServed s { std::string(::mkdtemp(content)) + "/", std::string(::mkdtemp(ruffle)) + "/" };
        for (const char* name : { "Game.swf", "level.png", "Words.txt" })
            if (FILE* f = std::fopen((s.content + name).c_str(), "wb"))
                std::fclose(f);
        if (FILE* f = std::fopen((s.ruffle + "ruffle.js").c_str(), "wb"))
            std::fclose(f);
        (void)!::symlink("/etc/passwd", (s.content + "link.txt").c_str());
        tessel::TMediaServer::Instance().SetRuffleFolder(s.ruffle);
        tessel::TMediaServer::Instance().ServeFolder(
            s.content, { "Game.swf", "level.png", "Words.txt", "link.txt", "../x", "" });
        return s;
    }();
    return served;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TServed& served = Served();
    const std::string asked(reinterpret_cast<const char*>(data), size);
    for (const std::string& uri : { asked, std::string(tessel::TMediaServer::kBase) + "movies/" + asked,
             std::string(tessel::TMediaServer::kBase) + "ruffle/" + asked }) {
        tessel::TWebResponse answer = tessel::TMediaServer::Instance().Answer(uri);
        if (!answer.found || answer.file.empty())
            continue;
        const bool inside
            = answer.file.rfind(served.content, 0) == 0 || answer.file.rfind(served.ruffle, 0) == 0;
        const std::string name = answer.file.substr(answer.file.find_last_of('/') + 1);
        struct stat st;
        if (!inside || name == "link.txt" || ::lstat(answer.file.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            std::abort();
    }
    return 0;
}
