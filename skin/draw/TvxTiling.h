#pragma once

#include "tessel/platform/TRect.h"

namespace tessel {

class TSurface;

// Repeating a piece of a picture over a rectangle: copies of piece laid from to's
// top-left, right and down, the last ones cut on the right and at the bottom so that
// each keeps the piece's top-left part. Only pixels inside the destination, inside
// clip (when given) and from inside the source are drawn. Tile is the fast loop
// (rows built by doubling, then repeated whole); TileReference is the rule, pixel by
// pixel, that the tests prove it identical to.
class TvxTiling {
public:
    static void Tile(
        TSurface& dst, const TRect& to, const TSurface& src, const TRect& piece, const TRect* clip = nullptr);
    static void TileReference(
        TSurface& dst, const TRect& to, const TSurface& src, const TRect& piece, const TRect* clip = nullptr);
};

} // namespace tessel
