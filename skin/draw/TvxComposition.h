#pragma once

#include "tessel/framework/TBitmap.h"
#include "tessel/platform/TRegion.h"
#include "tessel/skin/draw/TvxElementGeometry.h"

namespace tessel {

// The four border images of an element whose client area is painted otherwise.
struct TvxFrameEdges {
    TBitmap top, bottom, left, right;
};

// Element images of any size from a rectangle of a skin bitmap: the edges' middles
// stretched or repeated, the fixed pieces copied (stretching is nearest pixel), the
// client stretched, stretched one way and repeated the other, or repeated. Every
// operation sizes its destination first and keeps no state. A repeated piece of
// length 0 draws nothing.
class TvxComposition {
public:
    // The full composition into an aw x ah image; draw_client false leaves the
    // client area to the caller.
    static void ComposeElementImage(const TvxElementGeometry& g, const TvxTargetGeometry& t,
        TBitmap& destination, const TBitmap& source, int aw, int ah, bool draw_client);
    // An aw x H strip: the left and right ends kept, the middle stretched or repeated.
    static void ComposeHorizontalStrip(int left_width, int right_width, TBitmap& destination, bool stretch,
        int aw, const TRect& r, const TBitmap& source);
    // A W x ah strip: the top and bottom ends kept, the middle stretched or repeated.
    static void ComposeVerticalStrip(int top_height, int bottom_height, TBitmap& destination, bool stretch,
        int ah, const TRect& r, const TBitmap& source);
    // An aw x H image of the middle piece alone, stretched or repeated from x = 0.
    static void ComposeTiledMiddle(int left_width, int right_width, TBitmap& destination, bool stretch,
        int aw, const TRect& r, const TBitmap& source);
    // The destination's own size, with corner_rect as the client and its corners as
    // the points; everything stretched.
    static void ComposeClientCornered(TBitmap& destination, const TBitmap& source, const TRect& r,
        bool draw_client, const TRect& corner_rect);
    // The top, bottom, left and right images of the frame, each made only when it
    // has a size; repeats are aligned to each image's own origin.
    static TvxFrameEdges ComposeFrameEdges(
        const TvxElementGeometry& g, const TvxTargetGeometry& t, const TBitmap& source, int aw, int ah);
    // The element image by the geometry's composition mode at the wanted size (which
    // strips and fixed elements change): what a skin control paints.
    static void ComposeByMode(const TvxElementGeometry& g, TBitmap& destination, const TBitmap& source,
        int& aw, int& ah, bool draw_client = true);
    // The client piece into the target's client rectangle, straight onto a surface
    // with the element's top-left at origin and only inside clip (surface
    // coordinates): what a large element paints instead of an image of its size.
    static void PaintClient(const TvxElementGeometry& g, const TvxTargetGeometry& t, TSurface& dst,
        TPoint origin, const TSurface& src, const TRegion& clip);

private:
    static void DrawClient(const TvxElementGeometry& g, const TvxTargetGeometry& t, TSurface& dst,
        TPoint origin, const TSurface& src, const TRegion* clip);
};

} // namespace tessel
