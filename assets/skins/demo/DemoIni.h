#pragma once

#include "assets/skins/demo/Painter.h"
#include "tessel/platform/TRect.h"

#include <string>

namespace tessel::demo {

class IniText;

// A main-menu entry record (the bar's or the frame's) of the demo look: its three
// pieces in an active picture, 4-pixel ends, the caption in the demo's text colours
// and in down_font while open.
void MainMenuEntrySection(IniText& ini, const char* name, int picture, const TRect& normal,
    const TRect& active, const TRect& down, Rgb down_font);

// The demo skin's INI text; the pictures it names are those of DemoPictures.
std::string DemoSkinIni();

// File names of the pictures, in PICTURES order (main picture, mask, then the
// eight active pictures).
extern const char* const kPictureFile;
extern const char* const kMaskFile;
constexpr int kActivePictureCount = 9;
extern const char* const kActivePictureFiles[kActivePictureCount];

} // namespace tessel::demo
