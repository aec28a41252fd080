// vxskin: packs, unpacks and lists skins.
//
//   vxskin pack SKIN.ini -o FILE [--raw]   skin folder -> compressed skin file (or bare compressed skin)
//   vxskin unpack FILE -o DIR              compressed skin -> skin folder
//   vxskin records FILE --json             the records as the skin data store loads them
//   vxskin info FILE                       a short summary
//   vxskin render FILE (--control NAME | --object NAME | --form | --popup | --hint) --size WxH
//                 [--rect KEY] -o OUT.png  one element composed at a size
//   vxskin region FILE (--form | --control NAME) --size WxH -o OUT.png
//                                          a window region, black inside, white outside
//   vxskin sheet FILE -o OUT.png           every control and object at two sizes
//
// FILE may be a compressed skin file, a bare compressed skin or a skin folder's INI.
#include "tessel/framework/Exception.h"
#include "tessel/framework/TFileStream.h"
#include "tessel/framework/TMemIniFile.h"
#include "tessel/framework/TMemoryStream.h"
#include "tessel/framework/TPngWriter.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tools/vxskin/TSkinPreview.h"
#include "tools/vxskin/TSkinRecordsJson.h"
#include "tools/vxskin/TSkinSource.h"
#include "tools/vxskin/TSkinUnpacker.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

using namespace tessel;

namespace {

int Usage()
{
    std::fprintf(stderr,
        "usage: vxskin pack SKIN.ini -o FILE [--raw]\n"
        "       vxskin unpack FILE -o DIR\n"
        "       vxskin records FILE --json\n"
        "       vxskin info FILE\n"
        "       vxskin render FILE (--control NAME | --object NAME | --form | --popup | --hint) --size WxH\n"
        "                     [--rect KEY] -o OUT.png\n"
        "       vxskin region FILE (--form | --control NAME) --size WxH -o OUT.png\n"
        "       vxskin sheet FILE -o OUT.png\n");
    return 2;
}

struct Args {
    std::vector<std::string> positional;
    std::string output;
    bool raw = false;
    bool json = false;
    std::optional<TElementKind> kind;
    std::string name;
    std::string rect_key;
    int width = 0, height = 0;
};

// "WxH" with both at least 1 and at most 16384.
bool ParseSize(const std::string& text, int& w, int& h)
{
    size_t x = text.find('x');
    if (x == std::string::npos)
        return false;
    try {
        size_t a = 0, b = 0;
        w = std::stoi(text.substr(0, x), &a);
        h = std::stoi(text.substr(x + 1), &b);
        return a == x && b == text.size() - x - 1 && w >= 1 && h >= 1 && w <= 16384 && h <= 16384;
    } catch (const std::exception&) {
        return false;
    }
}

// The file a command reads, as an error names it.
std::string Named(const Args& args)
{
    return args.positional.empty() ? std::string("the skin") : args.positional[0];
}

bool Parse(int argc, char** argv, Args& args)
{
    for (int i = 2; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "-o" && i + 1 < argc)
            args.output = argv[++i];
        else if (a == "--raw")
            args.raw = true;
        else if (a == "--json")
            args.json = true;
        else if ((a == "--control" || a == "--object") && i + 1 < argc) {
            args.kind = a == "--control" ? TElementKind::kControl : TElementKind::kObject;
            args.name = argv[++i];
        } else if (a == "--form")
            args.kind = TElementKind::kForm;
        else if (a == "--popup")
            args.kind = TElementKind::kPopup;
        else if (a == "--hint")
            args.kind = TElementKind::kHint;
        else if (a == "--rect" && i + 1 < argc)
            args.rect_key = argv[++i];
        else if (a == "--size" && i + 1 < argc) {
            if (!ParseSize(argv[++i], args.width, args.height)) {
                std::fprintf(stderr, "vxskin: the size must be WxH, for example 200x80\n");
                return false;
            }
        } else if (!a.empty() && a[0] == '-')
            return false;
        else
            args.positional.push_back(a);
    }
    return true;
}

int Pack(const Args& args)
{
    if (args.positional.size() != 1 || args.output.empty())
        return Usage();
    const std::string& ini_path = args.positional[0];
    TMemIniFile ini;
    ini.LoadFromFile(ini_path);
    std::string missing;
    if (!TvxCompressedStoredSkin::HasRequiredSections(ini, &missing)) {
        std::fprintf(stderr, "vxskin: %s lacks the section(s) %s\n", ini_path.c_str(), missing.c_str());
        return 1;
    }
    TvxCompressedStoredSkin skin;
    skin.ImportSkinFolder(ini_path);
    TFileStream out(args.output, TFileMode::fmCreate);
    if (args.raw)
        out.WriteBuffer(skin.CompressedData().data(), skin.CompressedData().size());
    else
        skin.SaveToCompressedStream(out);
    return 0;
}

int Unpack(const Args& args)
{
    if (args.positional.size() != 1 || args.output.empty())
        return Usage();
    TvxCompressedStoredSkin skin;
    TSkinSource::Load(args.positional[0], skin);
    std::string ini = TSkinUnpacker::Unpack(skin, args.output);
    std::printf("%s\n", ini.c_str());
    return 0;
}

int Records(const Args& args)
{
    if (args.positional.size() != 1 || !args.json)
        return Usage();
    TvxCompressedStoredSkin skin;
    TSkinSource::Load(args.positional[0], skin);
    int version = skin.IsEmpty() ? 0 : TSkinSource::PackageVersion(skin);
    TvxSkinData data;
    data.LoadCompressedSkin(&skin);
    std::fputs(TSkinRecordsJson::Write(data, version).c_str(), stdout);
    return 0;
}

void PrintPicture(const char* name, const TBitmap* bitmap)
{
    if (!bitmap || bitmap->Empty())
        std::printf("  %-16s none\n", name);
    else
        std::printf("  %-16s %d x %d, %d-bit\n", name, bitmap->Width(), bitmap->Height(),
            BitsPerPixel(bitmap->PixelFormat()));
}

int Info(const Args& args)
{
    if (args.positional.size() != 1)
        return Usage();
    TvxCompressedStoredSkin skin;
    TSkinSource::Load(args.positional[0], skin);
    if (skin.IsEmpty()) {
        std::printf("empty skin\n");
        return 0;
    }
    TMemoryStream package;
    skin.DecompressTo(package);
    int version = TSkinSource::PackageVersion(skin);
    TvxSkinData data;
    data.LoadCompressedSkin(&skin);
    std::printf("skin        %s\n", data.SkinName().empty() ? "(no name)" : data.SkinName().c_str());
    std::printf("author      %s\n", data.SkinAuthor().c_str());
    std::printf("package     version %d, %lld bytes, %zu compressed\n", version,
        static_cast<long long>(package.Size()), skin.CompressedData().size());
    std::printf("pictures\n");
    PrintPicture("picture", &data.Picture());
    PrintPicture("inactivepicture", &data.InactivePicture());
    PrintPicture("mask", &data.Mask());
    PrintPicture("rolluppicture", &data.RollUpPicture());
    PrintPicture("rollupmask", &data.RollUpMask());
    for (int i = 0; i < data.ActivePictureCount(); ++i)
        PrintPicture(("active " + std::to_string(i)).c_str(), data.ActivePicture(i));
    std::printf("records     %d frame objects, %d controls, %d areas\n", data.ObjectCount(),
        data.ControlCount(), data.AreaCount());
    const TRect& c = data.FormInfo().clientrect;
    std::printf("frame       client %d,%d,%d,%d, minimum width %d\n", c.left, c.top, c.right, c.bottom,
        data.FormInfo().formminwidth);
    return 0;
}

void Load(const Args& args, TvxCompressedStoredSkin& skin, TvxSkinData& data)
{
    TSkinSource::Load(args.positional[0], skin);
    data.LoadCompressedSkin(&skin);
}

int Render(const Args& args)
{
    if (args.positional.size() != 1 || !args.kind || !args.width || args.output.empty())
        return Usage();
    TvxCompressedStoredSkin skin;
    TvxSkinData data;
    Load(args, skin, data);
    TBitmap out;
    if (*args.kind == TElementKind::kForm && args.rect_key.empty()) {
        if (data.Empty() || data.Picture().Empty())
            throw Exception("the skin has no frame picture");
        out = TSkinPreview::RenderForm(data, args.width, args.height);
    } else {
        TSkinElement element = TSkinElement::Find(data, *args.kind, args.name, args.rect_key);
        out = TSkinPreview::Render(element, args.width, args.height);
    }
    TPngWriter::Save(out, args.output);
    std::printf("%s: %d x %d\n", args.output.c_str(), out.Width(), out.Height());
    return 0;
}

int Region(const Args& args)
{
    bool kind_ok = args.kind == TElementKind::kForm || args.kind == TElementKind::kControl;
    if (args.positional.size() != 1 || !kind_ok || !args.width || args.output.empty())
        return Usage();
    TvxCompressedStoredSkin skin;
    TvxSkinData data;
    Load(args, skin, data);
    TPngWriter::Save(TSkinPreview::Region(data, *args.kind, args.name, args.width, args.height), args.output);
    return 0;
}

int Sheet(const Args& args)
{
    if (args.positional.size() != 1 || args.output.empty())
        return Usage();
    TvxCompressedStoredSkin skin;
    TvxSkinData data;
    Load(args, skin, data);
    TPngWriter::Save(TSkinPreview::Sheet(data), args.output);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    std::string command = argv[1];
    Args args;
    if (!Parse(argc, argv, args))
        return Usage();
    try {
        if (command == "pack")
            return Pack(args);
        if (command == "unpack")
            return Unpack(args);
        if (command == "records")
            return Records(args);
        if (command == "info")
            return Info(args);
        if (command == "render")
            return Render(args);
        if (command == "region")
            return Region(args);
        if (command == "sheet")
            return Sheet(args);
    } catch (const EReadError& e) {
        // The stream's own words say only that bytes were missing.
        std::fprintf(stderr, "vxskin: %s: the skin ends early (%s)\n", Named(args).c_str(), e.what());
        return 1;
    } catch (const std::exception& e) {
        const std::string said = e.what(), file = Named(args);
        if (said.rfind(file + ":", 0) == 0 || said.find("\"" + file + "\"") != std::string::npos)
            std::fprintf(stderr, "vxskin: %s\n", said.c_str());
        else
            std::fprintf(stderr, "vxskin: %s: %s\n", file.c_str(), said.c_str());
        return 1;
    }
    return Usage();
}
