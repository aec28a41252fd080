// A collection's settings1.ini as tessel-pack checks it and the player reads it: the
// profile reader, the settings' text, the links' and the games' options, against a
// few file names the first byte chooses.
#include "app/content/TCollectionSettings.h"
#include "tessel/platform/TProfileFile.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tessel;
    if (size < 1)
        return 0;
    static const std::string path = "/tmp/fuzz-settings-" + std::to_string(::getpid()) + ".ini";
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return 0;
    std::fwrite(data + 1, 1, size - 1, file);
    std::fclose(file);

    const char* names[]
        = { "Orbit.swf", "clicker.SWF", "top.html", "settings1.ini", "a b.swf", "caf\xC3\xA9.swf" };
    std::vector<std::string> files;
    for (int i = 0; i < 6; ++i)
        if (data[0] & (1 << i))
            files.push_back(names[i]);
    for (const TCollectionSettings::TProblem& problem : TCollectionSettings::Check(path, files))
        if (problem.message.empty())
            std::abort();
    // Every section's names as written are found again by the reader.
    const TProfileFile settings(path);
    for (const TProfileFile::TSectionNames& section : settings.Names())
        for (const std::string& key : section.keys)
            if (settings.String(section.name, key, "\x01") == "\x01"
                && settings.String(section.name, key, "\x02") == "\x02")
                std::abort();
    return 0;
}
