#include "tessel/framework/Exception.h"
#include "tessel/media/TMediaServer.h"
#include "tessel/media/TPlayerPage.h"
#include "tessel/media/TShockwaveFlash.h"
#include "tessel/media/TUri.h"
#include "tessel/media/TWebBrowser.h"
#include "tests/framework/HeadlessApplication.h"
#include "tests/support/TempDir.h"

#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace tessel;

namespace {

using MediaTest = test::HeadlessApplication;

THeadlessWebView& ViewOf(TWebViewHost& host)
{
    return *dynamic_cast<THeadlessWebView*>(host.View());
}

} // namespace

TEST(TUri, AddressesAreTakenAsBrowsersTakeThem)
{
    for (const char* kept : { "https://example.org/a?b#c", "file:///tmp/x.html", "about:blank",
             "tessel://player/", "mailto:a@b.org" })
        EXPECT_EQ(TUri::Normalize(kept), kept);
    const std::pair<const char*, const char*> mended[] = {
        { "data:text/html,<body style=\"background:red\"></body>",
            "data:text/html,%3Cbody%20style=%22background:red%22%3E%3C/body%3E" },
        { "https://example.org/a b", "https://example.org/a%20b" },
        { "  https://example.org/  ", "https://example.org/" },
        { "HTTPS://Example.org/caf\u00E9", "https://Example.org/caf%C3%A9" },
        { "http://%zz/100%", "http://%25zz/100%25" },
        { "https://example.org/%41%2f", "https://example.org/%41%2f" },
        { "https://example.org/a#b#c", "https://example.org/a#b%23c" },
        { "https://example.org\\a\\b?x\\y", "https://example.org/a/b?x%5Cy" },
        { "http://[::1]:8080/[x]{y}|^`", "http://[::1]:8080/%5Bx%5D%7By%7D%7C%5E%60" },
        { "http://us er:p@caf\u00E9.example:/", "http://us%20er:p@caf%C3%A9.example:/" },
        { "x-custom:a\\b", "x-custom:a%5Cb" },
    };
    for (auto [in, out] : mended)
        EXPECT_EQ(TUri::Normalize(in), out) << in;
    for (const char* refused : { "", "   ", "page.html", "C:\\games\\x.html", "not an address", "1http://x",
             "http:", ":foo", "http://a\tb", "http://a\nb", "http://a\x7f", "https://a/\x01", "http://a:b/",
             "http://[zz]/", "http://[::1]x/", "http://a%FF/", "http://a[b]/", "https://::" })
        EXPECT_EQ(TUri::Normalize(refused), std::nullopt) << refused;
    EXPECT_FALSE(TUri::HasScheme("C:\\x"));
    EXPECT_TRUE(TUri::HasScheme("mailto:someone@example.org"));
    EXPECT_EQ(
        TUri::FromFilePath("/tmp/tessel-a/caf\u00E9 #1.html"), "file:///tmp/tessel-a/caf%C3%A9%20%231.html");
    EXPECT_EQ(TUri::Unescape("a%20b%2Fc%zz%4"), "a b/c%zz%4");
}

// The warm start's movie is written out by hand: its header must give its length, and
// its tags (a background, two shapes, their placing, a frame, the end) must fill it
// exactly, or Ruffle refuses it and the renderer is built only for the first game.
TEST(TPlayerPage, TheWarmStartMovieIsWhole)
{
    const std::string swf = TPlayerPage::BlankMovie();
    ASSERT_GE(swf.size(), 21u);
    EXPECT_EQ(swf.substr(0, 3), "FWS");
    auto byte = [&](size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(swf[i])); };
    EXPECT_EQ(byte(4) | byte(5) << 8 | byte(6) << 16 | byte(7) << 24, swf.size());
    // The stage's rectangle: five bits give the bits of each of its four numbers.
    const unsigned bits = byte(8) >> 3;
    size_t at = 8 + (5 + 4 * bits + 7) / 8 + 4;
    std::vector<unsigned> codes;
    while (at + 2 <= swf.size()) {
        const unsigned head = byte(at) | byte(at + 1) << 8;
        at += 2;
        size_t length = head & 63;
        if (length == 63) {
            ASSERT_LE(at + 4, swf.size());
            length = byte(at) | byte(at + 1) << 8 | byte(at + 2) << 16 | byte(at + 3) << 24;
            at += 4;
        }
        codes.push_back(head >> 6);
        at += length;
        if (codes.back() == 0)
            break;
    }
    EXPECT_EQ(at, swf.size());
    EXPECT_EQ(codes, (std::vector<unsigned> { 9, 2, 2, 26, 26, 1, 0 }));
}

TEST_F(MediaTest, TheServerAnswersOnlyWhatItServes)
{
    test::TempDir ruffle;
    ruffle.Write("ruffle.js", "js");
    ruffle.Write("core.wasm", "wasm");
    test::TempDir outside;
    outside.Write("secret", "no");
    TMediaServer& server = TMediaServer::Instance();
    std::string old = server.RuffleFolder();
    server.SetRuffleFolder(ruffle.Path());

    TWebResponse page = server.Answer("tessel://player/player.html");
    EXPECT_TRUE(page.found);
    EXPECT_EQ(page.content_type, "text/html; charset=utf-8");
    EXPECT_NE(page.bytes.find("tessel://player/ruffle/ruffle.js"), std::string::npos);
    EXPECT_EQ(server.Answer("tessel://player/blank.swf").bytes, TPlayerPage::BlankMovie());
    EXPECT_EQ(server.Answer("tessel://player/ruffle/core.wasm").content_type, "application/wasm");
    // Files are answered by their paths, for the engine to map.
    EXPECT_EQ(server.Answer("tessel://player/ruffle/ruffle.js?v=1").file, ruffle.File("ruffle.js"));
    EXPECT_FALSE(server.Answer("tessel://player/ruffle/missing.js").found);
    std::string up = "tessel://player/ruffle/%2E%2E%2F" + outside.Path().substr(outside.Path().rfind('/') + 1)
        + "/secret";
    EXPECT_FALSE(server.Answer(up).found);
    EXPECT_FALSE(server.Answer("tessel://player/ruffle/../secret").found);
    EXPECT_FALSE(server.Answer("https://player/player.html").found);

    // A movie is served by its file name, the same address wherever the file lies.
    test::TempDir movies;
    movies.Write("My Game.swf", "FWS");
    std::string uri = server.ServeMovie(movies.File("My Game.swf"));
    EXPECT_EQ(uri, "tessel://player/movies/My%20Game.swf");
    TWebResponse movie = server.Answer(uri);
    EXPECT_TRUE(movie.found);
    EXPECT_EQ(movie.file, movies.File("My Game.swf"));
    EXPECT_TRUE(movie.bytes.empty());
    EXPECT_EQ(movie.content_type, "application/x-shockwave-flash");
    EXPECT_FALSE(server.Answer("tessel://player/movies/Other.swf").found);
    server.SetRuffleFolder(old);
}

TEST_F(MediaTest, AMovieReadsTheFilesBesideItAndNothingElse)
{
    test::TempDir content;
    const std::pair<const char*, const char*> typed[] = {
        { "Level2.swf", "application/x-shockwave-flash" },
        { "art.png", "image/png" },
        { "Photo.JPG", "image/jpeg" },
        { "photo2.jpeg", "image/jpeg" },
        { "spin.gif", "image/gif" },
        { "intro.flv", "video/x-flv" },
        { "song.mp3", "audio/mpeg" },
        { "levels.xml", "text/xml" },
        { "words.txt", "text/plain" },
        { "save.dat", "application/octet-stream" },
    };
    std::vector<std::string> names;
    for (auto [name, type] : typed) {
        content.Write(name, name);
        names.push_back(name);
    }
    test::TempDir outside;
    outside.Write("secret", "no");
    content.Write("unlisted.txt", "no");
    ASSERT_EQ(::symlink(outside.File("secret").c_str(), content.File("link.png").c_str()), 0);
    ASSERT_EQ(::mkdir(content.File("sub").c_str(), 0700), 0);
    content.Write("sub/inner.png", "no");
    content.Write("Same.txt", "1");
    content.Write("same.TXT", "2");
    for (const char* hostile :
        { "link.png", "../secret", "sub/inner.png", "", ".", "..", "a\nb", "Same.txt", "same.TXT" })
        names.push_back(hostile);
    TMediaServer& server = TMediaServer::Instance();
    server.ServeFolder(content.Path(), names);

    const std::string base = TMediaServer::MoviesBase();
    for (auto [name, type] : typed) {
        TWebResponse r = server.Answer(base + TUri::Escape(name));
        ASSERT_TRUE(r.found) << name;
        EXPECT_EQ(r.file, content.File(name)) << "served from its file, not copied";
        EXPECT_TRUE(r.bytes.empty());
        EXPECT_EQ(r.content_type, type) << name;
    }
    // A name in another letter case finds its file, as on the games' own systems,
    // unless two files would answer.
    EXPECT_EQ(server.Answer(base + "level2.SWF").file, content.File("Level2.swf"));
    EXPECT_EQ(server.Answer(base + "Same.txt").file, content.File("Same.txt"));
    EXPECT_FALSE(server.Answer(base + "SAME.txt").found);
    // Nothing the package did not unpack, nothing outside, no link followed.
    const std::string secret = outside.File("secret");
    for (std::string asked :
        { base + "unlisted.txt", base + "link.png", base + "..%2Fsecret", base + "%2e%2e/secret",
            base + "../secret", base + "sub/inner.png", base + "sub%2Finner.png", base + TUri::Escape(secret),
            base + "%2Fetc%2Fpasswd", base + "/etc/passwd", base + "art.png%00.txt", base + "a%0Ab", base,
            base + ".", base + "..", base + std::string(300, 'a'),
            std::string("tessel://player/") + "art.png", std::string("tessel://other/movies/art.png") })
        EXPECT_FALSE(server.Answer(asked).found) << asked;

    // Another package's files replace these.
    server.ServeFolder(outside.Path(), { "secret" });
    EXPECT_FALSE(server.Answer(base + "art.png").found);
    EXPECT_TRUE(server.Answer(base + "secret").found);
    server.ServeFolder("", {});

    // The page's scripts are the program's own, under a policy that runs no other.
    TWebResponse page = server.Answer("tessel://player/player.html");
    EXPECT_NE(page.bytes.find("Content-Security-Policy"), std::string::npos);
    EXPECT_NE(page.bytes.find("script-src 'self' tessel: 'wasm-unsafe-eval'"), std::string::npos);
    EXPECT_EQ(page.bytes.find("<script>"), std::string::npos) << "no inline script";
    EXPECT_EQ(server.Answer("tessel://player/player.js").content_type, "text/javascript");
    EXPECT_NE(server.Answer("tessel://player/player.js").bytes.find("window.tesselPlay"), std::string::npos);
    EXPECT_NE(server.Answer("tessel://player/player-config.js").bytes.find("publicPath"), std::string::npos);
}

TEST_F(MediaTest, TheBackendIsSetUpBeforeTheFirstView)
{
    TShockwaveFlash player;
    const TWebConfig* config = clock->WebConfig();
    ASSERT_NE(config, nullptr);
    ASSERT_EQ(config->schemes.size(), 1u);
    EXPECT_EQ(config->schemes[0].name, "tessel");
    EXPECT_EQ(config->languages, (std::vector<std::string> { "en-US" }));
    EXPECT_NE(config->data_folder.find("/tessel/"), std::string::npos);
    EXPECT_NE(config->cache_folder.find("/tessel/"), std::string::npos);
    EXPECT_NE(config->data_folder, config->cache_folder);
}

TEST_F(MediaTest, TheMoviePlayerLoadsMoviesOnceThePageIsReady)
{
    test::TempDir dir;
    dir.Write("a.swf", "FWS");
    dir.Write("b.swf", "FWS");
    TShockwaveFlash player;
    THeadlessWebView& view = ViewOf(player);
    EXPECT_EQ(player.Movie(), "");
    EXPECT_EQ(player.Quality(), "High");
    EXPECT_EQ(player.Scale(), "ShowAll");

    // A missing file raises and leaves the player as it was.
    try {
        player.SetMovie(dir.File("none.swf"));
        ADD_FAILURE() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_NE(e.Message().find("none.swf"), std::string::npos);
    }
    EXPECT_EQ(player.Movie(), "");

    player.SetMovie(dir.File("a.swf"));
    player.SetMovie(dir.File("b.swf"));
    EXPECT_TRUE(view.Scripts().empty());
    view.SetTitle("ready");
    // Only the latest movie is loaded, with the player's designed state.
    ASSERT_EQ(view.Scripts().size(), 1u);
    const std::string& script = view.Scripts()[0];
    EXPECT_EQ(script.rfind("tesselPlay({ url: \"tessel://player/movies/b.swf\"", 0), 0u) << script;
    for (const char* option :
        { "quality: \"high\"", "scale: \"showAll\"", "autoplay: \"on\"", "contextMenu: \"on\"",
            "allowFullscreen: false", "wmode: \"window\"", "allowNetworking: \"all\"" })
        EXPECT_NE(script.find(option), std::string::npos) << option;
    // Its relative addresses resolve beside it; a movie leaves by any window name.
    EXPECT_NE(script.find("base: \"tessel://player/movies/\""), std::string::npos) << script;
    EXPECT_NE(script.find("allowScriptAccess: true"), std::string::npos) << script;

    // The view takes the keys as each movie is chosen; the page's player takes the
    // page's focus when the movie has loaded, and the view is not asked again (a
    // click elsewhere meanwhile keeps the keys there).
    EXPECT_EQ(view.FocusCount(), 2);
    view.SetTitle("loadeddata 2");
    EXPECT_EQ(view.FocusCount(), 2);
    EXPECT_EQ(view.Scripts().back(), "tesselFocus()");

    player.SetMovie(dir.File("a.swf"));
    EXPECT_NE(view.Scripts().back().find("movies/a.swf"), std::string::npos) << "a ready page plays at once";
}

TEST_F(MediaTest, TheWebBrowserRaisesForAddressesItCannotShow)
{
    TWebBrowser browser;
    THeadlessWebView& view = ViewOf(browser);
    browser.Navigate("https://example.org/");
    browser.Navigate("");
    EXPECT_EQ(view.Loads(), (std::vector<std::string> { "https://example.org/", "about:blank" }));
    EXPECT_THROW(browser.Navigate("no scheme here"), EWebBrowserError);
    view.SetRefusing(true);
    EXPECT_THROW(browser.Navigate("https://example.org/other"), EWebBrowserError);
    EXPECT_EQ(browser.LocationURL(), "about:blank");
}

TEST_F(MediaTest, ThePlayerIsTheProgramsOwnViewAndRestsOffTheScreen)
{
    TForm& form = NewForm();
    auto& player = form.Add<TShockwaveFlash>();
    player.SetParent(&form);
    player.SetAlign(alClient);
    auto& browser = form.Add<TWebBrowser>();
    browser.SetParent(&form);
    browser.SetAlign(alTop);
    THeadlessWebView& view = ViewOf(player);
    // Only the player's page may read the program's scheme.
    EXPECT_EQ(view.Kind(), TWebViewKind::Program);
    EXPECT_EQ(ViewOf(browser).Kind(), TWebViewKind::Page);

    form.Show();
    Pump();
    wm.ShowWindow(form.Handle(), SW_MINIMIZE);
    Pump();
    EXPECT_TRUE(view.Scripts().empty()) << "nothing is told to a page that is not ready";
    wm.ShowWindow(form.Handle(), SW_RESTORE);
    Pump();
    view.SetTitle("ready");

    auto told = [&] {
        std::vector<std::string> out;
        for (const std::string& s : view.Scripts())
            if (s == "tesselSuspend()" || s == "tesselResume()")
                out.push_back(s);
        return out;
    };
    wm.ShowWindow(form.Handle(), SW_MINIMIZE);
    Pump();
    EXPECT_EQ(told(), (std::vector<std::string> { "tesselSuspend()" }));
    wm.ShowWindow(form.Handle(), SW_RESTORE);
    Pump();
    form.Hide();
    Pump();
    form.Show();
    Pump();
    // Moving or sizing on the screen tells nothing.
    form.SetBounds(50, 50, 600, 500);
    Pump();
    EXPECT_EQ(told(),
        (std::vector<std::string> {
            "tesselSuspend()", "tesselResume()", "tesselSuspend()", "tesselResume()" }));
}
