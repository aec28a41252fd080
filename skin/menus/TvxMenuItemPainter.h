#pragma once

#include "tessel/framework/TColor.h"
#include "tessel/platform/TRect.h"

namespace tessel {

class TBitmap;
class TCanvas;
class TFont;
class TImageList;
class TvxPopupFrame;
class TvxSkinMenuItem;

// What drawing an item needs of its window.
struct TvxMenuPaintContext {
    const TvxPopupFrame* frame = nullptr;
    // The window's font: the record's with the skin font, else the default item font.
    const TFont* font = nullptr;
    TImageList* images = nullptr;
    int image_column = 16;
    // The composed frame, for items drawn see-through.
    const TBitmap* frame_background = nullptr;
};

// Draws one popup menu item at its rectangle: its background from the "menuitem"
// record (three pieces, morphing or animated) or the built-in look, then its
// caption, shortcut, submenu arrow, image, check or radio mark, or its separator.
class TvxMenuItemPainter {
public:
    static void Draw(TCanvas& canvas, const TvxSkinMenuItem& item, const TvxMenuPaintContext& context);

private:
    static void DrawSkinned(TCanvas& canvas, const TvxSkinMenuItem& item, const TvxMenuPaintContext& context);
    static void DrawBuiltIn(TCanvas& canvas, const TvxSkinMenuItem& item, const TvxMenuPaintContext& context);
    // Caption, shortcut, arrow and image or mark, inside the text rectangle.
    static void DrawContent(TCanvas& canvas, const TvxSkinMenuItem& item, const TvxMenuPaintContext& context,
        const TRect& text, TColor color, bool built_in);
};

} // namespace tessel
