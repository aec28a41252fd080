#pragma once

#include "tessel/platform/TRect.h"
#include "tessel/skin/draw/TvxElementGeometry.h"

namespace tessel {

class TvxSkinData;

// Where the parts of a skinned frame lie on a window of a given size: the corner
// points, the client, the caption and button rows, the hit-test points and the mask,
// icon, main-menu and size-grip areas, all moved with the window's growth beyond the
// frame picture's size.
struct TvxFrameGeometry {
    int W = 0, H = 0;
    TPoint NewLT, NewRT, NewLB, NewRB;
    TRect NewClient;
    TRect CaptionRect;
    TRect ButtonsRect;
    int ButtonsOffset = 0;
    bool ButtonsInLeft = false;
    TPoint HitLT, HitRT, HitLB, HitRB;
    TRect MaskRect;
    TRect IconRect;
    TRect MainMenuRect;
    TRect SizeGripRect;

    // The geometry for a W x H window; empty (all zero) without a loaded skin.
    static TvxFrameGeometry Compute(const TvxSkinData& data, int width, int height);
    // The frame picture's geometry as the composition reads it: the whole picture
    // with FORMINFO's corner points, client and stretch flags.
    static TvxElementGeometry PictureGeometry(const TvxSkinData& data);
    // The target geometry of the composition for this window.
    TvxTargetGeometry Target() const { return { NewLT, NewRT, NewLB, NewRB, NewClient }; }
    // A sizeable skin's corner points span an area: the frame grows with the window.
    static bool Sizeable(const TvxSkinData& data);
    // Whether the skin gives a frame at all: a loaded skin with a client rectangle.
    static bool HasSkinFrame(const TvxSkinData* data);
};

// The built-in frame: 3-pixel borders under a caption c pixels high.
constexpr int kBuiltInBorder = 3;
int BuiltInCaptionHeight(bool tool_window);

} // namespace tessel
