#include "tools/tessel-pack/TDebPackage.h"

#include "app/content/TPrivateFolder.h"
#include "tessel/platform/TShell.h"
#include "tools/tessel-pack/TAtomicFile.h"
#include "tools/tessel-pack/TChildProcess.h"
#include "tools/tessel-pack/TDebInputs.h"
#include "tools/tessel-pack/TDebianNames.h"
#include "tools/tessel-pack/TPackTool.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <vector>

namespace fs = std::filesystem;

namespace tessel {

namespace {

// Where an installed Tessel keeps its icons, below its prefix.
constexpr const char* kIconThemeDir = TESSEL_INSTALL_ICON_DIR;
// The icon sizes the hicolor theme has folders for; an icon of another size goes to
// /usr/share/pixmaps, where menus look last.
constexpr int kThemeSizes[] = { 16, 22, 24, 32, 36, 48, 64, 72, 96, 128, 192, 256, 384, 512 };

// The staging folder: a private folder under TMPDIR, removed with all it holds when
// the build ends. Those of runs that were killed go at the next run.
class TStagingFolder {
public:
    TStagingFolder()
    {
        TPrivateFolder::RemoveStale(TShell::TempPath(), kStagingPrefix);
        m_path = TPrivateFolder::Create(TShell::TempPath(), kStagingPrefix);
    }
    ~TStagingFolder() { TPrivateFolder::Remove(m_path.string()); }
    const fs::path& Path() const { return m_path; }

private:
    static constexpr const char* kStagingPrefix = "tessel-deb-";
    fs::path m_path;
};

// Runs one of the Debian tools and gives its output, or ends the build with what it said.
std::string RunTool(const std::vector<std::string>& argv, const std::string& folder = {})
{
    TChildProcess::TResult run = TChildProcess::Run(argv, folder);
    if (run.status == TChildProcess::kNotStarted)
        throw TDebError(argv[0] + " could not be run; it comes with Debian's dpkg-dev package");
    if (run.status != 0)
        throw TDebError(argv[0] + " failed:\n" + TPackTool::Printable(run.err));
    return run.out;
}

std::string Trimmed(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

void WriteFile(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    if (!file.flush())
        throw TDebError("cannot write " + TDebInputs::Quoted(path.string()));
}

std::string DesktopEntry(const TDebOptions& options)
{
    const std::string title = TDebianNames::DesktopValue(options.title);
    std::string entry = "[Desktop Entry]\nType=Application\n";
    entry += "Name=" + title + "\n";
    entry += "GenericName=Game collection\n";
    entry += "Comment=Play the games of " + title + "\n";
    entry += "Exec=" + options.name + "\n";
    entry += "Icon=" + options.name + "\n";
    entry += "Terminal=false\nCategories=Game;\nStartupNotify=true\n";
    return entry;
}

std::string Copyright(const TDebOptions& options)
{
    return "The games of \"" + options.title
        + "\" belong to their authors.\n\n"
          "They are played by Tessel, a skinned player for Flash game collections,\n"
          "with Ruffle (https://ruffle.rs), a Flash player licensed under the MIT or\n"
          "the Apache 2.0 licence, whose texts are in /usr/lib/"
        + options.name + "/ruffle/.\n";
}

// The icons as /usr/share/icons/hicolor/NxN/apps/NAME.png: the one given, or
// Tessel's own set.
void StageIcons(const TDebOptions& options, const TDebInputs::TIconSize& given, const fs::path& player,
    const fs::path& root)
{
    const fs::path share = root / "usr/share";
    const std::string file = options.name + ".png";
    if (!options.icon.empty()) {
        bool themed = given.width == given.height;
        themed = themed
            && std::find(std::begin(kThemeSizes), std::end(kThemeSizes), given.width)
                != std::end(kThemeSizes);
        const std::string size = std::to_string(given.width);
        fs::path target = themed ? share / "icons/hicolor" / (size + "x" + size) / "apps" / file
                                 : share / "pixmaps" / file;
        fs::create_directories(target.parent_path());
        fs::copy_file(options.icon, target);
        return;
    }
    const fs::path theme = player / kIconThemeDir;
    std::error_code ignored;
    for (const fs::directory_entry& size : fs::directory_iterator(theme, ignored)) {
        fs::path icon = size.path() / "apps/tessel.png";
        if (!fs::is_regular_file(icon))
            continue;
        fs::path target = share / "icons/hicolor" / size.path().filename() / "apps" / file;
        fs::create_directories(target.parent_path());
        fs::copy_file(icon, target);
    }
}

// Owner-writable and world-readable throughout, the program alone executable: the
// same however the sources were kept. Returns the size in KiB, as Installed-Size counts.
uint64_t NormalisePermissions(const fs::path& root, const fs::path& program)
{
    uint64_t kib = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_symlink()) {
            kib += 1;
        } else if (entry.is_directory()) {
            fs::permissions(entry.path(), static_cast<fs::perms>(0755));
            kib += 1;
        } else {
            fs::permissions(entry.path(), static_cast<fs::perms>(entry.path() == program ? 0755 : 0644));
            kib += (entry.file_size() + 1023) / 1024;
        }
    }
    return kib;
}

std::string Control(const TDebOptions& options, const std::string& architecture,
    const std::string& maintainer, uint64_t kib, const std::string& depends)
{
    std::string control = "Package: " + options.name + "\nVersion: " + options.version + "\nArchitecture: "
        + architecture + "\nMaintainer: " + maintainer + "\nInstalled-Size: " + std::to_string(kib) + "\n";
    if (!depends.empty())
        control += "Depends: " + depends + "\n";
    control += "Section: games\nPriority: optional\nDescription: " + options.title
        + "\n A collection of Flash games, played by Tessel in a skinned window.\n";
    return control;
}

} // namespace

std::string TDebPackage::OwnPrefix()
{
    const std::string self = TShell::ProgramPath();
    return self.empty() ? std::string() : fs::path(self).parent_path().parent_path().string();
}

int TDebPackage::Build(const TDebOptions& given, std::ostream& out, std::ostream& err)
{
    TDebOptions options = given;
    if (options.output.empty())
        options.output = options.name + ".deb";
    if (options.player.empty())
        options.player = OwnPrefix();
    try {
        TDebInputs::CheckNames(options);
        TDebInputs::CheckContent(options.content);
        const TDebInputs::TIconSize icon
            = options.icon.empty() ? TDebInputs::TIconSize {} : TDebInputs::CheckIcon(options.icon);
        const std::string maintainer = TDebInputs::Maintainer(options);
        const fs::path program_dir = fs::path(options.player) / TESSEL_INSTALL_MODULE_DIR;
        TDebInputs::CheckPlayer(program_dir.string());
        TDebInputs::CheckNotOutput(options.output, options.content);
        TDebInputs::CheckNotOutput(options.output, options.icon);
        TAtomicFile package(options.output);
        if (!package.Good())
            throw TDebError(
                "cannot create " + TDebInputs::Quoted(options.output) + ": " + std::strerror(errno));

        TStagingFolder staging;
        const fs::path root = staging.Path() / "debian" / options.name;
        const fs::path lib = root / "usr/lib" / options.name;
        try {
            fs::create_directories(lib);
            fs::copy_file(program_dir / "tessel", lib / "tessel");
            fs::copy_file(program_dir / "libtessel-webkit.so", lib / "libtessel-webkit.so");
            fs::copy(program_dir / "ruffle", lib / "ruffle", fs::copy_options::recursive);
            fs::copy_file(options.content, lib / "Data.bin");
            fs::create_directories(root / "usr/bin");
            fs::create_symlink("../lib/" + options.name + "/tessel", root / "usr/bin" / options.name);
            WriteFile(root / "usr/share/applications" / (options.name + ".desktop"), DesktopEntry(options));
            WriteFile(root / "usr/share/doc" / options.name / "copyright", Copyright(options));
            StageIcons(options, icon, options.player, root);
        } catch (const fs::filesystem_error& e) {
            throw TDebError(std::string("staging the package failed: ") + e.what());
        }
        // Debug information stays with the build, as Debian's packages do it.
        RunTool(
            { "strip", "--remove-section=.comment", "--remove-section=.note", (lib / "tessel").string() });
        RunTool({ "strip", "--remove-section=.comment", "--remove-section=.note", "--strip-unneeded",
            (lib / "libtessel-webkit.so").string() });
        const uint64_t kib = NormalisePermissions(root, lib / "tessel");

        // dpkg-shlibdeps reads the source package's control file from debian/.
        WriteFile(staging.Path() / "debian/control",
            "Source: " + options.name + "\n\nPackage: " + options.name + "\nArchitecture: any\n");
        const std::string relative = "debian/" + options.name + "/usr/lib/" + options.name + "/";
        const std::string shlibs = RunTool(
            { "dpkg-shlibdeps", "-O", "-e" + relative + "tessel", "-e" + relative + "libtessel-webkit.so" },
            staging.Path().string());
        const std::string field = "shlibs:Depends=";
        const size_t at = shlibs.find(field);
        const std::string depends = at == std::string::npos
            ? std::string()
            : Trimmed(shlibs.substr(at + field.size(), shlibs.find('\n', at) - at - field.size()));
        const std::string architecture = Trimmed(RunTool({ "dpkg", "--print-architecture" }));
        WriteFile(root / "DEBIAN/control", Control(options, architecture, maintainer, kib, depends));
        fs::permissions(root / "DEBIAN", static_cast<fs::perms>(0755));
        RunTool({ "dpkg-deb", "--root-owner-group", "--build", root.string(), package.TempPath() });
        if (!package.Commit())
            throw TDebError(
                "writing " + TDebInputs::Quoted(options.output) + " failed: " + std::strerror(errno));
        out << TPackTool::Printable(options.output) << ": " << options.name << " " << options.version << " ("
            << architecture << "), \"" << TPackTool::Printable(options.title) << "\", " << kib
            << " KiB installed\n";
        return 0;
    } catch (const std::exception& e) {
        // TDebError's messages, and the file system's and the allocator's.
        err << "tessel-pack: " << e.what() << "\n";
    }
    return 1;
}

} // namespace tessel
