// tessel-pack: makes, lists and unpacks content packages (Data.bin), and makes a
// Debian package of a collection.
//
//   tessel-pack create -o Data.bin FILE...   stored under their file-name parts
//   tessel-pack list Data.bin                entries, sizes, offsets, and a length check
//   tessel-pack extract Data.bin -C DIR      unpacked by the program's own rules
//   tessel-pack deb --name NAME --version V --title TITLE Data.bin [--icon PNG] [-o NAME.deb]
//                   [--maintainer "Name <address>"] [--player PREFIX]
#include "tools/tessel-pack/TDebPackage.h"
#include "tools/tessel-pack/TPackTool.h"

#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

using namespace tessel;

namespace {

int Usage()
{
    std::fprintf(stderr,
        "usage: tessel-pack create -o Data.bin FILE...\n"
        "       tessel-pack list Data.bin\n"
        "       tessel-pack extract Data.bin -C DIR\n"
        "       tessel-pack deb --name NAME --version VERSION --title TITLE Data.bin [--icon PNG]\n"
        "                       [-o NAME.deb] [--maintainer \"Name <address>\"] [--player PREFIX]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return Usage();
    const std::string command = argv[1];
    // The options each command takes; every one has a value.
    const std::map<std::string, std::vector<std::string>> known {
        { "create", { "-o" } },
        { "list", {} },
        { "extract", { "-C" } },
        { "deb", { "-o", "--name", "--version", "--title", "--icon", "--maintainer", "--player" } },
    };
    auto allowed = known.find(command);
    if (allowed == known.end())
        return Usage();
    std::map<std::string, std::string> options;
    std::vector<std::string> files;
    for (int i = 2; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--") {
            for (++i; i < argc; ++i)
                files.push_back(argv[i]);
        } else if (!a.empty() && a[0] == '-') {
            bool takes = false;
            for (const std::string& o : allowed->second)
                takes = takes || o == a;
            if (!takes || i + 1 >= argc || options.count(a))
                return Usage();
            options[a] = argv[++i];
        } else {
            files.push_back(a);
        }
    }
    if (command == "create" && options.count("-o") && !files.empty())
        return TPackTool::Create(options["-o"], files, std::cerr);
    if (command == "list" && files.size() == 1)
        return TPackTool::List(files[0], std::cout, std::cerr);
    if (command == "extract" && files.size() == 1 && options.count("-C"))
        return TPackTool::Extract(files[0], options["-C"], std::cout, std::cerr);
    if (command == "deb" && files.size() == 1 && options.count("--name") && options.count("--version")
        && options.count("--title")) {
        TDebOptions deb { options["--name"], options["--version"], options["--title"], files[0],
            options["--icon"], options["-o"], options["--player"], options["--maintainer"] };
        return TDebPackage::Build(deb, std::cout, std::cerr);
    }
    return Usage();
}
