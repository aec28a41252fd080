#include "tests/support/TestSkins.h"

#include "tessel/framework/TFileStream.h"
#include "tessel/framework/TMemIniFile.h"
#include "tessel/framework/TMemoryStream.h"
#include "tessel/framework/TZCompressionStream.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxSkinPackage.h"

namespace tessel::test {

TMemIniFile IniFromText(const std::string& text)
{
    TStringList lines;
    lines.SetText(text);
    return TMemIniFile(lines);
}

TBitmap Pattern(int width, int height, uint32_t seed)
{
    TBitmap bmp(width, height, TPixelFormat::pf24bit);
    uint32_t v = seed * 2654435761u;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            v = v * 1664525u + 1013904223u;
            bmp.SetPixel(x, y, (v >> 8) & 0xFFFFFF);
        }
    return bmp;
}

std::vector<uint8_t> MakePackage(const PackageParts& parts)
{
    TMemoryStream s;
    s.WriteInt32(parts.version);
    TvxSkinPackage::WritePictureSlot(s, parts.picture);
    if (TvxSkinPackage::HasInactivePicture(parts.version))
        TvxSkinPackage::WritePictureSlot(s, parts.inactive);
    TvxSkinPackage::WritePictureSlot(s, parts.mask);
    if (TvxSkinPackage::HasRollUpPictures(parts.version)) {
        TvxSkinPackage::WritePictureSlot(s, parts.rollup);
        TvxSkinPackage::WritePictureSlot(s, parts.rollup_mask);
    }
    s.WriteInt32(static_cast<int32_t>(parts.active.size()));
    for (const TBitmap& b : parts.active)
        b.SaveToStream(s);
    s.WriteBuffer(parts.ini.data(), parts.ini.size());
    return s.Bytes();
}

std::vector<uint8_t> Compress(const std::vector<uint8_t>& bytes, int level)
{
    TMemoryStream in(bytes), out;
    TZCompressionStream::CompressStream(in, out, level);
    return out.Bytes();
}

void StoreSkin(TvxCompressedStoredSkin& skin, const PackageParts& parts)
{
    skin.SetCompressedData(Compress(MakePackage(parts)));
}

std::string MinimalIni(const std::string& extra)
{
    return "[VERSION]\r\nskinname=Mini\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\ncount=0\r\n["
           "SKINCONTROLS]\r\n"
           "count=0\r\n"
        + extra;
}

std::string DemoSkinFile()
{
    return TESSEL_DEMO_SKIN_FILE;
}
std::string DemoSkinIniFile()
{
    return std::string(TESSEL_DEMO_SKIN_DIR) + "/demo.ini";
}

void LoadDemoSkin(TvxCompressedStoredSkin& skin)
{
    skin.ImportCompressedFile(DemoSkinFile());
}

void LoadObjectsSkin(TvxCompressedStoredSkin& skin)
{
    skin.ImportCompressedFile(TESSEL_OBJECTS_SKIN_FILE);
}

} // namespace tessel::test
