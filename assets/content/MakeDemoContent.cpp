// Writes the demo content's movies into a folder:
//   make-demo-content DIR
// Orbit.swf: squares moving over a dark stage; Colours.swf: the whole stage
// changing colour every half second; Clicker.swf: a button (or the space key) that
// turns the stage orange when pressed and grey again at the next press.
#include "assets/content/GameMovies.h"
#include "assets/content/TAvm1Code.h"
#include "assets/content/TSwfWriter.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

using namespace tessel::content;

namespace {

constexpr int kW = 640, kH = 480, kFps = 24;

std::string Orbit()
{
    TSwfWriter swf(kW, kH, kFps);
    swf.SetBackground({ 0x10, 0x20, 0x60 });
    uint16_t square = swf.DefineRectangle(-40, -40, 80, 80, { 0xFF, 0xD0, 0x20 });
    uint16_t bar = swf.DefineRectangle(-10, -60, 20, 120, { 0x20, 0xE0, 0x60 });
    constexpr int kFrames = 72;
    for (int f = 0; f < kFrames; ++f) {
        double a = 2 * M_PI * f / kFrames;
        int x = kW / 2 + static_cast<int>(std::lround(200 * std::cos(a)));
        int y = kH / 2 + static_cast<int>(std::lround(150 * std::sin(a)));
        int bx = 60 + (kW - 120) * f / (kFrames - 1);
        if (f == 0) {
            swf.Place(1, square, x, y);
            swf.Place(2, bar, bx, kH / 2);
        } else {
            swf.Move(1, x, y);
            swf.Move(2, bx, kH / 2);
        }
        swf.ShowFrame();
    }
    return swf.Finish();
}

std::string Colours()
{
    TSwfWriter swf(kW, kH, kFps);
    swf.SetBackground({ 0, 0, 0 });
    const TRgb colours[]
        = { { 0xE0, 0x20, 0x20 }, { 0x20, 0xC0, 0x20 }, { 0x20, 0x40, 0xE0 }, { 0xF0, 0xE0, 0x20 } };
    uint16_t shapes[4];
    for (int i = 0; i < 4; ++i)
        shapes[i] = swf.DefineRectangle(0, 0, kW, kH, colours[i]);
    for (int f = 0; f < 48; ++f) {
        if (f % 12 == 0)
            swf.Place(1, shapes[f / 12]);
        swf.ShowFrame();
    }
    return swf.Finish();
}

std::string Clicker()
{
    TSwfWriter swf(kW, kH, kFps);
    swf.SetBackground({ 0x30, 0x30, 0x30 });
    uint16_t grey = swf.DefineRectangle(0, 0, kW, kH, { 0x80, 0x80, 0x80 });
    uint16_t orange = swf.DefineRectangle(0, 0, kW, kH, { 0xFF, 0x80, 0x00 });
    uint16_t up = swf.DefineRectangle(-100, -50, 200, 100, { 0x20, 0xA0, 0x40 });
    uint16_t down = swf.DefineRectangle(-100, -50, 200, 100, { 0x10, 0x60, 0x20 });
    uint16_t button = swf.DefineButton(up, down, TSwfWriter::acPlay, ' ');
    // Frame 1 waits grey; a press plays on to frame 2, which waits orange; the next
    // press plays on past the end, back to frame 1.
    swf.Place(1, grey);
    swf.Place(2, button, kW / 2, kH / 2);
    swf.Actions({ TSwfWriter::acStop });
    swf.ShowFrame();
    swf.Place(1, orange);
    swf.Actions({ TSwfWriter::acStop });
    swf.ShowFrame();
    return swf.Finish();
}

// Remembers in its save data (a local shared object) that it has run: violet the
// first time, teal from then on. Not in the demo package; the tests use it.
std::string Saver()
{
    using Op = TAvm1Code;
    TSwfWriter swf(kW, kH, kFps);
    swf.SetBackground({ 0x30, 0x30, 0x30 });
    uint16_t first = swf.DefineRectangle(0, 0, kW, kH, { 0x80, 0x20, 0xC0 });
    uint16_t again = swf.DefineRectangle(0, 0, kW, kH, { 0x20, 0xB0, 0xB0 });
    auto seen = [] {
        TAvm1Code code;
        code.PushString("so").Op(Op::opGetVariable).PushString("data").Op(Op::opGetMember);
        return code;
    };
    // so = SharedObject.getLocal("tessel")
    TAvm1Code code;
    code.PushString("so").PushString("tessel").PushInt(1).PushString("SharedObject").Op(Op::opGetVariable);
    code.PushString("getLocal").Op(Op::opCallMethod).Op(Op::opSetVariable);
    // Seen before: frame 3. Else so.data.seen = true, so.flush(), frame 2.
    TAvm1Code later;
    later.GotoFrame(2).Op(Op::opStop);
    TAvm1Code now = seen();
    now.PushString("seen").PushBool(true).Op(Op::opSetMember);
    now.PushInt(0)
        .PushString("so")
        .Op(Op::opGetVariable)
        .PushString("flush")
        .Op(Op::opCallMethod)
        .Op(Op::opPop);
    now.GotoFrame(1).Op(Op::opStop).Jump(later.Size());
    code.Append(seen()).PushString("seen").Op(Op::opGetMember).If(now.Size()).Append(now).Append(later);
    swf.Code(code.Bytes());
    swf.ShowFrame();
    swf.Place(1, first);
    swf.Actions({ TSwfWriter::acStop });
    swf.ShowFrame();
    swf.Place(1, again);
    swf.Actions({ TSwfWriter::acStop });
    swf.ShowFrame();
    return swf.Finish();
}

// Draws its stage into a bitmap with BitmapData.draw and shows the bitmap beside it:
// a magenta square on the left, and its copy at x = 320 when drawing works (blue,
// the bitmap's own fill, when it does not). Not in the demo package; the tests use it.
std::string Drawn()
{
    using Op = TAvm1Code;
    TSwfWriter swf(kW, kH, kFps);
    swf.SetBackground({ 0x30, 0x30, 0x30 });
    swf.Place(1, swf.DefineRectangle(0, 0, 200, 200, { 0xE0, 0x20, 0xC0 }));
    auto root = [] {
        TAvm1Code code;
        code.PushString("_root").Op(Op::opGetVariable);
        return code;
    };
    auto holder = [&] {
        TAvm1Code code = root();
        code.PushString("holder").Op(Op::opGetMember);
        return code;
    };
    TAvm1Code code;
    // bd = new flash.display.BitmapData(200, 200, false, 0x2040E0)
    code.PushString("bd").PushInt(0x2040E0).PushBool(false).PushInt(200).PushInt(200).PushInt(4);
    code.PushString("flash").Op(Op::opGetVariable).PushString("display").Op(Op::opGetMember);
    code.PushString("BitmapData").Op(Op::opNewMethod).Op(Op::opSetVariable);
    // bd.draw(_root)
    code.Append(root()).PushInt(1).PushString("bd").Op(Op::opGetVariable).PushString("draw");
    code.Op(Op::opCallMethod).Op(Op::opPop);
    // _root.createEmptyMovieClip("holder", 5); holder._x = 320; holder.attachBitmap(bd, 1)
    code.PushInt(5).PushString("holder").PushInt(2).Append(root()).PushString("createEmptyMovieClip");
    code.Op(Op::opCallMethod).Op(Op::opPop);
    code.Append(holder()).PushString("_x").PushInt(320).Op(Op::opSetMember);
    code.PushInt(1).PushString("bd").Op(Op::opGetVariable).PushInt(2).Append(holder());
    code.PushString("attachBitmap").Op(Op::opCallMethod).Op(Op::opPop);
    code.Op(Op::opStop);
    swf.Code(code.Bytes());
    swf.ShowFrame();
    return swf.Finish();
}

bool Write(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// The movies that load files beside them, open links and go full screen, their
// files, and Links.txt: a line for each button of Links.swf (its colour, whether its
// link opens, its address, or its length where it is long).
bool WriteGameMovies(const std::string& dir)
{
    namespace g = game_movies;
    const std::pair<const char*, std::string> files[] = {
        { "Levels.swf", g::Levels() },
        { "Level2.swf", g::Level2() },
        { "Picture.swf", g::Picture() },
        { "picture.png", g::PicturePng() },
        { "Words.swf", g::Words() },
        { "words.txt", g::WordsText() },
        { "Video.swf", g::Video() },
        { "clip.flv", g::ClipFlv() },
        { "Links.swf", g::Links() },
        { "FullScreen.swf", g::FullScreen() },
        { "FlashVars.swf", g::FlashVars() },
    };
    for (const auto& [name, bytes] : files)
        if (!Write(dir + "/" + name, bytes))
            return false;
    std::string manifest;
    for (const g::TLinkButton& b : g::LinkButtons())
        manifest += std::to_string(b.colour.r) + " " + std::to_string(b.colour.g) + " "
            + std::to_string(b.colour.b) + (b.opens ? " opens " : " refused ")
            + (b.url.size() < 1000 ? b.url : "(" + std::to_string(b.url.size()) + " bytes)") + "\n";
    return Write(dir + "/Links.txt", manifest);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-demo-content DIR\n");
        return 2;
    }
    std::string dir = argv[1];
    if (!Write(dir + "/Orbit.swf", Orbit()) || !Write(dir + "/Colours.swf", Colours())
        || !Write(dir + "/Clicker.swf", Clicker()) || !Write(dir + "/Saver.swf", Saver())
        || !Write(dir + "/Drawn.swf", Drawn()) || !WriteGameMovies(dir)) {
        std::fprintf(stderr, "make-demo-content: cannot write into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
