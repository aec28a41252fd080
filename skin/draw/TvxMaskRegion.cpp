#include "tessel/skin/draw/TvxMaskRegion.h"

#include "tessel/platform/Raster.h"
#include "tessel/skin/draw/TvxMaskRuns.h"
#include "tessel/skin/draw/TvxTiling.h"

#include <cstring>

namespace tessel {

namespace {

constexpr uint32_t kOutside = 0xFFFFFFFF;

void Put(int32_t*& p, int32_t a, int32_t b, int32_t c, int32_t d)
{
    p[0] = a;
    p[1] = b;
    p[2] = c;
    p[3] = d;
    p += 4;
}

void Copy(TSurface& dst, const TRect& to, const TSurface& src, const TRect& from)
{
    if (!to.IsEmpty() && !from.IsEmpty())
        Raster::BitBlt(dst, to.left, to.top, to.Width(), to.Height(), src, from.left, from.top);
}

// An image of the size, all outside until pieces are copied in.
void Blank(TBitmap& image, int w, int h)
{
    image.SetSize(w, h);
    image.Fill(kOutside);
}

std::unique_ptr<TRegion> Union(std::unique_ptr<TRegion> a, std::unique_ptr<TRegion> b)
{
    if (!a)
        return b;
    if (b)
        a->Combine(*a, *b, RGN_OR);
    return a;
}

} // namespace

std::vector<uint8_t> TvxMaskRegion::RegionDataFromMask(const TBitmap& mask, int ox, int oy)
{
    if (mask.Empty())
        return {};
    std::vector<TRect> runs = TvxMaskRuns::Scan(mask, ox, oy);
    std::vector<uint8_t> data(runs.size() * 16 + 32, 0);
    auto* p = reinterpret_cast<int32_t*>(data.data());
    Put(p, 32, 1, static_cast<int32_t>(runs.size()), 0);
    Put(p, ox, oy, ox + mask.Width(), oy + mask.Height());
    for (const TRect& r : runs)
        Put(p, r.left, r.top, r.right, r.bottom);
    return data;
}

std::unique_ptr<TRegion> TvxMaskRegion::RegionFromMask(const TBitmap& mask)
{
    std::vector<uint8_t> data = RegionDataFromMask(mask, 0, 0);
    if (data.empty())
        return nullptr;
    auto region = std::make_unique<TRegion>();
    TRegion::FromRegionData(data.data(), data.size(), *region);
    return region;
}

TvxFrameEdges TvxMaskRegion::ComposeMaskEdges(
    const TvxElementGeometry& g, const TvxTargetGeometry& t, const TBitmap& mask, int aw)
{
    TvxFrameEdges e;
    const TSurface& m = mask.Surface();
    const TRect& C = g.Client;
    const TRect& NC = t.NewClient;
    int W = mask.Width(), H = mask.Height();
    int nch = NC.Height();
    // Left and right: the middle rows repeated down from y = 0, then the ends.
    auto column = [&](TBitmap& image, int left, int width, int mid_top, int mid_bottom) {
        if (width <= 0 || nch <= 0)
            return;
        Blank(image, width, nch);
        TSurface& d = image.Surface();
        if (mid_bottom != mid_top)
            TvxTiling::Tile(d, d.Bounds(), m, { left, mid_top, left + width, mid_bottom });
        if (mid_top > C.top)
            Copy(d, { 0, 0, width, mid_top - C.top }, m, { left, C.top, left + width, mid_top });
        if (C.bottom > mid_bottom)
            Copy(d, { 0, nch - (C.bottom - mid_bottom), width, nch }, m,
                { left, mid_bottom, left + width, C.bottom });
    };
    column(e.left, 0, C.left, g.LT.y, g.LB.y);
    column(e.right, C.right, W - C.right, g.RT.y, g.RB.y);
    // Top and bottom: the middle repeated from its new start and cut at its new end, then the ends.
    auto band
        = [&](TBitmap& image, int top, int height, int mid_left, int mid_right, int new_left, int new_right) {
              if (aw <= 0 || height <= 0)
                  return;
              Blank(image, aw, height);
              TSurface& d = image.Surface();
              if (mid_right != mid_left)
                  TvxTiling::Tile(
                      d, { new_left, 0, new_right, height }, m, { mid_left, top, mid_right, top + height });
              Copy(d, { 0, 0, mid_left, height }, m, { 0, top, mid_left, top + height });
              Copy(d, { new_right, 0, aw, height }, m, { mid_right, top, W, top + height });
          };
    band(e.top, 0, C.top, g.LT.x, g.RT.x, t.NewLT.x, t.NewRT.x);
    band(e.bottom, C.bottom, H - C.bottom, g.LB.x, g.RB.x, t.NewLB.x, t.NewRB.x);
    return e;
}

std::unique_ptr<TRegion> TvxMaskRegion::ElementRegion(
    const TvxElementGeometry& g, const TvxTargetGeometry& t, int aw, int, const TBitmap& mask)
{
    if (t.NewRT.x < t.NewLT.x || t.NewLB.y < t.NewLT.y)
        return nullptr;
    return EdgesAndClient(g, t, aw, mask);
}

std::unique_ptr<TRegion> TvxMaskRegion::EdgesAndClient(
    const TvxElementGeometry& g, const TvxTargetGeometry& t, int aw, const TBitmap& mask)
{
    if (t.NewClient.IsEmpty())
        return nullptr;
    return EdgesRegion(ComposeMaskEdges(g, t, mask, aw), t.NewClient);
}

std::unique_ptr<TRegion> TvxMaskRegion::EdgesRegion(const TvxFrameEdges& e, const TRect& client)
{
    auto from = [](const TBitmap& image, int x, int y) -> std::unique_ptr<TRegion> {
        std::vector<uint8_t> data = RegionDataFromMask(image, x, y);
        if (data.empty())
            return nullptr;
        auto region = std::make_unique<TRegion>();
        TRegion::FromRegionData(data.data(), data.size(), *region);
        return region;
    };
    auto edges = Union(Union(from(e.top, 0, 0), from(e.bottom, 0, client.bottom)),
        Union(from(e.left, 0, client.top), from(e.right, client.right, client.top)));
    if (client.IsEmpty())
        return edges;
    return Union(std::move(edges), std::make_unique<TRegion>(client));
}

std::unique_ptr<TRegion> TvxMaskRegion::ControlRegion(
    const TvxElementGeometry& record, int aw, int ah, const TBitmap& mask)
{
    if (mask.Empty())
        return nullptr;
    TvxCompositionMode mode = CompositionMode(record);
    int w = aw, h = ah;
    TvxTargetGeometry t = ComputeTargetGeometry(mode, record, w, h);
    TvxElementGeometry g = record;
    switch (mode) {
    case vxcmFixed:
        return RegionFromMask(mask);
    case vxcmFull:
        return ElementRegion(g, t, w, h, mask);
    case vxcmHorizontalStrip:
        g.LB = t.NewLB = t.NewLT = g.LT;
        g.RB = g.RT;
        t.NewRT = t.NewRB = { w + g.RT.x - g.W(), g.RT.y };
        return ElementRegion(g, t, w, h, mask);
    case vxcmVerticalStrip:
        g.RT = t.NewRT = t.NewLT = g.LT;
        g.RB = g.LB;
        t.NewLB = t.NewRB = { g.LB.x, h + g.LB.y - g.H() };
        return ElementRegion(g, t, w, h, mask);
    default:
        return nullptr;
    }
}

} // namespace tessel
