#pragma once

#include "tessel/framework/TColor.h"
#include "tessel/platform/TRect.h"

#include <string>

namespace tessel {

class TBitmap;
class TCanvas;
class TFont;
class TImageList;
class TvxDataSkinPanelControl;

// Where a panel's caption image stands: before the text (which moves right) or at
// the caption's left edge (the text keeps its place).
enum TvxImagePosition { vxipDefault = 0, vxipLeft = 1 };

// What a panel's caption shows, whatever draws it.
struct TvxPanelCaptionContent {
    std::string text;
    const TBitmap* glyph = nullptr; // empty or null: none
    int num_glyphs = 1;
    bool enabled = true;
    const TImageList* images = nullptr;
    int image_index = -1;
    TvxImagePosition image_position = vxipDefault;
    int spacing = 2;
    bool checked_mode = false;
    bool checked = false;
    bool roll_up_mode = false;
    bool rolled_up = false;
};

// Drawing a panel's caption: the skinned caption of a panel record (text placed by
// the record's alignment, check image, caption image, roll-up mark, frame image), the
// group look of a transparent captioned panel, and the default caption bar.
class TvxPanelCaption {
public:
    // The skinned caption inside area (the mapped captionrect), on a canvas whose
    // font is set; picture is the record's picture.
    static void DrawSkinned(TCanvas& canvas, TRect area, const TvxDataSkinPanelControl& record,
        const TBitmap& picture, const TvxPanelCaptionContent& content);
    // The group look over the parent's image in canvas (width x height): the caption
    // row at the top, lines round the rest. Returns the caption row.
    static TRect DrawGroup(TCanvas& canvas, int width, int height, const TvxDataSkinPanelControl& record,
        const TBitmap& picture, TColor line, TColor text_color, const TvxPanelCaptionContent& content);
    // The default caption bar's inside (check box, roll-up arrow, text, image).
    static void DrawDefault(
        TCanvas& canvas, TRect bar, TAlignment alignment, const TvxPanelCaptionContent& content);
    // The caption image's width (0 when there is none).
    static int ImageWidth(const TvxPanelCaptionContent& content);

private:
    // Draws the caption image with its top-left at (x, y); its width.
    static int DrawImage(TCanvas& canvas, int x, int y, const TvxPanelCaptionContent& content);
    static int ImageHeight(const TvxPanelCaptionContent& content);
};

} // namespace tessel
