// tessel-pack: makes, lists and unpacks content packages (Data.bin), and makes a
// Debian package of a collection.
//
//   tessel-pack create -o Data.bin FILE...   stored under their file-name parts
//   tessel-pack create -o Data.bin DIR       every file of the folder, its settings checked
//   tessel-pack list Data.bin                entries, sizes, offsets, and a length check
//   tessel-pack extract Data.bin -C DIR      unpacked by the program's own rules
//   tessel-pack deb --name NAME --version V --title TITLE --copyright "YEAR HOLDER" Data.bin
//                   [--maintainer "Name <address>"] [--description TEXT] [--icon PNG] [-o NAME.deb]
//                   [--player PREFIX]
#include "tools/tessel-pack/TDebPackage.h"
#include "tools/tessel-pack/TPackTool.h"

#include <cstdio>
#include <filesystem>
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
        "       tessel-pack create -o Data.bin DIR\n"
        "       tessel-pack list Data.bin\n"
        "       tessel-pack extract Data.bin -C DIR\n"
        "       tessel-pack deb --name NAME --version VERSION --title TITLE --copyright \"YEAR HOLDER\" "
        "Data.bin\n"
        "                       [--maintainer \"Name <address>\"] [--description TEXT] [--icon PNG]\n"
        "                       [-o NAME.deb] [--player PREFIX]\n"
        "       (the maintainer may come from DEBFULLNAME and DEBEMAIL)\n");
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
        { "deb",
            { "-o", "--name", "--version", "--title", "--icon", "--maintainer", "--player", "--description",
                "--copyright" } },
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
    if (command == "create" && options.count("-o") && files.size() == 1
        && std::filesystem::is_directory(files[0]))
        return TPackTool::CreateFromFolder(options["-o"], files[0], std::cerr);
    if (command == "create" && options.count("-o") && !files.empty())
        return TPackTool::Create(options["-o"], files, std::cerr);
    if (command == "list" && files.size() == 1)
        return TPackTool::List(files[0], std::cout, std::cerr);
    if (command == "extract" && files.size() == 1 && options.count("-C"))
        return TPackTool::Extract(files[0], options["-C"], std::cout, std::cerr);
    if (command == "deb" && files.size() == 1 && options.count("--name") && options.count("--version")
        && options.count("--title")) {
        TDebOptions deb { options["--name"], options["--version"], options["--title"], files[0],
            options["--icon"], options["-o"], options["--player"], options["--maintainer"],
            options["--description"], options["--copyright"] };
        return TDebPackage::Build(deb, std::cout, std::cerr);
    }
    return Usage();
}
