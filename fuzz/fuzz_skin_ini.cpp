// Skin INI reader: the bytes are the INI text of a skin without pictures; the store
// reads every section and record from it.
#include "fuzz/FuzzSkin.h"
#include "tessel/framework/TMemIniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tessel;
    TStringList lines;
    lines.SetText(std::string(reinterpret_cast<const char*>(data), size));
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
    fuzz::LoadPackage(package);
    return 0;
}
