#pragma once

#include "tessel/platform/TRect.h"

#include <functional>

namespace tessel {

class TvxFrameShape;
struct TvxFrameGeometry;

// What a point of a skinned window's frame is to the window system: a border to size
// by, the caption to move by, the client, or an object the controller handles itself
// (HTOBJECT). Points are window coordinates.
struct TvxFrameHitTest {
    bool sizeable = true;
    bool rolled_up = false;
    bool minimized = false;
    bool maximized = false;
    bool object_hot = false;
    bool size_move = false;
    std::function<bool(TPoint)> over_caption;

    // The skinned frame: borders found by probing borderwidth pixels around the point
    // against the window's rectangle or its shaped frame.
    int Skinned(TPoint p, const TvxFrameGeometry& g, const TvxFrameShape& shape, int border_width) const;
    // The built-in frame: 2-pixel borders, the caption rectangle, the client inside
    // 3-pixel borders under a caption c high.
    int BuiltIn(TPoint p, int width, int height, const TRect& caption, int c) const;

private:
    bool OverCaption(TPoint p) const { return over_caption && over_caption(p); }
};

} // namespace tessel
