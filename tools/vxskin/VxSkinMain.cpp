// vxskin: packs, unpacks and lists skins.
//
//   vxskin pack SKIN.ini -o FILE [--raw]   skin folder -> compressed skin file (or bare compressed skin)
//   vxskin unpack FILE -o DIR              compressed skin -> skin folder
//   vxskin records FILE --json             the records as the skin data store loads them
//   vxskin info FILE                       a short summary
//
// FILE may be a compressed skin file, a bare compressed skin or a skin folder's INI.
#include "framework/Exception.h"
#include "framework/TFileStream.h"
#include "framework/TMemIniFile.h"
#include "framework/TMemoryStream.h"
#include "skin/data/TvxCompressedStoredSkin.h"
#include "skin/data/TvxSkinData.h"
#include "tools/vxskin/TSkinRecordsJson.h"
#include "tools/vxskin/TSkinSource.h"
#include "tools/vxskin/TSkinUnpacker.h"

#include <cstdio>
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
        "       vxskin info FILE\n");
    return 2;
}

struct Args {
    std::vector<std::string> positional;
    std::string output;
    bool raw = false;
    bool json = false;
};

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
        else if (!a.empty() && a[0] == '-')
            return false;
        else
            args.positional.push_back(a);
    }
    return true;
}

int PackageVersion(TvxCompressedStoredSkin& skin)
{
    TMemoryStream package;
    skin.DecompressTo(package);
    package.SetPosition(0);
    return package.ReadInt32();
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
    int version = skin.IsEmpty() ? 0 : PackageVersion(skin);
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
    package.SetPosition(0);
    int version = package.ReadInt32();
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
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vxskin: %s\n", e.what());
        return 1;
    }
    return Usage();
}
