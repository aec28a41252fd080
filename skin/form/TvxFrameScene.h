#pragma once

#include "tessel/skin/form/TvxFrameGeometry.h"

#include <functional>
#include <string>
#include <vector>

namespace tessel {

class TCanvas;
class TDeviceContext;
class TFont;
class TvxActiveSkinObject;
class TvxSkinData;

// What a frame paint needs to know of the form: its size, skin and geometry, whether
// it is active, its caption and the objects of its frame in list order.
struct TvxFrameScene {
    const TvxSkinData* data = nullptr;
    TvxFrameGeometry geometry;
    bool active = true;
    // Rolled up (the roll-up picture's frame in client mode) and in the normal frame
    // state (the only one that shows the size grip).
    bool rolled_up = false;
    bool normal_state = true;
    std::string caption;
    std::vector<TvxActiveSkinObject*> objects;
    // The built-in frame's caption height and caption rectangle, its fonts, and the
    // program's own caption painting.
    int caption_height = 19;
    TRect default_caption_rect;
    const TFont* caption_font = nullptr;
    std::function<void(TCanvas&, const TRect&, bool)> on_caption_paint;
};

// A look of the frame: it paints the whole frame of a scene onto a window context.
class TvxFrameLook {
public:
    virtual ~TvxFrameLook() = default;
    virtual void Paint(TDeviceContext& dc, const TvxFrameScene& scene) const = 0;
};

} // namespace tessel
