#include "tools/tessel-pack/TDebInputs.h"

#include "app/content/TCollectionSettings.h"
#include "app/content/TContentNames.h"
#include "app/content/TContentPackage.h"
#include "tessel/framework/Exception.h"
#include "tools/tessel-pack/TDebianNames.h"
#include "tools/tessel-pack/TPackTool.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <png.h>
#include <sys/stat.h>
#include <vector>

namespace fs = std::filesystem;

namespace tessel {

namespace {

struct stat StatRegular(const std::string& path, const char* what)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        throw TDebError(std::string(what) + " " + TDebInputs::Quoted(path) + ": " + std::strerror(errno));
    if (!S_ISREG(st.st_mode))
        throw TDebError(std::string(what) + " " + TDebInputs::Quoted(path) + " is not a regular file");
    return st;
}

} // namespace

std::string TDebInputs::Quoted(const std::string& text)
{
    return "\"" + TPackTool::Printable(text) + "\"";
}

void TDebInputs::CheckNames(const TDebOptions& options)
{
    if (std::string problem = TDebianNames::PackageNameProblem(options.name); !problem.empty())
        throw TDebError("the name " + Quoted(options.name) + ": " + problem);
    if (std::string problem = TDebianNames::VersionProblem(options.version); !problem.empty())
        throw TDebError("the version " + Quoted(options.version) + ": " + problem);
    if (std::string problem = TDebianNames::TitleProblem(options.title); !problem.empty())
        throw TDebError("the title " + Quoted(options.title) + ": " + problem);
    if (!options.description.empty())
        if (std::string problem = TDebianNames::DescriptionProblem(options.description); !problem.empty())
            throw TDebError(problem + "; nothing was written");
    if (options.copyright.empty())
        throw TDebError("the copyright line is empty or missing: the collection's copyright holder goes into "
                        "its copyright file; give it with --copyright \"YEAR NAME\"");
    if (std::string problem = TDebianNames::CopyrightProblem(options.copyright); !problem.empty())
        throw TDebError("the copyright line " + Quoted(options.copyright) + ": " + problem);
}

std::vector<std::string> TDebInputs::CheckContent(const std::string& path)
{
    struct stat st = StatRegular(path, "the content package");
    TContentTable table;
    try {
        TContentPackage(path).ReadHeader(table);
    } catch (const Exception& e) {
        throw TDebError(Quoted(path) + " is not a content package: " + TPackTool::Printable(e.Message()));
    }
    if (table.Entries() == 0)
        throw TDebError(Quoted(path) + " holds no files");
    int64_t promised = TContentTable::kHeaderSize;
    for (int i = 0; i < table.Entries(); ++i) {
        if (table.FileSize(i) < 0)
            throw TDebError(
                Quoted(path) + " is damaged: entry " + std::to_string(i) + " has a negative size");
        promised += table.FileSize(i);
    }
    if (st.st_size < promised)
        throw TDebError(Quoted(path) + " is " + std::to_string(promised - st.st_size)
            + " bytes shorter than its header promises; it would lose games");
    std::vector<std::string> games;
    for (const std::optional<std::string>& name : TContentPackage::EntryTargets(table))
        if (name && *name != TCollectionSettings::kFileName && TCollectionSettings::IsMovieName(*name))
            games.push_back(TContentNames::DropLastCharacters(*name, 4));
    return games;
}

TDebInputs::TIconSize TDebInputs::CheckIcon(const std::string& path)
{
    StatRegular(path, "the icon");
    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        throw TDebError("the icon " + Quoted(path) + " is not a PNG picture (" + image.message + ")");
    TIconSize size { static_cast<int>(image.width), static_cast<int>(image.height) };
    if (size.width < kMinIcon || size.height < kMinIcon || size.width > kMaxIcon || size.height > kMaxIcon) {
        png_image_free(&image);
        throw TDebError("the icon " + Quoted(path) + " is " + std::to_string(size.width) + " x "
            + std::to_string(size.height) + " pixels; an icon has " + std::to_string(kMinIcon) + " to "
            + std::to_string(kMaxIcon) + " on each side");
    }
    image.format = PNG_FORMAT_RGBA;
    std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr))
        throw TDebError("the icon " + Quoted(path) + " is a damaged PNG picture (" + image.message + ")");
    return size;
}

void TDebInputs::CheckPlayer(const std::string& program_dir)
{
    for (const char* file : { "tessel", "libtessel-webkit.so", "ruffle/ruffle.js" })
        if (!fs::is_regular_file(fs::path(program_dir) / file))
            throw TDebError("no player in " + Quoted(program_dir) + " (" + file
                + " is missing); install Tessel with cmake --install, or give its prefix with --player");
}

void TDebInputs::CheckNotOutput(const std::string& output, const std::string& input)
{
    struct stat a, b;
    if (!input.empty() && ::stat(output.c_str(), &a) == 0 && ::stat(input.c_str(), &b) == 0
        && a.st_dev == b.st_dev && a.st_ino == b.st_ino)
        throw TDebError(Quoted(input) + " is also the output; nothing was written");
}

std::string TDebInputs::Maintainer(const TDebOptions& options)
{
    std::string maintainer = options.maintainer;
    if (maintainer.empty()) {
        const char* name = std::getenv("DEBFULLNAME");
        const char* mail = std::getenv("DEBEMAIL");
        if (!name || !*name || !mail || !*mail)
            throw TDebError("who ships the package is its maintainer: give --maintainer \"Name <address>\", "
                            "or set DEBFULLNAME and DEBEMAIL");
        maintainer = std::string(name) + " <" + mail + ">";
    }
    if (std::string problem = TDebianNames::MaintainerProblem(maintainer); !problem.empty())
        throw TDebError("the maintainer " + Quoted(maintainer) + ": " + problem);
    return maintainer;
}

} // namespace tessel
