#pragma once

#include <cstdint>

namespace tessel {
class TBitmap;
}

namespace tessel::demo {

// The looks the demo drawing is made in: its own light colours, or "ember", the
// same drawing dark with warm accents (lightness turned over, hues turned half way
// round), so that text stays as legible against its face as it was.
enum class TLook { kDemo, kEmber };

void SetLook(TLook look);
TLook CurrentLook();
// A colour 0xRRGGBB of the drawing in the current look; the transparent key colour
// (magenta) stays.
uint32_t InLook(uint32_t rgb);
// Every pixel of a finished picture in the current look.
void PaintInLook(TBitmap& picture);

} // namespace tessel::demo
