#pragma once

#include "tessel/platform/TRect.h"
#include "tessel/skin/data/TvxDataSkinHintWindow.h"
#include "tessel/skin/draw/TvxElementGeometry.h"

#include <memory>

namespace tessel {

class TBitmap;
class TRegion;
class TvxSkinData;

// The frame of a hint window: the skin's HINTWINDOW picture grown round the text by
// its corner points, shaped by its mask; without one the built-in box (a one-pixel
// frame and 2 pixels round the text).
class TvxHintFrame {
public:
    TvxHintFrame() = default;
    static TvxHintFrame Find(const TvxSkinData* data);

    bool Skinned() const { return m_record != nullptr; }
    const TvxDataSkinHintWindow* Record() const { return m_record; }

    // The window's size for a text box (and a rich hint's extra room), and the frame's
    // points and client rectangle at that size.
    TPoint Size(TPoint box, bool rich);
    TvxTargetGeometry Target() const { return m_target; }
    TRect Client() const;
    void Compose(TBitmap& image) const;
    std::unique_ptr<TRegion> Region() const;
    TPoint WindowSize() const { return m_size; }

    // A window hanging below point (by below pixels, the cursor's height) kept on the
    // screen: moved left by its width + 2 when it would pass the right edge, and
    // above the point when it would pass the bottom.
    static TRect Place(TPoint point, int below, TPoint size, const TRect& screen);

private:
    TvxElementGeometry Element() const;

    const TvxDataSkinHintWindow* m_record = nullptr;
    const TBitmap* m_picture = nullptr;
    const TBitmap* m_mask = nullptr;
    TPoint m_size;
    TvxTargetGeometry m_target;
};

} // namespace tessel
