// Skin INI reader: the bytes are the INI text of a skin without pictures; the store
// reads every section and record from it.
#include "framework/Exception.h"
#include "framework/TMemIniFile.h"
#include "framework/TMemoryStream.h"
#include "framework/TZCompressionStream.h"
#include "skin/data/TvxCompressedStoredSkin.h"
#include "skin/data/TvxSkinData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tessel;
    std::string text(reinterpret_cast<const char*>(data), size);
    TStringList lines;
    lines.SetText(text);
    TMemIniFile ini(lines);
    for (const std::string& section : ini.ReadSections())
        for (const std::string& key : ini.ReadSection(section))
            (void)ini.ReadInteger(section, key, 0);

    // Version 0: empty main picture and mask, no active pictures, then the text.
    TMemoryStream package;
    package.WriteInt32(0);
    package.WriteByte(1);
    package.WriteByte(1);
    package.WriteInt32(0);
    package.WriteBuffer(data, size);
    package.SetPosition(0);
    TMemoryStream compressed;
    TZCompressionStream::CompressStream(package, compressed, 0);
    TvxCompressedStoredSkin skin;
    skin.SetCompressedData(compressed.Bytes());
    TvxSkinData store;
    try {
        store.LoadCompressedSkin(&skin);
    } catch (const Exception&) { }
    return 0;
}
