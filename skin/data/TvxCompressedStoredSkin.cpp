#include "tessel/skin/data/TvxCompressedStoredSkin.h"

#include "tessel/framework/Exception.h"
#include "tessel/framework/SysUtils.h"
#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TFileStream.h"
#include "tessel/framework/TMemIniFile.h"
#include "tessel/framework/TZCompressionStream.h"
#include "tessel/framework/TZDecompressionStream.h"
#include "tessel/skin/data/SkinIniValues.h"
#include "tessel/skin/data/TvxSkinPackage.h"

namespace tessel {

namespace {
constexpr const char* kRequiredSections[]
    = { "VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS" };
constexpr size_t kChunk = 4096;
} // namespace

TvxCompressedStoredSkin::TvxCompressedStoredSkin(TComponent* owner)
    : TComponent(owner)
{ }

void TvxCompressedStoredSkin::SetFileName(const std::string& path)
{
    if (HasState(csDesigning) && !HasState(csLoading))
        ImportSkinFolder(path);
    m_file_name = ExtractFileName(path);
}

void TvxCompressedStoredSkin::SetCompressedFileName(const std::string& path)
{
    if (HasState(csDesigning) && !HasState(csLoading))
        ImportCompressedFile(path);
    m_compressed_file_name = ExtractFileName(path);
}

void TvxCompressedStoredSkin::DecompressTo(TStream& target)
{
    m_data.SetPosition(0);
    TZDecompressionStream inflater(m_data);
    uint8_t buffer[kChunk];
    int64_t total = 0;
    for (;;) {
        size_t n = inflater.Read(buffer, kChunk);
        if (n == 0)
            break;
        total += static_cast<int64_t>(n);
        if (total > kMaxInflatedSize)
            throw EZDecompressionError("the inflated skin is larger than 256 MiB");
        target.WriteBuffer(buffer, n);
    }
}

bool TvxCompressedStoredSkin::HasRequiredSections(const TMemIniFile& ini, std::string* missing)
{
    std::string absent;
    for (const char* section : kRequiredSections)
        if (!ini.SectionExists(section))
            absent += absent.empty() ? section : std::string(", ") + section;
    if (missing)
        *missing = absent;
    return absent.empty();
}

void TvxCompressedStoredSkin::ImportSkinFolder(const std::string& ini_path)
{
    TStringList lines;
    lines.LoadFromFile(ini_path);
    TMemIniFile ini(lines);
    if (!HasRequiredSections(ini))
        return;

    std::string folder = ExtractFilePath(ini_path);
    m_data.Clear();

    TMemoryStream package;
    package.WriteInt32(2);
    TBitmap working;
    for (const char* key : { "picture", "inactivepicture", "mask", "rolluppicture", "rollupmask" }) {
        std::string name = ini.ReadString("PICTURES", key, "");
        if (!name.empty())
            working.LoadFromFile(folder + name);
        else
            working.Clear();
        TvxSkinPackage::WritePictureSlot(package, working);
    }
    std::vector<std::string> active = ReadSkinCountedList(ini, "PICTURES", "activepictures");
    package.WriteInt32(static_cast<int32_t>(active.size()));
    for (const std::string& name : active) {
        // An empty name opens the folder itself, which is the file-open error.
        working.LoadFromFile(folder + name);
        working.SaveToStream(package);
    }
    TvxSkinPackage::WriteIniText(package, lines);

    package.SetPosition(0);
    TMemoryStream compressed;
    TZCompressionStream::CompressStream(package, compressed, 9);
    m_data = std::move(compressed);
}

void TvxCompressedStoredSkin::ImportCompressedFile(const std::string& path)
{
    m_data.Clear();
    TFileStream file(path, TFileMode::fmOpenRead);
    ReadCompressed(file);
}

void TvxCompressedStoredSkin::SaveToCompressedStream(TStream& stream) const
{
    stream.WriteInt32(2);
    stream.WriteInt32(static_cast<int32_t>(m_data.Bytes().size()));
    stream.WriteBuffer(m_data.Memory(), m_data.Bytes().size());
}

void TvxCompressedStoredSkin::LoadFromCompressedStream(TStream& stream)
{
    m_data.Clear();
    stream.SetPosition(0);
    ReadCompressed(stream);
}

void TvxCompressedStoredSkin::ReadCompressed(TStream& stream)
{
    int32_t version = stream.ReadInt32();
    if (version > TvxSkinPackage::kHighestVersion)
        return;
    int32_t size = stream.ReadInt32();
    // A size beyond the bytes present cannot be copied; nothing is allocated for it.
    if (size < 0 || size > stream.Remaining())
        throw EReadError();
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    stream.ReadBuffer(bytes.data(), bytes.size());
    m_data = TMemoryStream(std::move(bytes));
}

} // namespace tessel
