#include "tessel/platform/TPngFile.h"
#include "tests/support/TEnvScope.h"
#include "tests/support/TempDir.h"
#include "tools/tessel-pack/TChildProcess.h"
#include "tools/tessel-pack/TDebPackage.h"
#include "tools/tessel-pack/TDebTexts.h"
#include "tools/tessel-pack/TDebianNames.h"
#include "tools/tessel-pack/TPackTool.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

using namespace tessel;
namespace fs = std::filesystem;

namespace {

// The files of a folder, by name, sorted.
std::vector<std::string> Listing(const std::string& folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string SavePng(const test::TempDir& dir, const std::string& name, int width, int height)
{
    std::vector<uint32_t> row(width, 0xFF2080C0);
    EXPECT_EQ(TPngFile::Save(
                  width, height, [&](int) { return row.data(); }, dir.File(name), TPngChannels::Rgba),
        "");
    return dir.File(name);
}

// A stand-in for an installed Tessel under dir/prefix: real programs for the player
// and its module (dpkg-shlibdeps reads them), Ruffle's entry script and two icons.
std::string FakeInstall(const test::TempDir& dir)
{
    const fs::path prefix = fs::path(dir.Path()) / "prefix";
    const fs::path program = prefix / TESSEL_TEST_MODULE_DIR;
    fs::create_directories(program / "ruffle");
    fs::copy_file("/bin/true", program / "tessel");
    fs::copy_file("/bin/true", program / "libtessel-webkit.so");
    dir.Write("prefix/" TESSEL_TEST_MODULE_DIR "/ruffle/ruffle.js", "// ruffle");
    dir.Write("prefix/" TESSEL_TEST_MODULE_DIR "/ruffle/LICENSE_MIT", "MIT");
    for (int size : { 16, 48 }) {
        const std::string folder
            = "prefix/share/icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        fs::create_directories(dir.File(folder));
        SavePng(dir, folder + "/tessel.png", size, size);
    }
    return prefix.string();
}

std::string Content(const test::TempDir& dir)
{
    dir.Write("game.swf", "FWS movie");
    std::ostringstream err;
    EXPECT_EQ(TPackTool::Create(dir.File("Data.bin"), { dir.File("game.swf") }, err), 0) << err.str();
    return dir.File("Data.bin");
}

std::string RunTool(const std::vector<std::string>& argv)
{
    TChildProcess::TResult run = TChildProcess::Run(argv);
    EXPECT_EQ(run.status, 0) << argv[0] << ": " << run.err;
    return run.out;
}

} // namespace

TEST(TDebianNames, AcceptWhatDebianAcceptsAndSayWhatIsWrong)
{
    for (const char* good : { "my-games", "0ad", "g++", "a.b", "xy" })
        EXPECT_EQ(TDebianNames::PackageNameProblem(good), "") << good;
    for (const char* bad : { "", "a", "My-Games", "-games", ".games", "games_1", "spiele für", "a/b" })
        EXPECT_NE(TDebianNames::PackageNameProblem(bad), "") << bad;

    for (const char* good : { "1.0", "1:2.0-1", "2.0-1~rc1", "1.0-a-b", "0+git20260101", "1.0~beta" })
        EXPECT_EQ(TDebianNames::VersionProblem(good), "") << good;
    for (const char* bad : { "", "v1", "1.0-", ":1", "a:1", "1.0 beta", "1_0", "1.0-1_2", "1:", "1.0/2" })
        EXPECT_NE(TDebianNames::VersionProblem(bad), "") << bad;

    for (const char* good : { "My Games", "Spiele f\u00FCr Kinder", "\u6E38\u620F", "A \\ B" })
        EXPECT_EQ(TDebianNames::TitleProblem(good), "") << good;
    for (const std::string& bad : { std::string(), std::string("a\nb"), std::string("tab\there"),
             std::string("c1 \xC2\x85"), std::string("\xFF"), std::string("over\xC0\xAFlong"),
             std::string("surrogate \xED\xA0\x80"), std::string(201, 'x'), std::string(" spaced") })
        EXPECT_NE(TDebianNames::TitleProblem(bad), "") << TPackTool::Printable(bad);
    EXPECT_EQ(TDebianNames::TitleProblem(std::string(200, 'x')), "");
    EXPECT_EQ(TDebianNames::DesktopValue("A \\ B"), "A \\\\ B");
}

TEST(TDebianNames, MaintainersDescriptionsAndCopyrightLinesAsDebianWantsThem)
{
    for (const char* good : { "Ada Lovelace <ada@example.org>", "J. R. Doe <j.doe+deb@mail.example.co.uk>",
             "\u00C9milie <e@exemple.fr>" })
        EXPECT_EQ(TDebianNames::MaintainerProblem(good), "") << good;
    for (const char* bad : { "Somebody", "<ada@example.org>", "Ada <ada@example.org", "Ada<ada@example.org>",
             "Ada <>", "Ada <ada>", "Ada <ada@example>", "Ada <@example.org>", "Ada <a@b@example.org>",
             "Ada <ada@example.org.>", "Ada <root@example.org>", "Ada <ada@localhost>",
             "Ada <ada@box.localdomain>", "Ada <ada@x y.org>", "Ada, Bob <ada@example.org>",
             "Game collection packager <root@localhost>" })
        EXPECT_NE(TDebianNames::MaintainerProblem(bad), "") << bad;

    EXPECT_EQ(TDebianNames::DescriptionProblem("Two games.\n\nA second paragraph, in UTF-8: \u00FC."), "");
    EXPECT_EQ(TDebianNames::DescriptionProblem(std::string(4000, 'x')), "");
    for (const std::string& bad :
        { std::string(), std::string(" \n "), std::string("tab\there"), std::string("cr\r\nlf"),
            std::string("\xFF"), std::string(10 * 1024, 'x'), std::string("bell\a") })
        EXPECT_NE(TDebianNames::DescriptionProblem(bad), "") << TPackTool::Printable(bad);

    for (const char* good : { "2026 Space Games Ltd", "2019-2026 Ada Lovelace", "2019, 2026 A" })
        EXPECT_EQ(TDebianNames::CopyrightProblem(good), "") << good;
    for (const std::string& bad : { std::string(), std::string("Space Games Ltd"), std::string("2026"),
             std::string("26 Space"), std::string("2026 Space\nGames"), std::string(300, '2') })
        EXPECT_NE(TDebianNames::CopyrightProblem(bad), "") << TPackTool::Printable(bad);
    EXPECT_NE(TDebianNames::CopyrightProblem("").find("empty"), std::string::npos);
}

// The texts of the package, made from the options and the games.
TEST(TDebTexts, SayWhatTheCollectionIsAsDebianAndDesktopsReadIt)
{
    TDebOptions options { "space-games", "1.0", "Space & <Games>", "", "", "", "", "", "", "2026 Space Ltd" };
    const std::time_t made = 1765000000; // 2025-12-06 05:46:40 UTC
    TDebTexts texts(options, "Ada Lovelace <ada@example.org>", { "Orbit", "Rock; Paper", ".dot" }, made);

    EXPECT_EQ(texts.Synopsis(), "Flash game collection: Space & <Games>");
    const std::string control = texts.Control("amd64", 123, "libc6 (>= 2.34)");
    EXPECT_NE(
        control.find("\nRecommends: gstreamer1.0-pulseaudio | gstreamer1.0-pipewire, gstreamer1.0-alsa\n"),
        std::string::npos)
        << control;
    EXPECT_NE(control.find("\nSection: games\n"), std::string::npos);
    // The long description: lines behind a space, at most 72 characters, paragraphs
    // apart by " .", the games named.
    const std::string description = control.substr(control.find("Description: "));
    std::istringstream lines(description);
    std::string line;
    std::getline(lines, line);
    int breaks = 0;
    while (std::getline(lines, line)) {
        ASSERT_EQ(line[0], ' ') << line;
        EXPECT_LE(line.size(), 73u) << line;
        breaks += line == " .";
    }
    EXPECT_EQ(breaks, 1);
    EXPECT_NE(description.find("Orbit, Rock; Paper and .dot."), std::string::npos) << description;

    // A title too long for the synopsis leaves it for the description.
    TDebOptions long_title = options;
    long_title.title = std::string(70, 'T');
    EXPECT_EQ(TDebTexts(long_title, "A <a@example.org>", {}, made).Synopsis(),
        "collection of Flash games played by Tessel");
    // A description given stands for the one made, its paragraphs kept.
    TDebOptions described = options;
    described.description = "First paragraph,\nsame paragraph.\n\nSecond.";
    EXPECT_EQ(TDebTexts(described, "A <a@example.org>", {}, made).Paragraphs(),
        (std::vector<std::string> { "First paragraph, same paragraph.", "Second." }));

    const std::string entry = texts.DesktopEntry();
    EXPECT_NE(entry.find("\nKeywords=Flash;games;Orbit;Rock\\; Paper;.dot;\n"), std::string::npos) << entry;

    EXPECT_EQ(texts.ChangelogName(), "changelog");
    options.version = "1.0-2";
    EXPECT_EQ(texts.ChangelogName(), "changelog.Debian");
    EXPECT_EQ(texts.Changelog(),
        "space-games (1.0-2) unstable; urgency=medium\n\n  * The collection \"Space & <Games>\" packed with "
        "tessel-pack.\n\n -- Ada Lovelace <ada@example.org>  Sat, 06 Dec 2025 05:46:40 +0000\n");

    const std::string copyright = texts.Copyright();
    EXPECT_EQ(
        copyright.rfind("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n", 0),
        0u);
    EXPECT_NE(copyright.find("\nFiles: *\nCopyright: 2026 Space Ltd\n"), std::string::npos) << copyright;
    EXPECT_NE(copyright.find("\nLicense: Expat or Apache-2.0\n"), std::string::npos);
    EXPECT_NE(copyright.find("\nLicense: Expat\n Permission is hereby granted"), std::string::npos);

    // roff and XML take the text as text.
    const std::string page = texts.ManualPage();
    EXPECT_EQ(page.rfind(".TH space\\-games 6 \"2025-12-06\" \"1.0\\-2\"", 0), 0u) << page;
    EXPECT_NE(page.find("\n.SH NAME\nspace\\-games \\- play the Flash games of Space & <Games>\n"),
        std::string::npos)
        << page;
    EXPECT_EQ(texts.ComponentId(), "org.example.space_games");
    EXPECT_EQ(TDebTexts(options, "A <a@3d-games.example.co.uk>", {}, made).ComponentId(),
        "uk.co.example._3d_games.space_games");
    EXPECT_EQ(texts.LintianOverrides(), "");
    options.version = "1.0-1";
    EXPECT_NE(
        texts.LintianOverrides().find("\nspace-games: initial-upload-closes-no-bugs\n"), std::string::npos);
    options.version = "1.0-2";
    const std::string xml = texts.Metainfo();
    EXPECT_NE(xml.find("<id>org.example.space_games</id>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<name>Space &amp; &lt;Games&gt;</name>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<keyword>Rock; Paper</keyword>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<release version=\"1.0-2\" date=\"2025-12-06\"/>"), std::string::npos) << xml;
}

TEST(TChildProcess, CollectsBothStreamsAndTheExitCode)
{
    TChildProcess::TResult run = TChildProcess::Run({ "sh", "-c", "echo out; echo err >&2; exit 3" });
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "out\n");
    EXPECT_EQ(run.err, "err\n");
    // Much on the error stream before anything on the output one: read as it comes.
    run = TChildProcess::Run({ "sh", "-c", "head -c 1000000 /dev/zero >&2; echo done" });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err.size(), 1000000u);
    EXPECT_EQ(run.out, "done\n");
    EXPECT_EQ(TChildProcess::Run({ "tessel-no-such-program" }).status, TChildProcess::kNotStarted);
    EXPECT_EQ(TChildProcess::Run({ "pwd" }, "/tessel-no-such-folder").status, TChildProcess::kNotStarted);
    EXPECT_EQ(TChildProcess::Run({ "sh", "-c", "exit 127" }).status, 127) << "a program's own 127 is its own";
    test::TempDir dir;
    EXPECT_EQ(TChildProcess::Run({ "pwd" }, dir.Path()).out, fs::canonical(dir.Path()).string() + "\n");
}

// Every refusal says what is wrong and leaves nothing: no package, no staging
// folder, an earlier package of the same name as it was.
TEST(TDebPackage, RefusesBadInputAndLeavesNothing)
{
    test::TempDir dir;
    // Staging folders go under TMPDIR: a folder of the test's own to look at.
    fs::create_directories(dir.File("tmp"));
    test::TEnvScope tmp("TMPDIR", dir.File("tmp"));
    const std::string prefix = FakeInstall(dir);
    const std::string content = Content(dir);
    dir.Write("notes.png", "this is text, not a picture");
    SavePng(dir, "whole.png", 64, 64);
    const std::string png = dir.Read("whole.png");
    dir.Write("cut.png", png.substr(0, png.size() - 20));
    SavePng(dir, "tiny.png", 8, 8);
    const std::string data = dir.Read("Data.bin");
    dir.Write("short.bin", data.substr(0, data.size() - 2));
    dir.Write("nothing.bin", "0123");
    fs::create_directories(dir.File("out"));
    dir.Write("out/games.deb", "the package made yesterday");
    fs::create_directories(dir.File("empty-prefix"));

    const TDebOptions good { "games", "1.0", "Games", content, "", dir.File("out/games.deb"), prefix,
        "Ada Lovelace <ada@example.org>", "", "2026 Ada Lovelace" };
    struct Case {
        const char* what;
        TDebOptions options;
        const char* said;
    };
    std::vector<Case> cases;
    auto with = [&](const char* what, const char* said, auto change) {
        TDebOptions options = good;
        change(options);
        cases.push_back({ what, options, said });
    };
    with("an upper-case name", "the name \"Games\"", [](TDebOptions& o) { o.name = "Games"; });
    with("a name with '_'", "lower-case letters, digits", [](TDebOptions& o) { o.name = "my_games"; });
    with("a version without a digit", "starts with a digit", [](TDebOptions& o) { o.version = "beta"; });
    with("a title of two lines", "control character", [](TDebOptions& o) { o.title = "Games\nMore"; });
    with("a missing Data.bin", "No such file", [&](TDebOptions& o) { o.content = dir.File("none.bin"); });
    with("a folder for Data.bin", "not a regular file", [&](TDebOptions& o) { o.content = dir.Path(); });
    with("no content package", "is not a content package",
        [&](TDebOptions& o) { o.content = dir.File("nothing.bin"); });
    with("a cut content package", "2 bytes shorter",
        [&](TDebOptions& o) { o.content = dir.File("short.bin"); });
    with("a text as the icon", "is not a PNG picture",
        [&](TDebOptions& o) { o.icon = dir.File("notes.png"); });
    with("a cut PNG", "damaged PNG", [&](TDebOptions& o) { o.icon = dir.File("cut.png"); });
    with("an 8-pixel icon", "8 x 8 pixels", [&](TDebOptions& o) { o.icon = dir.File("tiny.png"); });
    with("no player", "no player in", [&](TDebOptions& o) { o.player = dir.File("empty-prefix"); });
    with("a maintainer without address", "a maintainer is \"Name <address>\"",
        [](TDebOptions& o) { o.maintainer = "Somebody"; });
    with("no maintainer, and none in the environment", "who ships the package",
        [](TDebOptions& o) { o.maintainer.clear(); });
    with("root on the local host", "Debian wants one people can write to",
        [](TDebOptions& o) { o.maintainer = "Game collection packager <root@localhost>"; });
    with("no copyright line", "--copyright", [](TDebOptions& o) { o.copyright.clear(); });
    with("a copyright line without a year", "\"YEAR NAME\"", [](TDebOptions& o) { o.copyright = "Ada"; });
    with("a description with a tab", "control character", [](TDebOptions& o) { o.description = "a\tb"; });
    with("10 KB of description", "longer than 4000 bytes",
        [](TDebOptions& o) { o.description = std::string(10 * 1024, 'x'); });
    with("the collection as the output", "is also the output", [&](TDebOptions& o) { o.output = content; });
    with("an output folder that is not there", "cannot create",
        [&](TDebOptions& o) { o.output = dir.File("missing/games.deb"); });

    test::TEnvScope no_name("DEBFULLNAME", nullptr);
    test::TEnvScope no_mail("DEBEMAIL", nullptr);
    for (const Case& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(TDebPackage::Build(c.options, out, err), 1) << c.what;
        EXPECT_NE(err.str().find(c.said), std::string::npos) << c.what << ": " << err.str();
        EXPECT_EQ(err.str().rfind("tessel-pack: ", 0), 0u) << c.what << ": " << err.str();
        EXPECT_EQ(out.str(), "") << c.what;
        EXPECT_EQ(Listing(dir.File("out")), std::vector<std::string> { "games.deb" }) << c.what;
        EXPECT_EQ(dir.Read("out/games.deb"), "the package made yesterday") << c.what;
        EXPECT_TRUE(Listing(dir.File("tmp")).empty()) << c.what;
    }
    EXPECT_EQ(dir.Read("Data.bin"), data) << "the collection is untouched";
}

// A package made by the Debian tools: its fields, its files where a desktop looks for
// them, its desktop entry with the title, the icon given in the hicolor theme (or in
// pixmaps when the theme has no folder of its size), Tessel's icons without one.
TEST(TDebPackage, MakesAPackageOfTheCollection)
{
    test::TempDir dir;
    // Staging folders go under TMPDIR: a folder of the test's own to look at.
    fs::create_directories(dir.File("tmp"));
    test::TEnvScope tmp("TMPDIR", dir.File("tmp"));
    const std::string prefix = FakeInstall(dir);
    const std::string content = Content(dir);
    fs::create_directories(dir.File("out"));
    dir.Write("out/games.deb", "the package made yesterday");
    const std::string title = "Spiele f\u00FCr Kinder \\ Sammlung";
    TDebOptions options { "kinder-spiele", "1:2.0-1", title, content, SavePng(dir, "icon.png", 64, 64),
        dir.File("out/games.deb"), prefix, "", "", "2026 Ada Lovelace" };
    // The maintainer from the environment, as Debian's own tools take it.
    test::TEnvScope name("DEBFULLNAME", "Ada Lovelace");
    test::TEnvScope mail("DEBEMAIL", "ada@example.org");
    std::ostringstream out, err;
    ASSERT_EQ(TDebPackage::Build(options, out, err), 0) << err.str();
    EXPECT_NE(out.str().find("kinder-spiele 1:2.0-1"), std::string::npos) << out.str();
    EXPECT_EQ(Listing(dir.File("out")), std::vector<std::string> { "games.deb" });
    EXPECT_TRUE(Listing(dir.File("tmp")).empty());
    EXPECT_EQ(
        fs::status(dir.File("out/games.deb")).permissions() & fs::perms::all, static_cast<fs::perms>(0644));

    const std::string deb = dir.File("out/games.deb");
    auto field = [&](const char* name) { return RunTool({ "dpkg-deb", "-f", deb, name }); };
    EXPECT_EQ(field("Package"), "kinder-spiele\n");
    EXPECT_EQ(field("Version"), "1:2.0-1\n");
    EXPECT_EQ(field("Maintainer"), "Ada Lovelace <ada@example.org>\n");
    EXPECT_EQ(field("Architecture"), RunTool({ "dpkg", "--print-architecture" }));
    EXPECT_NE(field("Depends").find("libc6"), std::string::npos) << field("Depends");
    EXPECT_EQ(field("Description").substr(0, title.size() + 24), "Flash game collection: " + title + "\n");
    EXPECT_NE(field("Description").find(" The game: game."), std::string::npos) << field("Description");
    EXPECT_EQ(field("Recommends"), std::string(TDebTexts::kRecommends) + "\n");

    const std::string files = RunTool({ "dpkg-deb", "-c", deb });
    for (const char* wanted : { "-rwxr-xr-x root/root", "./usr/lib/kinder-spiele/tessel",
             "./usr/lib/kinder-spiele/Data.bin", "./usr/lib/kinder-spiele/libtessel-webkit.so",
             "./usr/lib/kinder-spiele/ruffle/ruffle.js", "./usr/lib/kinder-spiele/ruffle/LICENSE_MIT",
             "./usr/games/kinder-spiele -> ../lib/kinder-spiele/tessel",
             "./usr/share/applications/kinder-spiele.desktop",
             "./usr/share/icons/hicolor/64x64/apps/kinder-spiele.png",
             "./usr/share/doc/kinder-spiele/copyright", "./usr/share/doc/kinder-spiele/changelog.Debian.gz",
             "./usr/share/man/man6/kinder-spiele.6.gz", "./usr/share/metainfo/kinder-spiele.metainfo.xml" })
        EXPECT_NE(files.find(wanted), std::string::npos) << wanted << " in\n" << files;
    EXPECT_EQ(files.find("tessel.png"), std::string::npos) << "only the icon given";
    // Every file's sum, as dpkg --verify reads them.
    const std::string sums = RunTool({ "dpkg-deb", "-I", deb, "md5sums" });
    EXPECT_NE(sums.find("  usr/lib/kinder-spiele/Data.bin\n"), std::string::npos) << sums;
    EXPECT_NE(sums.find("  usr/share/doc/kinder-spiele/copyright\n"), std::string::npos) << sums;
    EXPECT_EQ(sums.find("usr/games/"), std::string::npos) << "a link has no sum";

    RunTool({ "dpkg-deb", "-x", deb, dir.File("root") });
    EXPECT_EQ(dir.Read("root/usr/lib/kinder-spiele/Data.bin"), dir.Read("Data.bin"));
    const std::string entry = dir.Read("root/usr/share/applications/kinder-spiele.desktop");
    EXPECT_NE(entry.find("\nName=Spiele f\u00FCr Kinder \\\\ Sammlung\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("\nExec=kinder-spiele\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("\nIcon=kinder-spiele\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("\nKeywords=Flash;games;game;\n"), std::string::npos) << entry;
    // Compressed as Debian's tools compress: gzip at most, no name, no time.
    const std::string changelog = dir.Read("root/usr/share/doc/kinder-spiele/changelog.Debian.gz");
    ASSERT_GT(changelog.size(), 10u);
    EXPECT_EQ(changelog.substr(0, 2), "\x1F\x8B");
    EXPECT_EQ(changelog.substr(3, 5), std::string("\0\0\0\0\0", 5)) << "no name, no time";
    EXPECT_NE(RunTool({ "zcat", dir.File("root/usr/share/doc/kinder-spiele/changelog.Debian.gz") })
                  .find("kinder-spiele (1:2.0-1) unstable; urgency=medium"),
        std::string::npos);

    // An icon of a size the theme has no folder for; then none: Tessel's own.
    options.output = dir.File("out/odd.deb");
    options.icon = SavePng(dir, "odd.png", 40, 30);
    ASSERT_EQ(TDebPackage::Build(options, out, err), 0) << err.str();
    EXPECT_NE(RunTool({ "dpkg-deb", "-c", options.output }).find("./usr/share/pixmaps/kinder-spiele.png"),
        std::string::npos);
    options.output = dir.File("out/plain.deb");
    options.icon.clear();
    ASSERT_EQ(TDebPackage::Build(options, out, err), 0) << err.str();
    const std::string plain = RunTool({ "dpkg-deb", "-c", options.output });
    EXPECT_NE(plain.find("./usr/share/icons/hicolor/16x16/apps/kinder-spiele.png"), std::string::npos)
        << plain;
    EXPECT_NE(plain.find("./usr/share/icons/hicolor/48x48/apps/kinder-spiele.png"), std::string::npos)
        << plain;
}
