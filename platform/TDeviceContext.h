#pragma once

#include "tessel/platform/Raster.h"
#include "tessel/platform/TRegion.h"
#include "tessel/platform/TSurface.h"

#include <functional>

namespace tessel {

// Somewhere to draw: a surface, an origin (where the context's (0, 0) lies on the
// surface) and the clip that drawing stays inside. A window's context draws on its
// top-level window's surface, clipped to what of the window is visible; a memory
// context draws on any surface. Coordinates given to the drawing calls are the
// context's own. When a window context goes, what it covered is presented.
class TDeviceContext {
public:
    using Release = std::function<void(const TRegion& drawn)>;

    // A context for the whole of a surface.
    explicit TDeviceContext(TSurface& surface);
    // visible is in surface coordinates.
    TDeviceContext(TSurface& surface, TPoint origin, TRegion visible, Release release);
    ~TDeviceContext();
    TDeviceContext(const TDeviceContext&) = delete;
    TDeviceContext& operator=(const TDeviceContext&) = delete;

    TSurface& Surface() { return m_surface; }
    TPoint Origin() const { return m_origin; }
    // The clip in surface coordinates.
    const TRegion& Clip() const { return m_clip; }
    // The clip's bounds in the context's coordinates.
    TRect ClipBox() const;
    // Narrows the clip; rect and region are in the context's coordinates.
    void IntersectClipRect(const TRect& rect);
    void IntersectClipRgn(const TRegion& region);
    // Excludes a rectangle from the clip.
    void ExcludeClipRect(const TRect& rect);
    // Sets the clip to region within what the context may draw on; none means all of it.
    void SelectClipRgn(const TRegion* region);
    // Puts back a clip read with Clip().
    void RestoreClip(const TRegion& saved) { m_clip = saved; }
    // Moves the origin by (dx, dy) in the context's coordinates, as SetViewportOrgEx does.
    void OffsetOrigin(int dx, int dy);

    bool BitBlt(int x, int y, int w, int h, const TSurface& src, int sx, int sy, uint32_t rop = SRCCOPY);
    void StretchBlt(const TRect& to, const TSurface& src, const TRect& from);
    void TransparentCopy(int x, int y, const TSurface& src, const TRect& from, uint32_t key);
    void FillRect(const TRect& rect, uint32_t color);
    void Line(int x0, int y0, int x1, int y1, uint32_t color);
    void Polyline(const TPoint* points, int count, uint32_t color);
    void Rectangle(const TRect& rect, uint32_t pen, uint32_t brush);
    // The surface pixel under a context point, or 0 outside the surface.
    uint32_t GetPixel(int x, int y) const;
    void SetPixel(int x, int y, uint32_t color);

    // A rectangle in the context's coordinates as surface coordinates.
    TRect ToSurface(const TRect& rect) const;

private:
    TSurface& m_surface;
    TPoint m_origin;
    TRegion m_limit; // what the context may ever draw on
    TRegion m_clip;
    Release m_release;
};

} // namespace tessel
