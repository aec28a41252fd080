#pragma once

#include "tessel/platform/TRegion.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/draw/TvxElementGeometry.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace tessel {

// Window regions from skin masks: black pixels belong to the window, every other
// colour is cut away. A mask of fixed size becomes a region as it is; a mask that
// follows a resized element is cut and repeated into four edge images with the
// element's corner geometry, and the region is the union of those with the client.
class TvxMaskRegion {
public:
    // The platform's region data (32-byte header, then the rectangles) of the mask's
    // black runs moved by the offset; empty for an empty mask.
    static std::vector<uint8_t> RegionDataFromMask(const TBitmap& mask, int offset_x, int offset_y);
    // The whole mask at (0, 0); none for an empty mask.
    static std::unique_ptr<TRegion> RegionFromMask(const TBitmap& mask);
    // The mask's top, bottom, left and right images for an element aw wide; the mask's
    // own size stands for the skin rectangle's. Pixels no piece reaches are white.
    static TvxFrameEdges ComposeMaskEdges(
        const TvxElementGeometry& g, const TvxTargetGeometry& t, const TBitmap& mask, int aw);
    // The element's region at aw x ah, or none (an element squeezed below its fixed
    // pieces, or without a client area, keeps its plain rectangle).
    static std::unique_ptr<TRegion> ElementRegion(
        const TvxElementGeometry& g, const TvxTargetGeometry& t, int aw, int ah, const TBitmap& mask);
    // A skin control's region at its size: the whole mask for a fixed record, the
    // element region for a full one, and for strips the element region of the
    // geometry a strip stands for.
    static std::unique_ptr<TRegion> ControlRegion(
        const TvxElementGeometry& g, int aw, int ah, const TBitmap& mask);
    // The black pixels of a mask's four edge images placed around the client
    // rectangle (top at 0, bottom under the client, left and right beside it), with
    // the client itself; none when nothing is inside.
    static std::unique_ptr<TRegion> EdgesRegion(const TvxFrameEdges& edges, const TRect& client);

private:
    static std::unique_ptr<TRegion> EdgesAndClient(
        const TvxElementGeometry& g, const TvxTargetGeometry& t, int aw, const TBitmap& mask);
};

} // namespace tessel
