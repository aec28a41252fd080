#pragma once

#include "tessel/framework/TBitmap.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tessel {
class TMemIniFile;
class TvxCompressedStoredSkin;
} // namespace tessel

namespace tessel::test {

// An in-memory INI built from text lines.
TMemIniFile IniFromText(const std::string& text);

// A small 24-bit picture with a recognisable pattern.
TBitmap Pattern(int width, int height, uint32_t seed = 1);

// A skin package of the given version. The pictures are written into the slots
// that the version carries (an empty bitmap gives the empty flag); the INI text ends the package.
struct PackageParts {
    int32_t version = 2;
    TBitmap picture, inactive, mask, rollup, rollup_mask;
    std::vector<TBitmap> active;
    std::string ini;
};
std::vector<uint8_t> MakePackage(const PackageParts& parts);
std::vector<uint8_t> Compress(const std::vector<uint8_t>& bytes, int level = 9);
// A stored skin holding the compressed package.
void StoreSkin(TvxCompressedStoredSkin& skin, const PackageParts& parts);

// The INI of a minimal skin with the five required sections; extra is appended.
std::string MinimalIni(const std::string& extra = {});

// The demo skin, as it is built into the build tree.
std::string DemoSkinFile();
std::string DemoSkinIniFile();
void LoadDemoSkin(TvxCompressedStoredSkin& skin);
// The demo skin's second form look, with one frame object of each kind.
void LoadObjectsSkin(TvxCompressedStoredSkin& skin);

} // namespace tessel::test
