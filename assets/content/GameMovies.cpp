#include "assets/content/GameMovies.h"

#include "assets/content/TAvm1Code.h"

#include <cstdint>
#include <zlib.h>

namespace tessel::content::game_movies {

namespace {

using Op = TAvm1Code;
constexpr int kW = 640, kH = 480, kFps = 24;

TAvm1Code Var(const std::string& name)
{
    TAvm1Code code;
    code.PushString(name).Op(Op::opGetVariable);
    return code;
}

TAvm1Code Str(const std::string& text)
{
    TAvm1Code code;
    code.PushString(text);
    return code;
}

TAvm1Code Int(int32_t value)
{
    TAvm1Code code;
    code.PushInt(value);
    return code;
}

TAvm1Code Get(TAvm1Code object, const std::string& member)
{
    object.PushString(member).Op(Op::opGetMember);
    return object;
}

// The arguments go last first, so that the first is on top.
TAvm1Code Arguments(const std::vector<TAvm1Code>& args)
{
    TAvm1Code code;
    for (auto it = args.rbegin(); it != args.rend(); ++it)
        code.Append(*it);
    code.PushInt(static_cast<int32_t>(args.size()));
    return code;
}

// object.method(args): the result stays on the stack.
TAvm1Code Call(const TAvm1Code& object, const std::string& method, const std::vector<TAvm1Code>& args = {})
{
    TAvm1Code code = Arguments(args);
    code.Append(object).PushString(method).Op(Op::opCallMethod);
    return code;
}

TAvm1Code CallFunction(const std::string& name, const std::vector<TAvm1Code>& args)
{
    TAvm1Code code = Arguments(args);
    code.PushString(name).Op(Op::opCallFunction);
    return code;
}

TAvm1Code New(const std::string& type, const std::vector<TAvm1Code>& args = {})
{
    TAvm1Code code = Arguments(args);
    code.PushString(type).Op(Op::opNewObject);
    return code;
}

// A call whose result is not wanted.
TAvm1Code Do(TAvm1Code expression)
{
    expression.Op(Op::opPop);
    return expression;
}

TAvm1Code SetVar(const std::string& name, const TAvm1Code& value)
{
    TAvm1Code code;
    code.PushString(name).Append(value).Op(Op::opSetVariable);
    return code;
}

TAvm1Code SetMember(const TAvm1Code& object, const std::string& name, const TAvm1Code& value)
{
    TAvm1Code code = object;
    code.PushString(name).Append(value).Op(Op::opSetMember);
    return code;
}

// Fills the rectangle of the clip with the colour (an expression) by its drawing
// interface.
TAvm1Code Fill(const TAvm1Code& clip, const TAvm1Code& colour, int x, int y, int w, int h)
{
    TAvm1Code code = Do(Call(clip, "beginFill", { colour, Int(100) }));
    code.Append(Do(Call(clip, "moveTo", { Int(x), Int(y) })));
    const std::pair<int, int> corners[] = { { x + w, y }, { x + w, y + h }, { x, y + h }, { x, y } };
    for (auto [px, py] : corners)
        code.Append(Do(Call(clip, "lineTo", { Int(px), Int(py) })));
    return code.Append(Do(Call(clip, "endFill")));
}

TAvm1Code Stop()
{
    TAvm1Code code;
    return code.Op(Op::opStop);
}

std::string OneFrame(TRgb background, const TAvm1Code& code)
{
    TSwfWriter swf(kW, kH, kFps);
    swf.SetBackground(background);
    swf.Code(code.Bytes());
    swf.ShowFrame();
    return swf.Finish();
}

void U32Be(std::string& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((v >> shift) & 0xFF);
}

void U24Be(std::string& out, uint32_t v)
{
    for (int shift = 16; shift >= 0; shift -= 8)
        out += static_cast<char>((v >> shift) & 0xFF);
}

std::string Deflate(const std::string& bytes)
{
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(bytes.data()),
        static_cast<uLong>(bytes.size()), 9);
    out.resize(size);
    return out;
}

std::string PngChunk(const char* type, const std::string& data)
{
    std::string chunk;
    U32Be(chunk, static_cast<uint32_t>(data.size()));
    std::string body = std::string(type, 4) + data;
    chunk += body;
    U32Be(chunk,
        static_cast<uint32_t>(
            crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
    return chunk;
}

// An FLV tag: its kind (8 sound, 9 video, 18 data), time, body, and the size of it
// all behind it.
std::string FlvTag(int type, uint32_t ms, const std::string& body)
{
    std::string tag(1, static_cast<char>(type));
    U24Be(tag, static_cast<uint32_t>(body.size()));
    U24Be(tag, ms & 0xFFFFFF);
    tag += static_cast<char>((ms >> 24) & 0xFF);
    U24Be(tag, 0);
    tag += body;
    U32Be(tag, static_cast<uint32_t>(tag.size()));
    return tag;
}

void AmfNumber(std::string& out, double value)
{
    out += static_cast<char>(0);
    uint64_t bits;
    static_assert(sizeof bits == sizeof value);
    __builtin_memcpy(&bits, &value, sizeof bits);
    for (int shift = 56; shift >= 0; shift -= 8)
        out += static_cast<char>((bits >> shift) & 0xFF);
}

void AmfName(std::string& out, const std::string& name)
{
    out += static_cast<char>((name.size() >> 8) & 0xFF);
    out += static_cast<char>(name.size() & 0xFF);
    out += name;
}

} // namespace

std::string Levels()
{
    TAvm1Code code;
    code.GetUrl("Level2.swf", "_level1").Op(Op::opStop);
    return OneFrame(kGrey, code);
}

std::string Level2()
{
    TSwfWriter swf(kW, kH, kFps);
    swf.SetBackground(kLevelBlue);
    swf.Place(1, swf.DefineRectangle(0, 0, kW, kH, kLevelBlue));
    swf.Actions({ TSwfWriter::acStop });
    swf.ShowFrame();
    return swf.Finish();
}

std::string Picture()
{
    TAvm1Code root = Var("_root");
    TAvm1Code code = Do(Call(root, "createEmptyMovieClip", { Str("holder"), Int(5) }));
    code.Append(SetVar("loader", New("MovieClipLoader")));
    code.Append(Do(Call(Var("loader"), "loadClip", { Str("picture.png"), Get(root, "holder") })));
    return OneFrame(kGrey, code.Append(Stop()));
}

std::string PicturePng()
{
    constexpr int w = 320, h = 240;
    std::string ihdr;
    U32Be(ihdr, w);
    U32Be(ihdr, h);
    ihdr += std::string { 8, 2, 0, 0, 0 }; // 8-bit RGB, no interlace
    std::string rows;
    for (int y = 0; y < h; ++y) {
        rows += static_cast<char>(0); // no filter
        for (int x = 0; x < w; ++x)
            rows += { static_cast<char>(kPictureOrange.r), static_cast<char>(kPictureOrange.g),
                static_cast<char>(kPictureOrange.b) };
    }
    return std::string("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", ihdr) + PngChunk("IDAT", Deflate(rows))
        + PngChunk("IEND", {});
}

std::string Words()
{
    TAvm1Code root = Var("_root");
    TAvm1Code code
        = Do(Call(root, "createTextField", { Str("out"), Int(10), Int(20), Int(200), Int(600), Int(60) }));
    code.Append(SetVar("words", New("LoadVars")));
    // words.onLoad = function (ok) { fill with the colour read; show the message }
    TAvm1Code on_load
        = Fill(root, CallFunction("parseInt", { Get(Var("words"), "colour"), Int(16) }), 0, 0, kW, kH);
    on_load.Append(SetMember(Get(root, "out"), "text", Get(Var("words"), "message")));
    TAvm1Code handler;
    handler.Function({ "ok" }, on_load);
    code.Append(SetMember(Var("words"), "onLoad", handler));
    code.Append(Do(Call(Var("words"), "load", { Str("words.txt") })));
    return OneFrame(kGrey, code.Append(Stop()));
}

std::string WordsText()
{
    return "message=Read from words.txt beside the movie&colour=40C080";
}

std::string Video()
{
    TSwfWriter swf(kW, kH, kFps);
    swf.SetBackground(kGrey);
    swf.PlaceNamed(1, swf.DefineVideo(320, 240, 12), "screen", 160, 120);
    TAvm1Code code = SetVar("connection", New("NetConnection"));
    TAvm1Code none;
    none.PushNull();
    code.Append(Do(Call(Var("connection"), "connect", { none })));
    code.Append(SetVar("stream", New("NetStream", { Var("connection") })));
    code.Append(Do(Call(Get(Var("_root"), "screen"), "attachVideo", { Var("stream") })));
    code.Append(Do(Call(Var("stream"), "play", { Str("clip.flv") })));
    swf.Code(code.Append(Stop()).Bytes());
    swf.ShowFrame();
    return swf.Finish();
}

std::string ClipFlv()
{
    constexpr int w = 320, h = 240, block = 80, frames = 12, fps = 6;
    std::string flv = std::string("FLV\x01\x01", 5);
    U32Be(flv, 9);
    U32Be(flv, 0);
    // onMetaData: the size, rate and length.
    std::string meta(1, '\x02');
    AmfName(meta, "onMetaData");
    meta += '\x08';
    U32Be(meta, 5);
    const std::pair<const char*, double> fields[] = { { "width", w }, { "height", h }, { "framerate", fps },
        { "duration", double(frames) / fps }, { "videocodecid", 3 } };
    for (auto [name, value] : fields) {
        AmfName(meta, name);
        AmfNumber(meta, value);
    }
    meta += std::string("\0\0\x09", 3);
    flv += FlvTag(18, 0, meta);
    for (int f = 0; f < frames; ++f) {
        const TRgb c = f < frames / 2 ? kVideoFirst : kVideoSecond;
        // A key frame of screen video: the block and image sizes, then every block
        // (bottom row first), each its pixels bottom-up in BGR, deflated.
        std::string body(1, '\x13');
        auto size = [&](int block_size, int image_size) {
            const unsigned v = static_cast<unsigned>((block_size / 16 - 1) << 12 | image_size);
            body += static_cast<char>((v >> 8) & 0xFF);
            body += static_cast<char>(v & 0xFF);
        };
        size(block, w);
        size(block, h);
        std::string pixels;
        for (int i = 0; i < block * block; ++i)
            pixels += { static_cast<char>(c.b), static_cast<char>(c.g), static_cast<char>(c.r) };
        const std::string packed = Deflate(pixels);
        for (int i = 0; i < (w / block) * (h / block); ++i) {
            body += static_cast<char>((packed.size() >> 8) & 0xFF);
            body += static_cast<char>(packed.size() & 0xFF);
            body += packed;
        }
        flv += FlvTag(9, static_cast<uint32_t>(f * 1000 / fps), body);
    }
    return flv;
}

std::vector<TLinkButton> LinkButtons()
{
    const std::pair<const char*, const char*> opened[] = {
        { "https://example.org/none", "" },
        { "https://example.org/self", "_self" },
        { "https://example.org/top", "_top" },
        { "https://example.org/parent", "_parent" },
        { "https://example.org/blank", "_blank" },
        { "https://example.org/named", "sponsor" },
        { "mailto:games@example.org", "" },
        { "http://example.org/plain", "_self" },
    };
    const std::pair<const char*, const char*> refused[] = {
        { "javascript:document.title='fullscreen on 99'", "" },
        { "javascript:window.close()", "_blank" },
        { "file:///etc/passwd", "_self" },
        { "tessel://player/player.html", "_blank" },
        { "ftp://example.org/x", "" },
        { "more.html", "_blank" },
        { "data:text/html,<p>x</p>", "_blank" },
    };
    std::vector<TLinkButton> out;
    auto colour = [](size_t i) {
        return TRgb { static_cast<uint8_t>(0x40 + (i % 4) * 0x30),
            static_cast<uint8_t>(0x40 + (i / 4) * 0x30), 0xC0 };
    };
    for (auto [url, target] : opened)
        out.push_back({ url, target, true, colour(out.size()) });
    for (auto [url, target] : refused)
        out.push_back({ url, target, false, colour(out.size()) });
    // An address of 128 KiB, made when clicked (a movie's code holds no more than
    // 64 KiB in one piece).
    out.push_back(
        { "https://example.org/" + std::string(1 << 17, 'x'), "_blank", false, colour(out.size()) });
    return out;
}

std::string Links()
{
    TSwfWriter swf(kW, kH, kFps);
    swf.SetBackground(kGrey);
    const std::vector<TLinkButton> buttons = LinkButtons();
    for (size_t i = 0; i < buttons.size(); ++i) {
        const TLinkButton& b = buttons[i];
        TAvm1Code click;
        if (b.url.size() < 1000)
            click.GetUrl(b.url, b.target);
        else {
            // "x" doubled to the length, behind the address's start.
            const size_t start = b.url.find_last_not_of('x') + 1;
            click.Append(SetVar("long", Str("x")));
            for (size_t n = 1; n < b.url.size() - start; n *= 2) {
                TAvm1Code twice = Var("long");
                twice.Append(Var("long")).Op(Op::opAdd2);
                click.Append(SetVar("long", twice));
            }
            click.Append(Str(b.url.substr(0, start))).Append(Var("long")).Op(Op::opAdd2);
            click.Append(Str(b.target)).GetUrlFromStack();
        }
        const TRgb dark { static_cast<uint8_t>(b.colour.r / 2), static_cast<uint8_t>(b.colour.g / 2),
            static_cast<uint8_t>(b.colour.b / 2) };
        uint16_t up = swf.DefineRectangle(0, 0, 120, 80, b.colour);
        uint16_t down = swf.DefineRectangle(0, 0, 120, 80, dark);
        const int col = static_cast<int>(i % 4), row = static_cast<int>(i / 4);
        swf.Place(static_cast<uint16_t>(10 + i), swf.DefineButton(up, down, click.Bytes()), 20 + col * 155,
            20 + row * 115);
    }
    // Links a movie opens by itself, without a person's click: nothing opens.
    TAvm1Code unasked;
    unasked.GetUrl("https://example.org/unasked", "_blank").GetUrl("https://example.org/unasked-here", "");
    swf.Code(unasked.Op(Op::opStop).Bytes());
    swf.ShowFrame();
    return swf.Finish();
}

std::string FullScreen()
{
    TSwfWriter swf(kW, kH, kFps);
    swf.SetBackground(kWindowed);
    auto state
        = [](const char* value) { return SetMember(Var("Stage"), "displayState", Str(value)).Bytes(); };
    const TRgb enter_down { 0x10, 0x50, 0x20 }, leave_down { 0x60, 0x10, 0x10 };
    swf.Place(2,
        swf.DefineButton(swf.DefineRectangle(0, 0, 200, 100, kEnterButton),
            swf.DefineRectangle(0, 0, 200, 100, enter_down), state("fullScreen")),
        220, 190);
    swf.Place(3,
        swf.DefineButton(swf.DefineRectangle(0, 0, 120, 80, kLeaveButton),
            swf.DefineRectangle(0, 0, 120, 80, leave_down), state("normal")),
        20, 20);
    // Every frame the stage is drawn anew under the buttons: in the full-screen
    // colour while the movie is full screen, else in the windowed one.
    const TAvm1Code root = Var("_root");
    auto fill = [&](TRgb c) { return Fill(root, Int(c.r << 16 | c.g << 8 | c.b), 0, 0, kW, kH); };
    const TAvm1Code windowed = fill(kWindowed), full = fill(kFullScreen);
    TAvm1Code each_frame = Do(Call(root, "clear"));
    each_frame.Append(Get(Var("Stage"), "displayState")).Append(Str("fullScreen")).Op(Op::opEquals2);
    each_frame.If(windowed.Size() + TAvm1Code::kBranchSize).Append(windowed).Jump(full.Size()).Append(full);
    TAvm1Code handler;
    handler.Function({}, each_frame);
    swf.Code(SetMember(root, "onEnterFrame", handler).Append(Stop()).Bytes());
    swf.ShowFrame();
    return swf.Finish();
}

std::string FlashVars()
{
    TAvm1Code root = Var("_root");
    TAvm1Code colour = CallFunction("parseInt", { Get(root, "colour"), Int(16) });
    return OneFrame({ 0, 0, 0 }, Fill(root, colour, 0, 0, kW, kH).Append(Stop()));
}

} // namespace tessel::content::game_movies
