#pragma once

#include "tessel/framework/TBitmap.h"
#include "tessel/skin/data/SkinEnums.h"

#include <functional>
#include <string>

namespace tessel {

class TCanvas;
class TvxDataSkinMainMenuItem;

// How a main-menu entry looks from its skin record, in the frame and on a menu bar:
// the record's piece made as wide as the entry (both ends kept, the middle
// repeated or stretched), the caption centred in the record's text rectangle, the
// width the caption asks for, and which look a state shows (the morph between the
// normal and the active look included).
class TvxMainMenuItemLook {
public:
    enum TState { sNormal, sActive, sDown, sDisabled };

    // The record's font on canvas.
    static void UseFont(TCanvas& canvas, const TvxDataSkinMainMenuItem& record);
    // skin rect width + text rect left + caption width - text rect right + 2.
    static int Width(TCanvas& canvas, const TvxDataSkinMainMenuItem& record, const std::string& caption);
    // The piece source of picture at width x height, with the caption in the record's
    // font and the colour of state.
    static TBitmap Image(const TvxDataSkinMainMenuItem& record, const TBitmap& picture, const TRect& source,
        int width, int height, const std::string& caption, TState state);
    // The picture to show: the down look, the morph of normal and active while one is
    // under way, the active look, or the normal one. image makes a look from a
    // source rectangle.
    static TBitmap Choose(const std::function<TBitmap(const TRect&)>& image, const TRect& normal,
        const TRect& active, const TRect& down, bool is_down, bool is_active, bool morphing, double factor,
        TvxMorphKind kind);
};

} // namespace tessel
