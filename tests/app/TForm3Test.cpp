#include "app/TForm3.h"

#include "app/TPlayerState.h"
#include "app/Unit3.h"
#include "app/content/TContentTable.h"
#include "app/content/TPrivateFolder.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/media/TMediaServer.h"
#include "tessel/media/TShockwaveFlash.h"
#include "tessel/media/TWebBrowser.h"
#include "tessel/skin/controls/TvxSkinMenuButton.h"
#include "tessel/skin/controls/TvxSkinPanel.h"
#include "tessel/skin/controls/TvxSkinToolBar.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/menus/TvxSkinPopupMenu.h"
#include "tests/framework/HeadlessApplication.h"
#include "tests/support/TEnvScope.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <functional>
#include <optional>
#include <set>
#include <sys/stat.h>

using namespace tessel;

namespace {

struct Entry {
    std::string name;
    std::string bytes;
};

std::string Package(const std::vector<Entry>& entries)
{
    TContentTable table;
    table.SetFileCount(static_cast<int32_t>(entries.size()));
    std::string contents;
    for (size_t i = 0; i < entries.size(); ++i) {
        table.SetEntry(static_cast<int>(i), entries[i].name, static_cast<int32_t>(entries[i].bytes.size()));
        contents += entries[i].bytes;
    }
    return std::string(reinterpret_cast<const char*>(table.Bytes()), TContentTable::kHeaderSize) + contents;
}

std::vector<std::string> Captions(const TMenuItem& items)
{
    std::vector<std::string> out;
    for (int i = 0; i < items.Count(); ++i)
        out.push_back(items.Items(i)->Caption());
    return out;
}

std::vector<std::string> Listing(const std::string& dir)
{
    std::vector<std::string> names;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d))
            if (std::string(e->d_name) != "." && std::string(e->d_name) != "..")
                names.push_back(e->d_name);
        closedir(d);
    }
    return names;
}

THeadlessWebView& ViewOf(TWebViewHost& host)
{
    return *dynamic_cast<THeadlessWebView*>(host.View());
}

const std::string kSettings = "[Links]\n"
                              "nr=3\n"
                              "ButtonName=More\n"
                              "title1=First\nlink1=https://example.org/one\n"
                              "title2=Second\nlink2=page.html\n"
                              "title3=Third\nlink3=https://example.org/three\n"
                              "[Main]\ntitle=My games\nwidth=800\nheight=600\n"
                              "[TopPanel]\nheight=70\nlink=page.html\n"
                              "[BottomPanel]\nheight=0x50\nlink=https://example.org/bottom\n";

// The main form on the headless backend, with the package, the temporary
// directory and the shell opener of each test.
class TForm3Test : public test::HeadlessApplication {
protected:
    void SetUp() override
    {
        HeadlessApplication::SetUp();
        m_tmpdir.emplace("TMPDIR", temp.Path());
        // The state the player keeps between runs goes to a folder of the test's.
        m_state_home.emplace("XDG_STATE_HOME", state.Path());
        TForm3::SetPackagePath(dir.File("Data.bin"));
        TForm3::SetShellOpen([this](const std::string& address) {
            opened.push_back(address);
            return true;
        });
    }
    void TearDown() override
    {
        HeadlessApplication::TearDown();
        unit3::Finalize();
        TForm3::SetPackagePath("");
        TForm3::SetShellOpen(nullptr);
        m_state_home.reset();
        m_tmpdir.reset();
    }
    TForm3& Start(const std::vector<Entry>& entries)
    {
        dir.Write("Data.bin", Package(entries));
        return Start();
    }
    TForm3& Start()
    {
        unit3::Form3 = &Application().CreateForm<TForm3>();
        return *unit3::Form3;
    }

    test::TempDir dir;
    test::TempDir temp;
    test::TempDir state;
    std::vector<std::string> opened;

private:
    std::optional<test::TEnvScope> m_tmpdir;
    std::optional<test::TEnvScope> m_state_home;
};

} // namespace

TEST_F(TForm3Test, WithoutAPackageTheWindowKeepsItsDesign)
{
    clock->SetMonitors({ { { 0, 0, 1280, 1024 }, { 0, 0, 1280, 994 } } });
    TForm3& form = Start();
    EXPECT_EQ(form.Caption(), "Tessel");
    // The designed client area inside the skin's frame (3 pixels left, right and
    // below, 22 above).
    form.HandleNeeded();
    EXPECT_EQ(form.ClientWidth(), 956);
    EXPECT_EQ(form.ClientHeight(), 782);
    EXPECT_EQ(form.Width(), 962);
    EXPECT_EQ(form.Height(), 807);
    EXPECT_EQ(wm.ClientInWindow(form.Handle()), (TRect { 3, 22, 959, 804 }));
    EXPECT_EQ(form.Menu->Items().Count(), 0);
    EXPECT_EQ(form.Menu1->Items().Count(), 0);
    EXPECT_EQ(form.vxSkinMenuButton2->Caption(), "Links");
    EXPECT_TRUE(ViewOf(*form.WebBrowser1).Loads().empty());
    EXPECT_TRUE(ViewOf(*form.WebBrowser2).Loads().empty());
    // The stored skin is loaded when the form is made.
    EXPECT_FALSE(form.vxSkinData1->Empty());
    EXPECT_NE(form.vxSkinData1->GetControlIndex("toolmenubutton"), -1);
    EXPECT_EQ(form.vxSkinPanel3->SkinData(), nullptr);
    EXPECT_EQ(form.vxSkinPanel1->SkinData(), form.vxSkinData1);

    // Only the empty private folder is in the temporary directory, and it goes at close.
    std::vector<std::string> made = Listing(temp.Path());
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(Listing(unit3::TempDir), (std::vector<std::string> { TPrivateFolder::kMarker }));
    form.Close();
    EXPECT_TRUE(Listing(temp.Path()).empty());
}

TEST_F(TForm3Test, TheLayoutFollowsTheWindow)
{
    TForm3& form = Start();
    // The tool bar takes the height of the skin's "toolpanel" strip (29); its menu
    // buttons, 26 high as their strip, stand centred in its inner area (2, 2, w - 2,
    // 27). The web panels' views sit in the "panel" record's client area (2 pixels
    // in); the movie panel has no skin and keeps its 1-pixel frame.
    EXPECT_EQ(form.vxSkinToolBar1->BoundsRect(), (TRect { 0, 0, 956, 29 }));
    EXPECT_EQ(form.vxSkinPanel2->BoundsRect(), (TRect { 0, 29, 956, 85 }));
    EXPECT_EQ(form.vxSkinPanel3->BoundsRect(), (TRect { 0, 85, 956, 632 }));
    EXPECT_EQ(form.vxSkinPanel1->BoundsRect(), (TRect { 0, 632, 956, 782 }));
    EXPECT_EQ(form.ShockwaveFlash1->BoundsRect(), (TRect { 1, 1, 955, 546 }));
    EXPECT_EQ(form.WebBrowser1->BoundsRect(), (TRect { 2, 2, 954, 148 }));
    EXPECT_EQ(form.WebBrowser2->BoundsRect(), (TRect { 2, 2, 954, 54 }));
    EXPECT_EQ(form.vxSkinMenuButton1->BoundsRect(), (TRect { 3, 1, 78, 27 }));
    EXPECT_EQ(form.vxSkinMenuButton2->BoundsRect(), (TRect { 84, 1, 159, 27 }));

    form.Show();
    Pump();
    form.SetClientHeight(682);
    form.SetClientWidth(1056);
    Pump();
    EXPECT_EQ(form.vxSkinToolBar1->BoundsRect(), (TRect { 0, 0, 1056, 29 }));
    EXPECT_EQ(form.vxSkinPanel2->BoundsRect(), (TRect { 0, 29, 1056, 85 }));
    EXPECT_EQ(form.vxSkinPanel3->BoundsRect(), (TRect { 0, 85, 1056, 532 }));
    EXPECT_EQ(form.vxSkinPanel1->BoundsRect(), (TRect { 0, 532, 1056, 682 }));
    EXPECT_EQ(form.WebBrowser1->BoundsRect(), (TRect { 2, 2, 1054, 148 }));
}

TEST_F(TForm3Test, ThePackageFillsTheMenusAndTheSettingsApply)
{
    TForm3& form = Start(
        { { "C:\\Games\\one.swf", "FWS1" }, { "settings1.ini", kSettings }, { "games\\two.swf", "FWS2" },
            { "Settings1.ini", "[x]" }, { "page.html", "<p>hi</p>" }, { "..", "skipped" } });
    // Movies only, in package order; the settings, a look-alike and pages are no games.
    EXPECT_EQ(Captions(form.Menu->Items()), (std::vector<std::string> { "one", "two" }));
    EXPECT_EQ(Captions(form.Menu1->Items()), (std::vector<std::string> { "First", "Second", "Third" }));
    EXPECT_EQ(form.Menu1->Items().Items(2)->Tag(), 3);
    EXPECT_EQ(unit3::LinkCount, 3);
    EXPECT_EQ(form.vxSkinMenuButton2->Caption(), "More");
    EXPECT_EQ(form.Caption(), "My games");
    EXPECT_EQ(form.Width(), 800);
    EXPECT_EQ(form.Height(), 600);
    EXPECT_EQ(form.vxSkinPanel2->Height(), 70);
    EXPECT_EQ(form.vxSkinPanel1->Height(), 0x50);
    // A bare name of an unpacked file is that file's address.
    EXPECT_EQ(ViewOf(*form.WebBrowser2).Loads(),
        (std::vector<std::string> { "file://" + unit3::TempDir + "page.html" }));
    EXPECT_EQ(ViewOf(*form.WebBrowser1).Loads(), (std::vector<std::string> { "https://example.org/bottom" }));

    std::vector<std::string> files = Listing(unit3::TempDir);
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files,
        (std::vector<std::string> {
            TPrivateFolder::kMarker, "Settings1.ini", "one.swf", "page.html", "settings1.ini", "two.swf" }));

    form.Close();
    EXPECT_TRUE(Listing(temp.Path()).empty()) << "no file and no folder stay behind";
}

TEST_F(TForm3Test, LinksOpenWhatTheFileHoldsAtTheClick)
{
    TForm3& form = Start({ { "settings1.ini", kSettings }, { "page.html", "<p>hi</p>" } });
    form.Menu1->Items().Items(2)->Click();
    form.Menu1->Items().Items(1)->Click();
    EXPECT_EQ(opened,
        (std::vector<std::string> { "https://example.org/three", "file://" + unit3::TempDir + "page.html" }));
    // The settings file is read again at each click.
    std::string changed = kSettings;
    changed.replace(changed.find("https://example.org/three"), 25, "https://example.org/changed");
    FILE* f = std::fopen((unit3::TempDir + "settings1.ini").c_str(), "wb");
    std::fwrite(changed.data(), 1, changed.size(), f);
    std::fclose(f);
    form.Menu1->Items().Items(2)->Click();
    EXPECT_EQ(opened.back(), "https://example.org/changed");
    form.Close();
    Application().Initialize();

    // Only web and mail addresses and packaged pages reach the opener; never text it
    // would take for an option, another scheme or a path. Each refusal says so.
    const std::vector<std::string> refused = { "--help", "-e", "javascript:alert(1)", "file:///etc/passwd",
        "tessel://player/player.html", "/etc/passwd", "www.example.org", "ftp://example.org/", "http:x", "" };
    std::string links = "[Links]\nnr=" + std::to_string(refused.size() + 2) + "\n";
    for (size_t i = 0; i < refused.size(); ++i)
        links += "link" + std::to_string(i + 1) + "=" + refused[i] + "\n";
    links += "link" + std::to_string(refused.size() + 1) + "=mailto:a@example.org\n";
    links += "link" + std::to_string(refused.size() + 2) + "=HTTPS://example.org/x\n";
    opened.clear();
    TForm3& second = Start({ { "settings1.ini", links } });
    testing::internal::CaptureStderr();
    for (int i = 0; i < second.Menu1->Items().Count(); ++i)
        second.Menu1->Items().Items(i)->Click();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(opened, (std::vector<std::string> { "mailto:a@example.org", "https://example.org/x" }));
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), static_cast<long>(refused.size())) << said;
    EXPECT_NE(said.find("Links entry 1 (\"--help\") is not opened"), std::string::npos) << said;
    second.Close();
}

TEST_F(TForm3Test, SettingsThatStopEarly)
{
    {
        // No Links/nr: nothing of the settings applies, the Games menu is filled.
        TForm3& form
            = Start({ { "one.swf", "FWS" }, { "settings1.ini", "[Main]\ntitle=Ignored\nwidth=300\n" } });
        EXPECT_EQ(Captions(form.Menu->Items()), (std::vector<std::string> { "one" }));
        EXPECT_EQ(form.Caption(), "Tessel");
        EXPECT_EQ(form.ClientWidth(), 956);
        EXPECT_EQ(form.vxSkinMenuButton2->Caption(), "Links");
        form.Close();
        Application().Initialize();
    }
    {
        // nr = 0: sizes (100 x 100 when absent, and no smaller than the frame, the
        // tool bar and a 160 x 120 movie: 170 x 176), title and pages apply, no Links.
        TForm3& form = Start({ { "settings1.ini", "[Links]\nnr=0\n[Main]\ntitle=Zero\n" } });
        EXPECT_EQ(form.Caption(), "Zero");
        EXPECT_EQ(form.Width(), 170);
        EXPECT_EQ(form.Height(), 176);
        EXPECT_EQ(form.vxSkinMenuButton2->Caption(), "");
        EXPECT_EQ(form.Menu1->Items().Count(), 0);
        EXPECT_EQ(ViewOf(*form.WebBrowser1).Loads(), (std::vector<std::string> { "about:blank" }));
        form.Close();
        Application().Initialize();
    }
    {
        // A page that cannot be shown costs only its own panel: the other panel and
        // the Links still come. Addresses are taken as a browser takes them.
        TForm3& form = Start({ { "settings1.ini",
            "[Links]\nnr=2\ntitle1=a\nlink1=https://example.org/a b\nlink2=https://a/\x01\n"
            "[Main]\ntitle=Bad page\n[BottomPanel]\nlink=not an address\n"
            "[TopPanel]\nlink=data:text/html,<body style=\"background:red\"></body>\n" } });
        EXPECT_EQ(form.Caption(), "Bad page");
        EXPECT_TRUE(ViewOf(*form.WebBrowser1).Loads().empty());
        EXPECT_EQ(ViewOf(*form.WebBrowser2).Loads(),
            (std::vector<std::string> {
                "data:text/html,%3Cbody%20style=%22background:red%22%3E%3C/body%3E" }));
        EXPECT_EQ(Captions(form.Menu1->Items()), (std::vector<std::string> { "a", "" }));
        form.Menu1->Items().Items(0)->Click();
        // An address nothing can load (a control character) is not handed on.
        form.Menu1->Items().Items(1)->Click();
        EXPECT_EQ(opened, (std::vector<std::string> { "https://example.org/a%20b" }));
        form.Close();
    }
}

TEST_F(TForm3Test, AGameEntryPlaysItsMovieAndAMissingOneChangesNothing)
{
    TForm3& form = Start({ { "one.swf", "FWS1" }, { "two.swf", "FWS2" } });
    THeadlessWebView& player = ViewOf(*form.ShockwaveFlash1);
    EXPECT_EQ(player.Loads(), (std::vector<std::string> { "tessel://player/player.html" }));
    form.Menu->Items().Items(0)->Click();
    EXPECT_EQ(form.ShockwaveFlash1->Movie(), unit3::TempDir + "one.swf");
    EXPECT_TRUE(player.Scripts().empty()) << "the movie waits for the page";
    player.SetTitle("ready");
    ASSERT_EQ(player.Scripts().size(), 1u);
    EXPECT_NE(player.Scripts()[0].find("tessel://player/movies/one.swf"), std::string::npos)
        << player.Scripts()[0];

    ::unlink((unit3::TempDir + "two.swf").c_str());
    form.Menu->Items().Items(1)->Click();
    EXPECT_EQ(form.ShockwaveFlash1->Movie(), unit3::TempDir + "one.swf");
    EXPECT_EQ(player.Scripts().size(), 1u);
    form.Close();
}

const std::vector<std::string> kPlayerPage { "tessel://player/player.html" };

TEST_F(TForm3Test, ThePlayerStartsAfterThePanelsPages)
{
    TForm3& form = Start({ { "settings1.ini", kSettings }, { "page.html", "<p>hi</p>" } });
    THeadlessWebView& player = ViewOf(*form.ShockwaveFlash1);
    EXPECT_TRUE(player.Loads().empty()) << "Ruffle's start waits for the pages";
    ViewOf(*form.WebBrowser1).FinishLoad();
    EXPECT_TRUE(player.Loads().empty());
    ViewOf(*form.WebBrowser2).FinishLoad();
    EXPECT_EQ(player.Loads(), kPlayerPage);
    ViewOf(*form.WebBrowser2).FinishLoad();
    Pump(5000);
    EXPECT_EQ(player.Loads(), kPlayerPage) << "loaded once";
}

TEST_F(TForm3Test, APageThatNeverFinishesHoldsThePlayerUpForTwoSeconds)
{
    TForm3& form = Start({ { "settings1.ini", kSettings }, { "page.html", "<p>hi</p>" } });
    THeadlessWebView& player = ViewOf(*form.ShockwaveFlash1);
    ViewOf(*form.WebBrowser1).FinishLoad();
    Pump(1900);
    EXPECT_TRUE(player.Loads().empty());
    Pump(200);
    EXPECT_EQ(player.Loads(), kPlayerPage);
}

TEST_F(TForm3Test, AGameChosenBeforeThePagesAreDoneStartsThePlayerAtOnce)
{
    TForm3& form
        = Start({ { "settings1.ini", kSettings }, { "page.html", "<p>hi</p>" }, { "a.swf", "FWS" } });
    THeadlessWebView& player = ViewOf(*form.ShockwaveFlash1);
    form.Menu->Items().Items(0)->Click();
    EXPECT_EQ(player.Loads(), kPlayerPage);
    ViewOf(*form.WebBrowser1).FinishLoad();
    ViewOf(*form.WebBrowser2).FinishLoad();
    EXPECT_EQ(player.Loads(), kPlayerPage);
}

TEST_F(TForm3Test, TheWindowStaysBetweenTheSkinsMinimumAndTheLargestWorkArea)
{
    // The least: the skin's frame (3 + 3 wide, 22 + 3 high) around the tool bar and a
    // 160 x 120 movie in its panel's frame.
    const std::pair<std::string, TPoint> cases[] = {
        { "width=0\nheight=0", { 170, 176 } },
        { "width=-5\nheight=-2147483648", { 170, 176 } },
        { "width=100000\nheight=2147483647", { 1280, 770 } },
        { "width=40000\nheight=16000", { 1280, 770 } },
        { "width=640\nheight=480", { 640, 480 } },
        { "width=800\nheight=600\n[TopPanel]\nheight=5000\n[BottomPanel]\nheight=5000", { 800, 600 } },
    };
    for (const auto& [main, size] : cases) {
        TForm3& form = Start({ { "settings1.ini", "[Links]\nnr=0\n[Main]\n" + main + "\n" } });
        EXPECT_EQ(form.Width(), size.x) << main;
        EXPECT_EQ(form.Height(), size.y) << main;
        form.Show();
        Pump();
        const TSurface* surface = wm.WindowSurface(form.Handle());
        ASSERT_NE(surface, nullptr);
        EXPECT_EQ(surface->Width(), size.x) << main;
        // The tool bar and a movie of at least 160 x 120 whatever the panels ask for.
        EXPECT_TRUE(form.vxSkinToolBar1->Visible());
        EXPECT_GE(form.ShockwaveFlash1->Width(), TForm3::kLeastMovie.x) << main;
        EXPECT_GE(form.ShockwaveFlash1->Height(), TForm3::kLeastMovie.y) << main;
        EXPECT_GE(form.ShockwaveFlash1->Top() + form.vxSkinPanel3->Top(), form.vxSkinToolBar1->Height())
            << main;
        // The folder goes at close, whatever the size.
        form.Close();
        EXPECT_TRUE(Listing(temp.Path()).empty()) << main;
        Application().Initialize();
    }
}

TEST_F(TForm3Test, LargeSettingsStartQuickly)
{
    // 100,000 links: more than there are 16-bit command numbers; and the file is
    // read once, not once per link.
    std::string links = "[Links]\nnr=100000\n";
    for (int n = 1; n <= 3000; ++n)
        links += "title" + std::to_string(n) + "=Link " + std::to_string(n) + "\nlink" + std::to_string(n)
            + "=https://example.org/" + std::to_string(n) + "\n";
    links += "[Padding]\n" + std::string(1 << 20, ';') + "\n";
    TForm3& form = Start({ { "settings1.ini", links } });
    TMenuItem& items = form.Menu1->Items();
    // Past the bound nr is the bound.
    ASSERT_EQ(items.Count(), TForm3::kMostLinks);
    EXPECT_EQ(items.Items(2999)->Caption(), "Link 3000");
    EXPECT_EQ(items.Items(3000)->Caption(), "");
    std::set<uint16_t> seen;
    for (int i = 0; i < items.Count(); ++i) {
        uint16_t command = items.Items(i)->Command();
        EXPECT_NE(command, 0);
        EXPECT_TRUE(seen.insert(command).second) << "command " << command << " twice";
    }
    EXPECT_EQ(items.Find(0), nullptr);
    items.Items(2999)->Click();
    EXPECT_EQ(opened.back(), "https://example.org/3000");
}

TEST_F(TForm3Test, StartsThatFailSayWhyInOneLine)
{
    // Each case: what the folder holds, and what the one line on stderr must name.
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::vector<std::string> said;
        std::string caption = "Tessel"; // the design's, where the settings did not apply
    };
    const std::string package = dir.File("Data.bin");
    const std::string good = Package({ { "one.swf", "FWS1" }, { "two.swf", "FWS2" } });
    const Case cases[] = {
        { "missing", [] {}, { package, "No such file or directory" } },
        { "empty", [&] { dir.Write("Data.bin", ""); }, { package, "shorter than its 26004-byte header" } },
        { "cut short", [&] { dir.Write("Data.bin", good.substr(0, good.size() - 3)); },
            { package, "damaged", "promises 26012 bytes, the file has 26009" } },
        { "a pipe", [&] { ASSERT_EQ(::mkfifo(package.c_str(), 0600), 0); },
            { package, "not a regular file" } },
        { "a device", [&] { ASSERT_EQ(::symlink("/dev/zero", package.c_str()), 0); },
            { package, "not a regular file" } },
        { "UTF-16 settings",
            [&] {
                dir.Write("Data.bin", Package({ { "settings1.ini", std::string("\xFF\xFE[\0L\0", 6) } }));
            },
            { "settings1.ini", "UTF-16" } },
        { "no nr",
            [&] {
                dir.Write("Data.bin", Package({ { "settings1.ini", "[Main]\ntitle=x\n" } }));
            },
            { "settings1.ini", "[Links] nr is missing" } },
        { "nr no number",
            [&] {
                dir.Write("Data.bin", Package({ { "settings1.ini", "[Links]\nnr=lots\n" } }));
            },
            { "[Links] nr is \"lots\", no number" } },
        { "nr past the bound",
            [&] {
                dir.Write("Data.bin",
                    Package({ { "settings1.ini",
                        "[Links]\nnr=10000000\n[Main]\ntitle=Bound\n"
                        "[TopPanel]\nheight=0\n[BottomPanel]\nheight=0\n" } }));
            },
            { "nr=10000000", "10000" }, "Bound" },
    };
    for (const Case& c : cases) {
        ::unlink(package.c_str());
        c.prepare();
        testing::internal::CaptureStderr();
        TForm3& form = Start();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << c.what << ": " << said;
        for (const std::string& part : c.said)
            EXPECT_NE(said.find(part), std::string::npos) << c.what << ": " << said;
        EXPECT_EQ(form.Caption(), c.caption) << c.what;
        form.Close();
        EXPECT_TRUE(Listing(temp.Path()).empty()) << c.what;
        Application().Initialize();
    }
    // No temporary folder to make the private one in: the line names it.
    test::TEnvScope gone("TMPDIR", temp.Path() + "/gone");
    dir.Write("Data.bin", good);
    testing::internal::CaptureStderr();
    TForm3& form = Start();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(temp.Path() + "/gone"), std::string::npos) << said;
    EXPECT_EQ(form.Menu->Items().Count(), 0);
    form.Close();
}

// A package past 64 MiB: the window comes with the small entries unpacked and the
// settings applied; the large game is offered once it is whole, a part a message-loop
// turn; a close meanwhile leaves nothing.
TEST_F(TForm3Test, ALargePackageShowsAtOnceAndOffersItsGamesWhenUnpacked)
{
    const std::string big = "FWS" + std::string(TForm3::kUnpackAtOnceBytes + 5, 'b');
    const std::vector<Entry> entries
        = { { "settings1.ini", "[Links]\nnr=0\n[Main]\ntitle=Large\nwidth=800\nheight=600\n" },
              { "big.swf", big }, { "small.swf", "FWS1" } };
    for (bool close_early : { false, true }) {
        TForm3& form = Start(entries);
        EXPECT_EQ(form.Caption(), "Large");
        ASSERT_EQ(Captions(form.Menu->Items()), (std::vector<std::string> { "big", "small" }));
        TMenuItem& large = *form.Menu->Items().Items(0);
        EXPECT_FALSE(large.Enabled());
        EXPECT_TRUE(form.Menu->Items().Items(1)->Enabled());
        struct stat st;
        ASSERT_EQ(::stat((unit3::TempDir + "small.swf").c_str(), &st), 0);
        EXPECT_LT(::stat((unit3::TempDir + "big.swf").c_str(), &st) == 0 ? st.st_size : 0,
            static_cast<off_t>(big.size()));
        form.Show();
        Pump();
        // Chosen before it is whole, it plays nothing.
        const std::vector<std::string> loads = ViewOf(*form.ShockwaveFlash1).Loads();
        large.Click();
        EXPECT_EQ(ViewOf(*form.ShockwaveFlash1).Loads(), loads);
        if (close_early) {
            Pump(1);
            form.Close();
            EXPECT_TRUE(Listing(temp.Path()).empty());
            Application().Initialize();
            continue;
        }
        int turns = 0;
        for (; turns < 100 && !large.Enabled(); ++turns)
            Pump(1);
        EXPECT_GE(turns, 8) << "a part at a time";
        EXPECT_TRUE(large.Enabled());
        ASSERT_EQ(::stat((unit3::TempDir + "big.swf").c_str(), &st), 0);
        EXPECT_EQ(st.st_size, static_cast<off_t>(big.size()));
        form.Close();
        EXPECT_TRUE(Listing(temp.Path()).empty());
        Application().Initialize();
    }
}

TEST_F(TForm3Test, SettingsTextInUtf8OrWindows1252)
{
    TForm3& form = Start(
        { { "settings1.ini",
              "\xEF\xBB\xBF[Main]\ntitle=Caf\xC3\xA9 games\n[Links]\nnr=2\nButtonName=Liens \xE9t\xE9\n"
              "title1=Na\xEFve\ntitle2=\xE2\x82\xAC 1\n" },
            { "GAME.SWF", "FWS" } });
    EXPECT_EQ(form.Caption(), "Caf\u00E9 games") << "the byte-order mark is no part of the text";
    EXPECT_EQ(form.vxSkinMenuButton2->Caption(), "Liens \u00E9t\u00E9");
    EXPECT_EQ(Captions(form.Menu1->Items()), (std::vector<std::string> { "Na\u00EFve", "\u20AC 1" }));
    // An upper-case extension is a movie too, and the entry plays the file as unpacked.
    ASSERT_EQ(Captions(form.Menu->Items()), (std::vector<std::string> { "GAME" }));
    form.Menu->Items().Items(0)->Click();
    EXPECT_EQ(form.ShockwaveFlash1->Movie(), unit3::TempDir + "GAME.SWF");
}

// The window's place and the game played last come back at the next run of the same
// package; a place off every monitor or a damaged state file is not taken (and the
// file is written anew at close); another package has a state of its own.
TEST_F(TForm3Test, TheNextRunFindsTheWindowAndTheLastGameAsTheyWere)
{
    const std::vector<Entry> entries { { "one.swf", "FWS1" }, { "two.swf", "FWS2" },
        { "settings1.ini", kSettings } };
    TForm3& first = Start(entries);
    first.SetBounds(120, 80, 700, 500);
    first.Menu->Items().Items(1)->Click();
    EXPECT_TRUE(first.Menu->Items().Items(1)->Checked());
    first.Close();
    unit3::Finalize();
    const std::string key = TPlayerState::PackageKey(dir.File("Data.bin"));
    const std::string file = state.Path() + "/tessel/" + key + ".ini";
    std::string problem;
    TPlayerState saved = TPlayerState::Load(file, key, problem);
    EXPECT_EQ(problem, "");
    EXPECT_EQ(saved.bounds, (TRect { 120, 80, 820, 580 }));
    EXPECT_EQ(saved.last_game, "two.swf");

    TForm3& second = Start();
    EXPECT_EQ(second.BoundsRect(), (TRect { 120, 80, 820, 580 }));
    EXPECT_FALSE(second.Menu->Items().Items(0)->Checked());
    EXPECT_TRUE(second.Menu->Items().Items(1)->Checked());
    second.Close();
    unit3::Finalize();

    // Off every monitor: the settings' size at the desktop's place.
    saved.bounds = { 9000, 9000, 9700, 9500 };
    std::string error;
    ASSERT_TRUE(saved.Save(file, key, error));
    TForm3& third = Start();
    EXPECT_EQ(third.Width(), 800);
    EXPECT_LT(third.Left(), 9000);
    third.Close();
    unit3::Finalize();

    // Damaged: ignored, and replaced at close.
    FILE* f = std::fopen(file.c_str(), "wb");
    std::fputs("\x01\x02garbage", f);
    std::fclose(f);
    TForm3& fourth = Start();
    EXPECT_EQ(fourth.Width(), 800);
    fourth.Close();
    unit3::Finalize();
    TPlayerState::Load(file, key, problem);
    EXPECT_EQ(problem, "") << "written anew";

    // Another package: its own state.
    Start({ { "three.swf", "FWS3" } }).Close();
    const std::string other = TPlayerState::PackageKey(dir.File("Data.bin"));
    EXPECT_NE(other, key);
    EXPECT_EQ(Listing(state.Path() + "/tessel").size(), 2u) << "a file for each package";
    TPlayerState::Load(file, key, problem);
    EXPECT_EQ(problem, "") << "the first package's state is left as it was";
}

// The player's keys reach it whichever view has the focus, through the movie
// player's interface; the game's keys (and the player's keys with Alt) still reach
// the game; the sound is remembered with the package.
TEST_F(TForm3Test, ThePlayersKeysReachItFromAnyViewAndGamesKeepTheirs)
{
    TForm3& form = Start({ { "one.swf", "FWS1" }, { "two.swf", "FWS2" } });
    form.Show();
    Pump();
    THeadlessWebView& movie = ViewOf(*form.ShockwaveFlash1);
    movie.SetTitle("ready");
    form.Menu->Items().Items(0)->Click();
    const size_t played = movie.Scripts().size();
    auto last = [&movie] { return movie.Scripts().empty() ? std::string() : movie.Scripts().back(); };
    auto type = [&](THeadlessWebView& view, uint32_t vk, bool ctrl = false, bool alt = false) {
        view.Type({ vk, ctrl, false, alt });
        Pump();
    };

    // Typed into the movie: Ctrl+P pauses, Pause resumes.
    type(movie, 'P', true);
    EXPECT_TRUE(form.ShockwaveFlash1->Paused());
    EXPECT_NE(last().find("tesselPause(true)"), std::string::npos) << last();
    type(movie, VK_PAUSE);
    EXPECT_FALSE(form.ShockwaveFlash1->Paused());
    EXPECT_NE(last().find("tesselPause(false)"), std::string::npos) << last();
    // The game's own keys, and Ctrl+Alt+P, go to the game.
    type(movie, 'P');
    type(movie, VK_UP);
    type(movie, 'P', true, true);
    EXPECT_EQ(movie.Typed(), (std::vector<uint32_t> { 'P', VK_UP, 'P' }));
    // Volume down twice and up once from 100 %; up stops at 100; Ctrl+M mutes.
    type(movie, VK_DOWN, true);
    type(movie, VK_DOWN, true);
    type(movie, VK_UP, true);
    EXPECT_EQ(form.ShockwaveFlash1->Volume(), 90);
    EXPECT_NE(last().find("tesselVolume(0.90)"), std::string::npos) << last();
    type(movie, 'M', true);
    EXPECT_TRUE(form.ShockwaveFlash1->Muted());
    EXPECT_NE(last().find("tesselVolume(0)"), std::string::npos) << last();

    // F11 gives the monitor to the movie alone; Escape (a game's key otherwise) and
    // F11 bring the window back as it was.
    const TRect windowed = form.BoundsRect();
    type(movie, VK_ESCAPE);
    EXPECT_EQ(movie.Typed().back(), uint32_t(VK_ESCAPE));
    type(movie, VK_F11);
    EXPECT_TRUE(form.FullScreen());
    EXPECT_EQ(form.BoundsRect(), wm.Backend().Monitors().at(0).rect);
    EXPECT_FALSE(form.vxSkinToolBar1->Visible());
    EXPECT_FALSE(form.vxSkinPanel2->Visible());
    EXPECT_EQ(form.vxSkinPanel3->BoundsRect(), (TRect { 0, 0, form.ClientWidth(), form.ClientHeight() }));
    type(movie, VK_ESCAPE);
    EXPECT_FALSE(form.FullScreen());
    EXPECT_EQ(form.BoundsRect(), windowed);
    EXPECT_EQ(form.vxSkinToolBar1->Top(), 0) << "the tool bar above the top page again";
    EXPECT_GT(form.vxSkinPanel2->Top(), 0);
    // A double click on the movie switches only with Alt alone held.
    movie.DoubleClick({});
    movie.DoubleClick({ true, false, true });
    Pump();
    EXPECT_FALSE(form.FullScreen());
    movie.DoubleClick({ false, false, true });
    Pump();
    EXPECT_TRUE(form.FullScreen());
    movie.DoubleClick({ false, false, true });
    Pump();
    EXPECT_FALSE(form.FullScreen());
    EXPECT_EQ(form.BoundsRect(), windowed);

    // From a web panel the same; and from the form's own window (no view focused).
    type(ViewOf(*form.WebBrowser2), 'P', true);
    EXPECT_TRUE(form.ShockwaveFlash1->Paused());
    for (uint32_t key : { uint32_t(VK_CONTROL), uint32_t('P') })
        wm.Input().KeyDown(key);
    wm.Input().KeyUp('P');
    wm.Input().KeyUp(VK_CONTROL);
    Pump();
    EXPECT_FALSE(form.ShockwaveFlash1->Paused());
    EXPECT_TRUE(ViewOf(*form.WebBrowser2).Typed().empty());
    EXPECT_GT(movie.Scripts().size(), played);

    // The sound comes back with the package, before the page is there.
    form.Close();
    unit3::Finalize();
    TForm3& again = Start();
    EXPECT_EQ(again.ShockwaveFlash1->Volume(), 90);
    EXPECT_TRUE(again.ShockwaveFlash1->Muted());
    THeadlessWebView& next = ViewOf(*again.ShockwaveFlash1);
    next.SetTitle("ready");
    ASSERT_FALSE(next.Scripts().empty());
    EXPECT_EQ(next.Scripts().front(), "tesselVolume(0)");
}

TEST_F(TForm3Test, AGamePlaysWithItsOwnOptionsAndFilesBesideIt)
{
    const std::string settings = kSettings
        + "[Game One]\nflashvars=level=3&name=a b\nquality=LOW\nscale=exactfit\nframerate=12.5\n"
          "background=#102030\n"
          "[Game Two]\nquality=-1\nframerate=99999\nscale=big\nbackground=blue\nflashvars=a\x01\n";
    TForm3& form = Start({ { "One.swf", "FWS1" }, { "settings1.ini", settings }, { "Two.swf", "FWS2" },
        { "level.png", "PNG" } });
    THeadlessWebView& player = ViewOf(*form.ShockwaveFlash1);
    player.SetTitle("ready");
    form.Menu->Items().Items(0)->Click();
    ASSERT_FALSE(player.Scripts().empty());
    const std::string one = player.Scripts().back();
    for (const char* option : { "parameters: \"level=3&name=a b\"", "quality: \"low\"", "scale: \"exactFit\"",
             "frameRate: 12.500", "base: \"tessel://player/movies/\"", "allowFullscreen: true" })
        EXPECT_NE(one.find(option), std::string::npos) << option << " in " << one;
    EXPECT_NE(one.find("}, \"#102030\")"), std::string::npos) << one;

    // Every value of the second game's section is bad: it plays as designed.
    form.Menu->Items().Items(1)->Click();
    const std::string two = player.Scripts().back();
    for (const char* option : { "quality: \"high\"", "scale: \"showAll\"" })
        EXPECT_NE(two.find(option), std::string::npos) << option << " in " << two;
    for (const char* absent : { "parameters:", "frameRate:" })
        EXPECT_EQ(two.find(absent), std::string::npos) << absent << " in " << two;
    EXPECT_NE(two.find("}, null)"), std::string::npos) << two;

    // The package's other files are served beside the movies, by their names.
    TWebResponse beside = TMediaServer::Instance().Answer("tessel://player/movies/level.png");
    EXPECT_TRUE(beside.found);
    EXPECT_EQ(beside.file, unit3::TempDir + "level.png");
    EXPECT_EQ(beside.content_type, "image/png");
    EXPECT_FALSE(TMediaServer::Instance().Answer("tessel://player/movies/Data.bin").found);
    form.Close();
}

TEST_F(TForm3Test, AGamesOwnFullScreenIsThePlayers)
{
    TForm3& form = Start({ { "one.swf", "FWS1" } });
    form.Show();
    Pump();
    THeadlessWebView& movie = ViewOf(*form.ShockwaveFlash1);
    movie.SetTitle("ready");
    form.Menu->Items().Items(0)->Click();
    const TRect windowed = form.BoundsRect();

    // The movie asks (its page's title says so): the window gives it the monitor,
    // through the message queue.
    movie.SetTitle("fullscreen on 1");
    EXPECT_FALSE(form.FullScreen());
    Pump();
    EXPECT_TRUE(form.FullScreen());
    EXPECT_EQ(form.BoundsRect(), wm.Backend().Monitors().at(0).rect);
    // The movie leaves by itself: the window comes back.
    movie.SetTitle("fullscreen off 2");
    Pump();
    EXPECT_FALSE(form.FullScreen());
    EXPECT_EQ(form.BoundsRect(), windowed);

    // Escape ends it for the movie too: the page is told.
    movie.SetTitle("fullscreen on 3");
    Pump();
    ASSERT_TRUE(form.FullScreen());
    movie.Type({ VK_ESCAPE, false, false, false });
    Pump();
    EXPECT_FALSE(form.FullScreen());
    EXPECT_EQ(movie.Scripts().back(), "tesselLeaveFullScreen()");
    // The page's own word that it has left changes nothing more.
    movie.SetTitle("fullscreen off 4");
    Pump();
    EXPECT_FALSE(form.FullScreen());
    EXPECT_EQ(form.BoundsRect(), windowed);
    form.Close();
}
