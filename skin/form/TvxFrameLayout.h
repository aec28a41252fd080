#pragma once

#include "tessel/platform/TRect.h"

#include <vector>

namespace tessel {

class TvxActiveSkinObject;
class TvxSkinData;
struct TvxFrameGeometry;

// Places the frame objects on a window of the geometry's size: each object where its
// skin rectangle maps to, then the caption buttons in a row from the buttons or
// caption rectangle, the system-menu button at the caption's start, and the caption
// between them.
class TvxFrameLayout {
public:
    static void Layout(const TvxSkinData& data, const TvxFrameGeometry& geometry,
        const std::vector<TvxActiveSkinObject*>& objects, bool client_mode, TPoint small_icon,
        bool show_icon);
    // The built-in frame's buttons, s pixels square, from the right edge leftwards and
    // the system-menu button at the left; the caption rectangle between them.
    static TRect LayoutBuiltIn(int width, int caption_height, int button_size,
        const std::vector<TvxActiveSkinObject*>& buttons, TPoint small_icon, bool show_icon);
};

} // namespace tessel
