// Content package reader: any bytes as Data.bin must unpack or raise one of the
// stream errors, and nothing may land anywhere but in the private folder, under the
// table's target names (beside the folder's marker).
#include "app/content/TContentPackage.h"
#include "app/content/TPrivateFolder.h"
#include "tessel/framework/Exception.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <string>
#include <unistd.h>

namespace {

std::string& Scratch()
{
    static std::string scratch = tessel::TPrivateFolder::Create("/tmp", "fuzz-content-");
    return scratch;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tessel;
    std::string package = Scratch() + "Data.bin";
    if (FILE* f = std::fopen(package.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    std::string folder = TPrivateFolder::Create(Scratch(), "run-");
    TContentTable table;
    try {
        TContentPackage content(package);
        content.ReadHeader(table);
        content.UnpackEntries(table, folder);
    } catch (const EStreamError&) { }
    std::vector<std::string> names = TContentPackage::TargetNames(table);
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir)) {
            std::string name = entry->d_name;
            if (name != "." && name != ".." && name != TPrivateFolder::kMarker
                && std::find(names.begin(), names.end(), name) == names.end())
                std::abort();
        }
        closedir(dir);
    }
    TContentPackage::RemoveEntries(table, folder);
    // The folder must be empty once the table's entries and the marker are removed.
    ::unlink((folder + TPrivateFolder::kMarker).c_str());
    if (::rmdir(folder.c_str()) != 0)
        std::abort();
    return 0;
}
