#include "tools/vxskin/TSkinSource.h"

#include "tessel/framework/Exception.h"
#include "tessel/framework/TFileStream.h"
#include "tessel/framework/TMemIniFile.h"
#include "tessel/framework/TMemoryStream.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxSkinPackage.h"

namespace tessel {

namespace {

bool LooksLikeZlib(const std::vector<uint8_t>& bytes)
{
    return bytes.size() >= 2 && (bytes[0] & 0x0F) == 8 && (bytes[0] >> 4) <= 7
        && ((bytes[0] << 8) | bytes[1]) % 31 == 0;
}

bool LooksLikeIni(const std::vector<uint8_t>& bytes)
{
    for (uint8_t b : bytes) {
        if (b == ' ' || b == '\t' || b == '\r' || b == '\n' || b == 0xEF || b == 0xBB || b == 0xBF)
            continue;
        return b == '[' || b == ';';
    }
    return false;
}

} // namespace

int TSkinSource::PackageVersion(TvxCompressedStoredSkin& skin)
{
    TMemoryStream package;
    skin.DecompressTo(package);
    package.SetPosition(0);
    int32_t version = TvxSkinPackage::ReadVersion(package);
    if (version > TvxSkinPackage::kHighestVersion)
        throw Exception("the skin package has version " + std::to_string(version) + ", above 3");
    return version;
}

TSkinSource::Kind TSkinSource::Load(const std::string& path, TvxCompressedStoredSkin& skin)
{
    Kind kind = LoadAny(path, skin);
    if (!skin.IsEmpty())
        PackageVersion(skin);
    return kind;
}

TSkinSource::Kind TSkinSource::LoadAny(const std::string& path, TvxCompressedStoredSkin& skin)
{
    TMemoryStream file;
    file.LoadFromFile(path);
    const std::vector<uint8_t>& bytes = file.Bytes();
    if (LooksLikeZlib(bytes)) {
        skin.SetCompressedData(bytes);
        return Kind::kBareCompressed;
    }
    if (LooksLikeIni(bytes)) {
        TMemIniFile ini;
        ini.LoadFromFile(path);
        std::string missing;
        if (!TvxCompressedStoredSkin::HasRequiredSections(ini, &missing))
            throw Exception("the skin folder's INI " + path + " lacks the section(s) " + missing);
        skin.ImportSkinFolder(path);
        return Kind::kSkinFolder;
    }
    int32_t version = file.ReadInt32();
    if (version < 0 || version > 3)
        throw Exception(
            path + ": the compressed skin file has version " + std::to_string(version) + ", outside 0 .. 3");
    skin.LoadFromCompressedStream(file);
    return Kind::kCompressedFile;
}

} // namespace tessel
