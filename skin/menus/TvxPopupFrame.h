#pragma once

#include "tessel/framework/TBitmap.h"
#include "tessel/platform/TRect.h"
#include "tessel/skin/data/TvxDataSkinMenuItem.h"
#include "tessel/skin/data/TvxDataSkinPopupWindow.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxElementGeometry.h"

#include <memory>

namespace tessel {

class TRegion;

// The frame of a popup menu window: the skin's POPUPWINDOW picture grown to the
// window's size around its items rectangle, shaped by its mask, or the built-in
// frame (a 3-pixel border) when the skin has none. It also holds the skin's
// "menuitem" record the items are drawn from.
class TvxPopupFrame {
public:
    TvxPopupFrame() = default;
    // The frame and item look of a skin (none loaded: the built-in ones).
    static TvxPopupFrame Find(const TvxSkinData* data);

    bool Skinned() const { return m_record != nullptr; }
    const TvxDataSkinPopupWindow* Record() const { return m_record; }
    const TBitmap* Picture() const { return m_picture; }
    // The "menuitem" record and its picture; the record is none when the skin has none.
    const TvxDataSkinMenuItem* ItemRecord() const { return m_item_record; }
    const TBitmap* ItemPicture() const { return m_item_picture; }
    const TvxSkinData* Data() const { return m_data; }
    // An item's look: source of the "menuitem" picture width wide, its ends kept and
    // its middle stretched or repeated (empty without the record's picture).
    TBitmap ItemImage(const TRect& source, bool stretch, int width) const;

    // What the frame adds to the items' width and height.
    int ExtraWidth() const;
    int ExtraHeight() const;
    // The corner points and items rectangle for a window of w x h.
    TvxTargetGeometry Target(int w, int h) const;
    TRect ItemsRect(int w, int h) const;
    // The frame picture composed to w x h (the built-in frame without a skin).
    void Compose(TBitmap& image, int w, int h) const;
    // The window's shape at w x h from the mask, or none.
    std::unique_ptr<TRegion> Region(int w, int h) const;

private:
    TvxElementGeometry Element() const;

    const TvxSkinData* m_data = nullptr;
    const TvxDataSkinPopupWindow* m_record = nullptr;
    const TBitmap* m_picture = nullptr;
    const TBitmap* m_mask = nullptr;
    const TvxDataSkinMenuItem* m_item_record = nullptr;
    const TBitmap* m_item_picture = nullptr;
};

} // namespace tessel
