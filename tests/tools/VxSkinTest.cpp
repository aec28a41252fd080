#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TFileStream.h"
#include "tessel/framework/TMemoryStream.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestSkins.h"
#include "tools/vxskin/TSkinPreview.h"
#include "tools/vxskin/TSkinUnpacker.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

using namespace tessel;

namespace {

struct Result {
    int status;
    std::string out;
};

// Runs vxskin with the arguments (already quoted where needed), standard error to standard output.
Result Vxskin(const std::string& args)
{
    std::string command = std::string("'") + TESSEL_VXSKIN + "' " + args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buf[4096];
    while (size_t n = fread(buf, 1, sizeof buf, pipe))
        out.append(buf, n);
    int status = pclose(pipe);
    return { WIFEXITED(status) ? WEXITSTATUS(status) : -1, out };
}

std::string Q(const std::string& path)
{
    return "'" + path + "'";
}

} // namespace

TEST(Vxskin, RecordsOfTheDemoSkin)
{
    Result r = Vxskin("records " + Q(test::DemoSkinFile()) + " --json");
    ASSERT_EQ(r.status, 0) << r.out;
    for (const char* expected : { "\"version\": 2", "\"IDName\": \"closebutton\"",
             "\"class\": \"TvxDataSkinStdButton\"", "\"skinrect\": [43,3,56,16]", "\"command\": \"cmclose\"",
             "\"morphkind\": \"mkdefault\"", "\"inactiveeffect\": \"iebrightness\"",
             "\"fontstyle\": [\"fsbold\"]", "\"stretchtype\": \"stfull\"", "\"skinrectinapicture\": true",
             "\"rollupmask\": null", "\"formminwidth\": 170", "\"skinname\": \"Tessel Slate\"",
             "\"areas\": []", "\"class\": \"TvxDataSkinMenuButtonControl\"" })
        EXPECT_NE(r.out.find(expected), std::string::npos) << expected;
    // "panel" is control 7, "toolpanel" 1, "toolmenubutton" 39.
    EXPECT_NE(r.out.find("\"index\": 7,\n      \"IDName\": \"panel\""), std::string::npos);
    EXPECT_NE(r.out.find("\"index\": 1,\n      \"IDName\": \"toolpanel\""), std::string::npos);
    EXPECT_NE(r.out.find("\"index\": 39,\n      \"IDName\": \"toolmenubutton\""), std::string::npos);
}

TEST(Vxskin, TheThreeInputFormsListTheSame)
{
    test::TempDir dir;
    Result raw = Vxskin("pack " + Q(test::DemoSkinIniFile()) + " -o " + Q(dir.File("demo.z")) + " --raw");
    ASSERT_EQ(raw.status, 0) << raw.out;
    std::string bare = dir.Read("demo.z");
    ASSERT_GE(bare.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(bare[0]), 0x78);
    EXPECT_EQ(static_cast<unsigned char>(bare[1]), 0xDA);

    Result from_file = Vxskin("records " + Q(test::DemoSkinFile()) + " --json");
    Result from_bare = Vxskin("records " + Q(dir.File("demo.z")) + " --json");
    Result from_folder = Vxskin("records " + Q(test::DemoSkinIniFile()) + " --json");
    ASSERT_EQ(from_file.status, 0);
    EXPECT_EQ(from_bare.out, from_file.out);
    EXPECT_EQ(from_folder.out, from_file.out);
}

TEST(Vxskin, UnpackAndPackAgainGiveTheSameSkin)
{
    test::TempDir dir;
    Result unpack = Vxskin("unpack " + Q(test::DemoSkinFile()) + " -o " + Q(dir.File("out")));
    ASSERT_EQ(unpack.status, 0) << unpack.out;
    EXPECT_TRUE(std::filesystem::exists(dir.File("out/controls.bmp")));
    Result pack = Vxskin("pack " + Q(dir.File("out/skin.ini")) + " -o " + Q(dir.File("again.vxs")));
    ASSERT_EQ(pack.status, 0) << pack.out;
    EXPECT_EQ(Vxskin("records " + Q(dir.File("again.vxs")) + " --json").out,
        Vxskin("records " + Q(test::DemoSkinFile()) + " --json").out);
}

TEST(Vxskin, ErrorsExitWithOneAndSaySo)
{
    test::TempDir dir;
    dir.Write("partial.ini", "[VERSION]\n[PICTURES]\n[FORMINFO]\n");
    Result missing = Vxskin("pack " + Q(dir.File("partial.ini")) + " -o " + Q(dir.File("x.vxs")));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find("SKINOBJECTS, SKINCONTROLS"), std::string::npos) << missing.out;
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.vxs")));

    dir.Write("garbage.vxs", std::string("\x02\0\0\0\x05\0\0\0\x78\xDA\x01\x02\x03", 13));
    Result corrupt = Vxskin("records " + Q(dir.File("garbage.vxs")) + " --json");
    EXPECT_EQ(corrupt.status, 1);
    EXPECT_NE(corrupt.out.find("Decompression error"), std::string::npos) << corrupt.out;

    Result absent = Vxskin("info " + Q(dir.File("nothing.vxs")));
    EXPECT_EQ(absent.status, 1);
    EXPECT_NE(absent.out.find("Cannot open file"), std::string::npos) << absent.out;

    dir.Write("future.vxs", std::string("\x07\0\0\0\x00\0\0\0", 8));
    EXPECT_EQ(Vxskin("records " + Q(dir.File("future.vxs")) + " --json").status, 1);

    EXPECT_EQ(Vxskin("frobnicate").status, 2);
    EXPECT_EQ(Vxskin("records " + Q(test::DemoSkinFile())).status, 2); // --json is required
}

TEST(Vxskin, InfoSummarises)
{
    Result r = Vxskin("info " + Q(test::DemoSkinFile()));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("Tessel Slate"), std::string::npos);
    EXPECT_NE(r.out.find("13 frame objects, 60 controls, 0 areas"), std::string::npos);
    EXPECT_NE(r.out.find("535 x 384, 24-bit"), std::string::npos);
}

TEST(TSkinUnpacker, PictureNamesCannotLeaveTheFolder)
{
    EXPECT_TRUE(TSkinUnpacker::IsPlainFileName("frame.bmp"));
    for (const char* bad : { "", ".", "..", "../x.bmp", "/etc/x.bmp", "a/b.bmp", "a\\b.bmp" })
        EXPECT_FALSE(TSkinUnpacker::IsPlainFileName(bad)) << bad;

    test::TempDir dir;
    test::PackageParts parts;
    parts.version = 2;
    parts.picture = test::Pattern(4, 4, 1);
    parts.mask = test::Pattern(4, 4, 2);
    parts.active = { test::Pattern(2, 2, 3), test::Pattern(3, 3, 4) };
    parts.ini = test::MinimalIni()
        + "[PICTURES]\r\npicture=../escape.bmp\r\nmask=same.bmp\r\nactivepicturescount=2\r\n"
          "0=SAME.bmp\r\n1=/tmp/abs.bmp\r\n";
    TvxCompressedStoredSkin skin;
    test::StoreSkin(skin, parts);
    std::string ini = TSkinUnpacker::Unpack(skin, dir.File("out"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("escape.bmp")));
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.File("out")))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files,
        (std::vector<std::string> { "active0.bmp", "active1.bmp", "picture.bmp", "same.bmp", "skin.ini" }));

    // The written folder packs back into the same pictures.
    TvxCompressedStoredSkin again;
    again.ImportSkinFolder(ini);
    TMemoryStream a, b;
    skin.DecompressTo(a);
    again.DecompressTo(b);
    TBitmap first, second;
    a.SetPosition(5);
    b.SetPosition(5);
    first.LoadFromStream(a);
    second.LoadFromStream(b);
    EXPECT_EQ(first, second);
}

namespace {

// The width and height a PNG file's header gives; 0 x 0 when it is no PNG.
TPoint PngSize(const std::string& path)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return {};
    unsigned char h[24] = {};
    size_t n = std::fread(h, 1, sizeof h, f);
    std::fclose(f);
    if (n < 24 || h[1] != 'P' || h[2] != 'N' || h[3] != 'G')
        return {};
    auto be = [&](int at) { return (h[at] << 24) | (h[at + 1] << 16) | (h[at + 2] << 8) | h[at + 3]; };
    return { be(16), be(20) };
}

} // namespace

TEST(Vxskin, RenderRegionAndSheetWriteTheirPictures)
{
    test::TempDir dir;
    std::string skin = Q(test::DemoSkinFile());
    Result panel
        = Vxskin("render " + skin + " --control panel --size 956x150 -o " + Q(dir.File("panel.png")));
    ASSERT_EQ(panel.status, 0) << panel.out;
    EXPECT_EQ(PngSize(dir.File("panel.png")), (TPoint { 956, 150 }));
    // A horizontal strip keeps the record's height.
    Result strip
        = Vxskin("render " + skin + " --control toolmenubutton --size 120x40 -o " + Q(dir.File("strip.png")));
    ASSERT_EQ(strip.status, 0) << strip.out;
    EXPECT_EQ(PngSize(dir.File("strip.png")), (TPoint { 120, 26 }));
    for (const char* kind : { "--form", "--popup", "--hint" }) {
        Result r = Vxskin("render " + skin + " " + kind + " --size 300x200 -o " + Q(dir.File("w.png")));
        EXPECT_EQ(r.status, 0) << kind << r.out;
        EXPECT_EQ(PngSize(dir.File("w.png")), (TPoint { 300, 200 })) << kind;
    }
    Result region = Vxskin("region " + skin + " --form --size 640x480 -o " + Q(dir.File("region.png")));
    ASSERT_EQ(region.status, 0) << region.out;
    EXPECT_EQ(PngSize(dir.File("region.png")), (TPoint { 640, 480 }));
    Result sheet = Vxskin("sheet " + skin + " -o " + Q(dir.File("sheet.png")));
    ASSERT_EQ(sheet.status, 0) << sheet.out;
    EXPECT_GT(PngSize(dir.File("sheet.png")).y, 400);

    Result unknown = Vxskin("render " + skin + " --control nosuch --size 10x10 -o " + Q(dir.File("x.png")));
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.out.find("has no control \"nosuch\""), std::string::npos) << unknown.out;
    Result key = Vxskin(
        "render " + skin + " --object closebutton --rect nosuchrect --size 10x10 -o " + Q(dir.File("x.png")));
    EXPECT_EQ(key.status, 1);
    EXPECT_NE(key.out.find("no rectangle \"nosuchrect\""), std::string::npos) << key.out;
    Result size = Vxskin("render " + skin + " --form --size 10by10 -o " + Q(dir.File("x.png")));
    EXPECT_EQ(size.status, 2);
    EXPECT_NE(size.out.find("WxH"), std::string::npos) << size.out;
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.png")));
}

TEST(TSkinPreview, TheSheetShowsEveryStateOfEveryLook)
{
    TvxCompressedStoredSkin skin;
    test::LoadDemoSkin(skin);
    TvxSkinData data;
    data.LoadCompressedSkin(&skin);
    std::vector<TSkinPreview::TSheetEntry> entries = TSkinPreview::SheetEntries(data);
    auto find = [&](const std::string& label) -> const TSkinPreview::TSheetEntry* {
        for (const auto& e : entries)
            if (e.label == label)
                return &e;
        return nullptr;
    };
    // The push button's five looks, each cut from its own rectangle.
    const TBitmap& atlas = *data.ActivePicture(4);
    for (auto [state, key] :
        { std::pair { "", "skinrect" }, { ": active", "activeskinrect" }, { ": down", "downskinrect" },
            { ": focused", "focusedskinrect" }, { ": disabled", "disabledskinrect" } }) {
        const auto* e = find(std::string("control button") + state);
        ASSERT_NE(e, nullptr) << state;
        TRect r = TSkinElement::Find(data, TElementKind::kControl, "button", key).geometry.R;
        ASSERT_EQ(e->small.Width(), r.Width()) << state;
        EXPECT_EQ(e->small.Pixel(r.Width() / 2, r.Height() / 2),
            atlas.Pixel(r.left + r.Width() / 2, r.top + r.Height() / 2))
            << state;
    }
    // The menu button's hot and pressed looks; the close button's inactive one. A
    // look the record leaves empty is not listed.
    EXPECT_NE(find("control toolmenubutton: active"), nullptr);
    EXPECT_NE(find("control toolmenubutton: down"), nullptr);
    EXPECT_NE(find("object closebutton: inactive"), nullptr);
    EXPECT_EQ(find("control toolbutton: focused"), nullptr);
    EXPECT_NE(find("control toolbutton: disabled"), nullptr);
    EXPECT_NE(find("control texturepanel"), nullptr);
}

TEST(TSkinPreview, OtherRectanglesAndRegionsOfTheDemoSkin)
{
    TvxCompressedStoredSkin skin;
    test::LoadDemoSkin(skin);
    TvxSkinData data;
    data.LoadCompressedSkin(&skin);
    // The close button's active look, cut from the active picture.
    TSkinElement close = TSkinElement::Find(data, TElementKind::kObject, "closebutton", "activeskinrect");
    EXPECT_EQ(close.geometry.R, (TRect { 101, 3, 114, 16 }));
    TBitmap active = TSkinPreview::Render(close, 50, 50);
    ASSERT_EQ(active.Width(), 13); // a fixed element keeps its size
    const TBitmap& picture = *data.ActivePicture(0);
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x)
            ASSERT_EQ(active.Pixel(x, y), picture.Pixel(101 + x, 3 + y));
    // The form's region follows its mask: the rounded corners stay cut at any size.
    TBitmap region = TSkinPreview::Region(data, TElementKind::kForm, {}, 640, 480);
    EXPECT_EQ(region.Pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(region.Pixel(639, 0), 0xFFFFFFFFu);
    EXPECT_EQ(region.Pixel(320, 240), 0xFF000000u);
    EXPECT_EQ(region.Pixel(320, 0), 0xFF000000u);
    EXPECT_EQ(region.Pixel(0, 240), 0xFF000000u);
    // A control without a mask is its plain rectangle.
    TBitmap plain = TSkinPreview::Region(data, TElementKind::kControl, "panel", 30, 20);
    EXPECT_EQ(plain.Pixel(0, 0), 0xFF000000u);
}

TEST(Vxskin, BadPackagesAndRecordsAreRefusedByName)
{
    test::TempDir dir;
    // A compressed stream of random bytes: its "version" is no version.
    std::vector<uint8_t> random(4096);
    uint32_t seed = 2044513201;
    for (uint8_t& b : random)
        b = static_cast<uint8_t>((seed = seed * 1103515245 + 12345) >> 16);
    random[3] = 0x85; // a negative version
    std::vector<uint8_t> packed = test::Compress(random);
    dir.Write("random.z", std::string(packed.begin(), packed.end()));
    for (const char* command : { "records", "unpack", "info" }) {
        std::string extra = std::string(command) == "records" ? " --json"
            : std::string(command) == "unpack"                ? " -o " + Q(dir.File("u"))
                                                              : "";
        Result r = Vxskin(std::string(command) + " " + Q(dir.File("random.z")) + extra);
        EXPECT_EQ(r.status, 1) << command << ": " << r.out;
        EXPECT_NE(r.out.find("outside 0 .. 3"), std::string::npos) << command << ": " << r.out;
    }

    // A record whose rectangle is far larger than any picture: refused by name,
    // and the sheet goes on without it.
    test::PackageParts parts;
    parts.version = 2;
    parts.picture = test::Pattern(16, 16, 1);
    parts.active = { test::Pattern(8, 8, 2) };
    parts.ini = test::MinimalIni("[SKINCONTROLS]\r\ncount=1\r\n0=huge:panel\r\n")
        + "[huge]\r\npictureindex=0\r\nskinrect=0,0,100000,100000\r\n";
    TvxCompressedStoredSkin skin;
    test::StoreSkin(skin, parts);
    TFileStream out(dir.File("huge.vxs"), TFileMode::fmCreate);
    skin.SaveToCompressedStream(out);
    Result render = Vxskin(
        "render " + Q(dir.File("huge.vxs")) + " --control huge --size 10x10 -o " + Q(dir.File("h.png")));
    EXPECT_EQ(render.status, 1) << render.out;
    EXPECT_NE(render.out.find("\"huge\" is 100000 x 100000"), std::string::npos) << render.out;
    Result sheet = Vxskin("sheet " + Q(dir.File("huge.vxs")) + " -o " + Q(dir.File("s.png")));
    EXPECT_EQ(sheet.status, 0) << sheet.out;
    EXPECT_NE(sheet.out.find("\"huge\" is 100000 x 100000"), std::string::npos) << sheet.out;
}

TEST(Vxskin, DamagedSkinsAreNamedAndWriteNothing)
{
    test::TempDir dir;
    // Version 2, its five picture slots empty, then a count and bytes that are no text.
    auto hostile = [&](const char* name, int32_t count) {
        std::vector<uint8_t> body = { 2, 0, 0, 0, 1, 1, 1, 1, 1 };
        for (int i = 0; i < 4; ++i)
            body.push_back(static_cast<uint8_t>(static_cast<uint32_t>(count) >> (8 * i)));
        for (int i = 0; i < 1024; ++i)
            body.push_back(static_cast<uint8_t>(i));
        std::vector<uint8_t> packed = test::Compress(body);
        dir.Write(name, std::string(packed.begin(), packed.end()));
        return Vxskin("unpack " + Q(dir.File(name)) + " -o " + Q(dir.File(std::string(name) + ".out")));
    };
    Result negative = hostile("negative.z", -1);
    EXPECT_EQ(negative.status, 1);
    EXPECT_NE(
        negative.out.find(dir.File("negative.z") + ": the skin package's count of active pictures is -1"),
        std::string::npos)
        << negative.out;
    Result binary = hostile("binary.z", 0);
    EXPECT_EQ(binary.status, 1);
    EXPECT_NE(binary.out.find("INI is not text"), std::string::npos) << binary.out;
    Result huge = hostile("huge.z", 0x7fffffff);
    EXPECT_EQ(huge.status, 1) << huge.out;
    for (const char* name : { "negative.z.out", "binary.z.out", "huge.z.out" })
        EXPECT_NE(::access(dir.File(name).c_str(), F_OK), 0) << name;

    // A skin file cut short: its name and that it ends early.
    std::ifstream whole(test::DemoSkinFile(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(whole)), std::istreambuf_iterator<char>());
    dir.Write("cut.vxs", bytes.substr(0, bytes.size() / 2));
    Result cut = Vxskin("records " + Q(dir.File("cut.vxs")) + " --json");
    EXPECT_EQ(cut.status, 1);
    EXPECT_NE(cut.out.find(dir.File("cut.vxs") + ": the skin ends early"), std::string::npos) << cut.out;
}

TEST(Vxskin, UnpackReplacesALinkPlantedInTheFolder)
{
    test::TempDir dir;
    test::TempDir victim;
    victim.Write("precious.txt", "keep me");
    ASSERT_EQ(Vxskin("unpack " + Q(test::DemoSkinFile()) + " -o " + Q(dir.File("out"))).status, 0);
    // A second unpack into the same folder, where skin.ini is now a link elsewhere.
    std::filesystem::remove(dir.File("out/skin.ini"));
    std::filesystem::create_symlink(victim.File("precious.txt"), dir.File("out/skin.ini"));
    Result again = Vxskin("unpack " + Q(test::DemoSkinFile()) + " -o " + Q(dir.File("out")));
    ASSERT_EQ(again.status, 0) << again.out;
    EXPECT_EQ(victim.Read("precious.txt"), "keep me");
    EXPECT_FALSE(std::filesystem::is_symlink(dir.File("out/skin.ini")));
}

TEST(Vxskin, AUserObjectListsEveryFieldItKeeps)
{
    test::PackageParts parts;
    parts.picture = test::Pattern(16, 16, 1);
    parts.ini = test::MinimalIni("[SKINOBJECTS]\r\ncount=1\r\n0=mine:userobject\r\n")
        + "[mine]\r\nskinrect=1,2,3,4\r\nhint=ignored\r\n";
    TvxCompressedStoredSkin skin;
    test::StoreSkin(skin, parts);
    test::TempDir dir;
    TFileStream out(dir.File("user.vxs"), TFileMode::fmCreate);
    skin.SaveToCompressedStream(out);
    Result r = Vxskin("records " + Q(dir.File("user.vxs")) + " --json");
    ASSERT_EQ(r.status, 0) << r.out;
    for (const char* field : { "\"skinrect\": [1,2,3,4]", "\"hint\": \"\"", "\"activepictureindex\": -1",
             "\"morphing\": false", "\"activeskinrect\": [0,0,0,0]", "\"morphkind\": \"mkdefault\"" })
        EXPECT_NE(r.out.find(field), std::string::npos) << field << "\n" << r.out;
}
