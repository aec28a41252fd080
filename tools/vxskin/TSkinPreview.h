#pragma once

#include "tessel/framework/TBitmap.h"
#include "tools/vxskin/TSkinElement.h"

#include <string>
#include <vector>

namespace tessel {

class TvxSkinData;

// Pictures of a skin for its authors: an element composed at any size, a window
// region as black-inside, white-outside, and a sheet of every control and object.
class TSkinPreview {
public:
    // The element composed at w x h (strips and fixed elements keep the sizes they keep).
    static TBitmap Render(const TSkinElement& element, int w, int h);
    // A window of w x h as the form skin controller paints it: the skin's frame and
    // client background, without the frame's objects.
    static TBitmap RenderForm(const TvxSkinData& data, int w, int h);
    // The region of a form (kind kForm) or a control at w x h, in a picture of that size.
    static TBitmap Region(const TvxSkinData& data, TElementKind kind, const std::string& name, int w, int h);
    // A look on the sheet: its label ("control button: down") and the element at
    // its own size and at a larger one.
    struct TSheetEntry {
        std::string label;
        TBitmap small, large;
    };
    // Every look of every control and object: the normal one and each state the
    // record draws (active, down, focused, disabled, inactive).
    static std::vector<TSheetEntry> SheetEntries(const TvxSkinData& data);
    // The entries laid out in labelled rows.
    static TBitmap Sheet(const TvxSkinData& data);
};

} // namespace tessel
