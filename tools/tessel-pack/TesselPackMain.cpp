// tessel-pack: makes, lists and unpacks content packages (Data.bin).
//
//   tessel-pack create -o Data.bin FILE...   stored under their file-name parts
//   tessel-pack list Data.bin                entries, sizes, offsets, and a length check
//   tessel-pack extract Data.bin -C DIR      unpacked by the program's own rules
#include "tools/tessel-pack/TPackTool.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

using namespace tessel;

namespace {

int Usage()
{
    std::fprintf(stderr,
        "usage: tessel-pack create -o Data.bin FILE...\n"
        "       tessel-pack list Data.bin\n"
        "       tessel-pack extract Data.bin -C DIR\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return Usage();
    std::string command = argv[1];
    std::vector<std::string> files;
    std::string output, folder;
    for (int i = 2; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "-o" && i + 1 < argc)
            output = argv[++i];
        else if (a == "-C" && i + 1 < argc)
            folder = argv[++i];
        else if (a == "--")
            for (++i; i < argc; ++i)
                files.push_back(argv[i]);
        else if (!a.empty() && a[0] == '-')
            return Usage();
        else
            files.push_back(a);
    }
    if (command == "create" && !output.empty() && !files.empty())
        return TPackTool::Create(output, files, std::cerr);
    if (command == "list" && files.size() == 1)
        return TPackTool::List(files[0], std::cout, std::cerr);
    if (command == "extract" && files.size() == 1 && !folder.empty())
        return TPackTool::Extract(files[0], folder, std::cout, std::cerr);
    return Usage();
}
