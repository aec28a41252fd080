#pragma once

#include <string>

namespace tessel::demo {

// The demo skin's INI text; the pictures it names are those of DemoPictures.
std::string DemoSkinIni();

// File names of the pictures, in PICTURES order (main picture, mask, then the
// eight active pictures).
extern const char* const kPictureFile;
extern const char* const kMaskFile;
constexpr int kActivePictureCount = 9;
extern const char* const kActivePictureFiles[kActivePictureCount];

} // namespace tessel::demo
