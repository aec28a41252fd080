#include "tools/tessel-pack/TDebPackage.h"

#include "app/content/TPrivateFolder.h"
#include "tessel/platform/TShell.h"
#include "tools/tessel-pack/TAtomicFile.h"
#include "tools/tessel-pack/TChildProcess.h"
#include "tools/tessel-pack/TDebInputs.h"
#include "tools/tessel-pack/TDebTexts.h"
#include "tools/tessel-pack/TDebianNames.h"
#include "tools/tessel-pack/TPackTool.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
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
        throw TDebError(argv[0] + " could not be run; tessel-pack deb needs Debian's dpkg-dev package");
    if (run.status != 0)
        throw TDebError(argv[0] + " failed:\n" + TPackTool::Printable(run.err));
    return run.out;
}

// When the package is made: SOURCE_DATE_EPOCH where a reproducible build sets it.
std::time_t MadeAt()
{
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    char* end = nullptr;
    const long long seconds = epoch ? std::strtoll(epoch, &end, 10) : -1;
    return epoch && *epoch && *end == 0 && seconds >= 0 ? static_cast<std::time_t>(seconds)
                                                        : std::time(nullptr);
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

// Ruffle's files as the player loads them, with their licence texts; not its read-me
// (documentation goes to /usr/share/doc) nor the source maps that only a debugger reads.
void StageRuffle(const fs::path& from, const fs::path& to)
{
    fs::create_directories(to);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(from)) {
        const fs::path relative = fs::relative(entry.path(), from);
        if (entry.is_directory())
            fs::create_directories(to / relative);
        else if (entry.path().extension() != ".map" && entry.path().filename() != "README.md")
            fs::copy_file(entry.path(), to / relative);
    }
}

// The md5sums of every file the package installs, as dpkg --verify and debsums read
// them.
std::string Md5sums(const fs::path& root)
{
    std::vector<std::string> argv { "md5sum", "--" };
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file() && !entry.is_symlink())
            argv.push_back(fs::relative(entry.path(), root).string());
    std::sort(argv.begin() + 2, argv.end());
    return RunTool(argv, root.string());
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
        std::vector<std::string> games = TDebInputs::CheckContent(options.content);
        const TDebInputs::TIconSize icon
            = options.icon.empty() ? TDebInputs::TIconSize {} : TDebInputs::CheckIcon(options.icon);
        const TDebTexts texts(options, TDebInputs::Maintainer(options), std::move(games), MadeAt());
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
        const fs::path doc = root / "usr/share/doc" / options.name;
        const fs::path manual = root / "usr/share/man/man6" / (options.name + ".6");
        try {
            fs::create_directories(lib);
            fs::copy_file(program_dir / "tessel", lib / "tessel");
            fs::copy_file(program_dir / "libtessel-webkit.so", lib / "libtessel-webkit.so");
            StageRuffle(program_dir / "ruffle", lib / "ruffle");
            fs::copy_file(options.content, lib / "Data.bin");
            // Debian puts games in /usr/games.
            fs::create_directories(root / "usr/games");
            fs::create_symlink("../lib/" + options.name + "/tessel", root / "usr/games" / options.name);
            WriteFile(root / "usr/share/applications" / (options.name + ".desktop"), texts.DesktopEntry());
            WriteFile(root / "usr/share/metainfo" / (options.name + ".metainfo.xml"), texts.Metainfo());
            WriteFile(doc / "copyright", texts.Copyright());
            WriteFile(doc / texts.ChangelogName(), texts.Changelog());
            WriteFile(manual, texts.ManualPage());
            if (const std::string overrides = texts.LintianOverrides(); !overrides.empty())
                WriteFile(root / "usr/share/lintian/overrides" / options.name, overrides);
            StageIcons(options, icon, options.player, root);
        } catch (const fs::filesystem_error& e) {
            throw TDebError(std::string("staging the package failed: ") + e.what());
        }
        // Debug information stays with the build, as Debian's packages do it.
        RunTool(
            { "strip", "--remove-section=.comment", "--remove-section=.note", (lib / "tessel").string() });
        RunTool({ "strip", "--remove-section=.comment", "--remove-section=.note", "--strip-unneeded",
            (lib / "libtessel-webkit.so").string() });
        // Compressed as Debian's tools do it: at most, with no name or time inside.
        RunTool({ "gzip", "-9n", (doc / texts.ChangelogName()).string(), manual.string() });
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
        const std::string md5sums = Md5sums(root);
        WriteFile(root / "DEBIAN/control", texts.Control(architecture, kib, depends));
        WriteFile(root / "DEBIAN/md5sums", md5sums);
        fs::permissions(root / "DEBIAN", static_cast<fs::perms>(0755));
        for (const char* file : { "control", "md5sums" })
            fs::permissions(root / "DEBIAN" / file, static_cast<fs::perms>(0644));
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
