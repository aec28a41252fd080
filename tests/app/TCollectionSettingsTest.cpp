#include "app/content/TCollectionSettings.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace tessel;

namespace {

using TProblems = std::vector<TCollectionSettings::TProblem>;

TProblems Checked(const std::string& text, const std::vector<std::string>& files)
{
    test::TempDir dir;
    dir.Write("settings1.ini", text);
    return TCollectionSettings::Check(dir.File("settings1.ini"), files);
}

// The problems' messages, fatal ones marked with "!".
std::vector<std::string> Said(const TProblems& problems)
{
    std::vector<std::string> said;
    for (const auto& problem : problems)
        said.push_back((problem.fatal ? "!" : "") + problem.message);
    return said;
}

} // namespace

TEST(TCollectionSettings, ACheckSaysWhatThePlayerWouldMakeOfTheSettings)
{
    const std::vector<std::string> files { "Orbit.swf", "clicker.SWF", "top.html", "settings1.ini" };
    // What the player reads in full: nothing to say.
    EXPECT_TRUE(Checked("\xEF\xBB\xBF[Main]\nwidth=900\nheight=700\ntitle=Games\n[TopPanel]\nheight=60\n"
                        "link=top.html\n[BottomPanel]\nlink=https://example.org/ads\n[Links]\nnr=2\n"
                        "ButtonName=More\ntitle1=Site\nlink1=https://example.org/\ntitle2=Mail\n"
                        "link2=mailto:a@example.org\n[game ORBIT]\nflashvars=a=1\nquality=low\n"
                        "[Game clicker]\nscale=noborder\nframerate=30\nbackground=#102030\n",
        files)
                    .empty());

    // Warnings: what the player reads past or refuses, each once, in the file's order.
    EXPECT_EQ(
        Said(Checked("[Main]\nwidht=900\n[Extra]\nx=1\n[TopPanel]\nlink=missing.html\n[Links]\nnr=20000\n"
                     "title1=A\nlink1=ftp://example.org/\nlink2=top.html\nlink3=nothing.html\nsize=3\n"
                     "[Game Orbit]\nquality=ultra\nspeed=2\n",
            files)),
        (std::vector<std::string> {
            "[Links] nr=20000 is more than 10000; the menu has 10000 entries",
            "[Main] widht is no key the player reads; it is ignored",
            "[Extra] is no section the player reads; it is ignored",
            "[TopPanel] link=missing.html names no file of the collection; the panel takes it for a web "
            "address",
            "[Links] link1=ftp://example.org/ is no file of the collection and no http, https or mailto "
            "address; "
            "the player refuses it",
            "[Links] link3=nothing.html is no file of the collection and no http, https or mailto address; "
            "the "
            "player refuses it",
            "[Links] size is no key the player reads; it is ignored",
            "[Game Orbit] speed is no key the player reads; it is ignored",
            "[Game Orbit] quality=ultra: not low, medium, high or best; ignored",
        }));
    EXPECT_EQ(Said(Checked("[Links]\nnr=1\ntitle1=A\nlink1=https://example.org/\ntitle2=B\n", files)),
        (std::vector<std::string> { "[Links] title2 is past nr=1; the menu has no such entry" }));

    // Fatal: the player would apply none of it, or a game section's movie is missing.
    EXPECT_EQ(Said(Checked("[Main]\ntitle=Games\n", files)),
        (std::vector<std::string> {
            "![Links] nr is missing; without it the player applies none of the settings" }));
    EXPECT_EQ(Said(Checked("[Links]\nnr=two\n", files)),
        (std::vector<std::string> {
            "![Links] nr is \"two\", no number; without it the player applies none of the settings" }));
    const TProblems wide = Checked(std::string("\xFF\xFE[\0L\0", 6), files);
    ASSERT_EQ(wide.size(), 1u);
    EXPECT_TRUE(wide[0].fatal);
    EXPECT_NE(wide[0].message.find("UTF-16"), std::string::npos);
    EXPECT_EQ(Said(Checked("[Links]\nnr=0\n[Game Pong]\nquality=low\n[Game top]\nscale=noscale\n", files)),
        (std::vector<std::string> { "![Game Pong] is for the movie Pong.swf, which is not in the collection",
            "![Game top] is for the movie top.swf, which is not in the collection" }));
}

TEST(TCollectionSettings, TextAndNamesAsThePlayerReadsThem)
{
    EXPECT_EQ(TCollectionSettings::Text("caf\xC3\xA9"), "caf\xC3\xA9");
    EXPECT_EQ(TCollectionSettings::Text("caf\xE9"), "caf\xC3\xA9") << "Windows-1252";
    for (const char* movie : { "a.swf", "B.SWF", "c.Swf" })
        EXPECT_TRUE(TCollectionSettings::IsMovieName(movie)) << movie;
    for (const char* other : { ".swf", "a.swf.txt", "swf", "a.sw" })
        EXPECT_FALSE(TCollectionSettings::IsMovieName(other)) << other;
}
