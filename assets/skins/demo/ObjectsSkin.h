#pragma once

#include "tessel/framework/TBitmap.h"

#include <string>

namespace tessel::demo {

// The demo skin's second form look, for the gallery's window of frame objects: a
// 240 x 120 frame whose bottom band holds one object of each kind (a frame gauge, a
// regulator, a switch, an animation, a bit label and a user object), drawn from its
// own active picture; the caption and close button are the demo skin's.
extern const char* const kObjectsFrameFile;
extern const char* const kObjectsArtFile;

TBitmap ObjectsFrame();
TBitmap ObjectsArt();
std::string ObjectsSkinIni();

} // namespace tessel::demo
