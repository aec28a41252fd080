#include "tessel/skin/draw/TvxComposition.h"

#include "tessel/platform/Raster.h"
#include "tessel/skin/draw/TvxTiling.h"

namespace tessel {

namespace {

TRect In(const TRect& r, int left, int top, int right, int bottom)
{
    return { r.left + left, r.top + top, r.left + right, r.top + bottom };
}

// A plain copy when the sizes agree, else a nearest-pixel stretch; nothing for
// rectangles without area.
void Copy(TSurface& dst, const TRect& to, const TSurface& src, const TRect& from)
{
    if (to.IsEmpty() || from.IsEmpty())
        return;
    if (to.Width() == from.Width() && to.Height() == from.Height())
        Raster::BitBlt(dst, to.left, to.top, to.Width(), to.Height(), src, from.left, from.top);
    else
        Raster::StretchBlt(dst, to, src, from);
}

void StretchOrTile(bool stretch, TSurface& dst, const TRect& to, const TSurface& src, const TRect& from)
{
    if (stretch)
        Copy(dst, to, src, from);
    else
        TvxTiling::Tile(dst, to, src, from);
}

} // namespace

void TvxComposition::ComposeElementImage(const TvxElementGeometry& g, const TvxTargetGeometry& t,
    TBitmap& destination, const TBitmap& source, int aw, int ah, bool draw_client)
{
    destination.SetSize(aw, ah);
    if (g.RB.x == g.LT.x || g.RB.y == g.LT.y || source.Empty())
        return;
    TSurface& d = destination.Surface();
    const TSurface& s = source.Surface();
    const TRect& R = g.R;
    const TRect& C = g.Client;
    const TRect& NC = t.NewClient;
    int W = g.W(), H = g.H();
    // The edges' middles.
    StretchOrTile(g.topstretch, d, { t.NewLT.x, 0, t.NewRT.x, NC.top }, s, In(R, g.LT.x, 0, g.RT.x, C.top));
    StretchOrTile(
        g.bottomstretch, d, { t.NewLB.x, NC.bottom, t.NewRB.x, ah }, s, In(R, g.LB.x, C.bottom, g.RB.x, H));
    if (g.leftstretch)
        Copy(d, { 0, t.NewLT.y, NC.left, t.NewLB.y }, s, In(R, 0, g.LT.y, C.left, g.LB.y));
    else
        TvxTiling::Tile(d, { 0, t.NewLT.y, NC.left, t.NewLB.y }, s, In(R, 0, g.LT.y, NC.left, g.LB.y));
    StretchOrTile(
        g.rightstretch, d, { NC.right, t.NewRT.y, aw, t.NewRB.y }, s, In(R, C.right, g.RT.y, W, g.RB.y));
    // The fixed pieces: the top band owns both top corners, the left column the
    // bottom-left one, the bottom band the bottom-right one.
    Copy(d, { 0, 0, t.NewLT.x, NC.top }, s, In(R, 0, 0, g.LT.x, C.top));
    Copy(d, { 0, NC.top, NC.left, t.NewLT.y }, s, In(R, 0, C.top, C.left, g.LT.y));
    Copy(d, { t.NewRT.x, 0, aw, NC.top }, s, In(R, g.RT.x, 0, W, C.top));
    Copy(d, { NC.right, NC.top, aw, t.NewRT.y }, s, In(R, C.right, C.top, W, g.RT.y));
    Copy(d, { 0, t.NewLB.y, NC.left, ah }, s, In(R, 0, g.LB.y, C.left, H));
    Copy(d, { NC.left, NC.bottom, t.NewLB.x, ah }, s, In(R, C.left, C.bottom, g.LB.x, H));
    Copy(d, { t.NewRB.x, NC.bottom, aw, ah }, s, In(R, g.RB.x, C.bottom, W, H));
    Copy(d, { NC.right, t.NewRB.y, aw, NC.bottom }, s, In(R, C.right, g.RB.y, W, C.bottom));
    if (draw_client)
        DrawClient(g, t, d, { 0, 0 }, s, nullptr);
}

void TvxComposition::PaintClient(const TvxElementGeometry& g, const TvxTargetGeometry& t, TSurface& dst,
    TPoint origin, const TSurface& src, const TRegion& clip)
{
    DrawClient(g, t, dst, origin, src, &clip);
}

void TvxComposition::DrawClient(const TvxElementGeometry& g, const TvxTargetGeometry& t, TSurface& d,
    TPoint origin, const TSurface& s, const TRegion* clip)
{
    const TRect& C = g.Client;
    TRect piece = In(g.R, C.left, C.top, C.right, C.bottom);
    TRect NC = t.NewClient.Offset(origin.x, origin.y);
    int cw = C.Width(), ch = C.Height(), ncw = NC.Width(), nch = NC.Height();
    // Repeats go through the tiling, once for each rectangle of the clip.
    auto tile = [&](const TSurface& from, const TRect& part) {
        if (!clip) {
            TvxTiling::Tile(d, NC, from, part);
            return;
        }
        for (const TRect& r : clip->Rects())
            if (!r.Intersect(NC).IsEmpty())
                TvxTiling::Tile(d, NC, from, part, &r);
    };
    if (!g.stretcheffect) {
        tile(s, piece);
        return;
    }
    if (ncw <= 0 || nch <= 0 || cw <= 0 || ch <= 0)
        return;
    switch (g.stretchtype) {
    case stfull:
        if (NC.Width() == piece.Width() && NC.Height() == piece.Height())
            Raster::BitBlt(d, NC.left, NC.top, ncw, nch, s, piece.left, piece.top, SRCCOPY, clip);
        else
            Raster::StretchBlt(d, NC, s, piece, clip);
        break;
    case sthorz: {
        // Stretched to the target height, then repeated across.
        TSurface band(cw, nch);
        Raster::StretchBlt(band, band.Bounds(), s, piece);
        tile(band, band.Bounds());
        break;
    }
    case stvert: {
        TSurface band(ncw, ch);
        Raster::StretchBlt(band, band.Bounds(), s, piece);
        tile(band, band.Bounds());
        break;
    }
    }
}

void TvxComposition::ComposeHorizontalStrip(
    int a, int b, TBitmap& destination, bool stretch, int aw, const TRect& r, const TBitmap& source)
{
    int W = r.Width(), H = r.Height();
    destination.SetSize(aw, H);
    TSurface& d = destination.Surface();
    const TSurface& s = source.Surface();
    if (a != 0)
        Copy(d, { 0, 0, a, H }, s, In(r, 0, 0, a, H));
    if (b != 0)
        Copy(d, { aw - b, 0, aw, H }, s, In(r, W - b, 0, W, H));
    StretchOrTile(stretch, d, { a, 0, aw - b, H }, s, In(r, a, 0, W - b, H));
}

void TvxComposition::ComposeVerticalStrip(
    int a, int b, TBitmap& destination, bool stretch, int ah, const TRect& r, const TBitmap& source)
{
    int W = r.Width(), H = r.Height();
    destination.SetSize(W, ah);
    TSurface& d = destination.Surface();
    const TSurface& s = source.Surface();
    if (a != 0)
        Copy(d, { 0, 0, W, a }, s, In(r, 0, 0, W, a));
    if (b != 0)
        Copy(d, { 0, ah - b, W, ah }, s, In(r, 0, H - b, W, H));
    StretchOrTile(stretch, d, { 0, a, W, ah - b }, s, In(r, 0, a, W, H - b));
}

void TvxComposition::ComposeTiledMiddle(
    int a, int b, TBitmap& destination, bool stretch, int aw, const TRect& r, const TBitmap& source)
{
    int W = r.Width(), H = r.Height();
    destination.SetSize(aw, H);
    StretchOrTile(stretch, destination.Surface(), { 0, 0, aw, H }, source.Surface(), In(r, a, 0, W - b, H));
}

void TvxComposition::ComposeClientCornered(
    TBitmap& destination, const TBitmap& source, const TRect& r, bool draw_client, const TRect& corner)
{
    TvxElementGeometry g;
    g.R = r;
    g.LT = { corner.left, corner.top };
    g.RT = { corner.right, corner.top };
    g.LB = { corner.left, corner.bottom };
    g.RB = { corner.right, corner.bottom };
    g.Client = corner;
    g.leftstretch = g.topstretch = g.rightstretch = g.bottomstretch = true;
    g.stretcheffect = true;
    g.stretchtype = stfull;
    int aw = destination.Width(), ah = destination.Height();
    TvxTargetGeometry t;
    t.NewClient = { corner.left, corner.top, corner.right + aw - g.W(), corner.bottom + ah - g.H() };
    t.NewLT = { t.NewClient.left, t.NewClient.top };
    t.NewRT = { t.NewClient.right, t.NewClient.top };
    t.NewLB = { t.NewClient.left, t.NewClient.bottom };
    t.NewRB = { t.NewClient.right, t.NewClient.bottom };
    ComposeElementImage(g, t, destination, source, aw, ah, draw_client);
}

TvxFrameEdges TvxComposition::ComposeFrameEdges(
    const TvxElementGeometry& g, const TvxTargetGeometry& t, const TBitmap& source, int aw, int ah)
{
    TvxFrameEdges e;
    const TSurface& s = source.Surface();
    const TRect& R = g.R;
    const TRect& C = g.Client;
    const TRect& NC = t.NewClient;
    int W = g.W(), H = g.H();
    // Top and bottom: the middle across the whole width, then the ends over it.
    auto band = [&](TBitmap& image, int height, int src_top, int mid_left, int mid_right, bool stretch,
                    int new_left, int new_right) {
        image.SetSize(aw, height);
        TSurface& d = image.Surface();
        TRect middle = In(R, mid_left, src_top, mid_right, src_top + height);
        if (stretch)
            Copy(d, { new_left, 0, new_right, height }, s, middle);
        else
            TvxTiling::Tile(d, d.Bounds(), s, middle);
        Copy(d, { 0, 0, new_left, height }, s, In(R, 0, src_top, mid_left, src_top + height));
        Copy(d, { new_right, 0, aw, height }, s, In(R, mid_right, src_top, W, src_top + height));
    };
    if (aw > 0 && NC.top > 0 && g.RT.x - g.LT.x > 0)
        band(e.top, NC.top, 0, g.LT.x, g.RT.x, g.topstretch, t.NewLT.x, t.NewRT.x);
    int bh = ah - NC.bottom;
    if (aw > 0 && bh > 0 && g.RB.x - g.LB.x > 0)
        band(e.bottom, bh, H - bh, g.LB.x, g.RB.x, g.bottomstretch, t.NewLB.x, t.NewRB.x);
    // Left and right: the middle down the whole height, then the ends over it.
    int lh = ah - e.bottom.Height() - e.top.Height();
    auto column = [&](TBitmap& image, int width, int src_left, int mid_top, int mid_bottom, bool stretch) {
        image.SetSize(width, lh);
        TSurface& d = image.Surface();
        TRect middle = In(R, src_left, mid_top, src_left + width, mid_bottom);
        if (stretch)
            Copy(d, { 0, mid_top - C.top, width, lh + mid_bottom - C.bottom }, s, middle);
        else
            TvxTiling::Tile(d, d.Bounds(), s, middle);
        int upper = mid_top - C.top, lower = C.bottom - mid_bottom;
        if (upper > 0)
            Copy(d, { 0, 0, width, upper }, s, In(R, src_left, C.top, src_left + width, mid_top));
        if (lower > 0)
            Copy(d, { 0, lh - lower, width, lh }, s, In(R, src_left, mid_bottom, src_left + width, C.bottom));
    };
    int lw = NC.left;
    if (lw > 0 && lh > 0 && g.LB.y - g.LT.y > 0)
        column(e.left, lw, 0, g.LT.y, g.LB.y, g.leftstretch);
    int rw = aw - NC.right;
    if (rw > 0 && lh > 0 && g.RB.y - g.RT.y > 0)
        column(e.right, rw, C.right, g.RT.y, g.RB.y, g.rightstretch);
    return e;
}

void TvxComposition::ComposeByMode(const TvxElementGeometry& g, TBitmap& destination, const TBitmap& source,
    int& aw, int& ah, bool draw_client)
{
    TvxCompositionMode mode = CompositionMode(g);
    TvxTargetGeometry t = ComputeTargetGeometry(mode, g, aw, ah);
    switch (mode) {
    case vxcmNone:
        destination.SetSize(aw, ah);
        break;
    case vxcmFull:
        ComposeElementImage(g, t, destination, source, aw, ah, draw_client);
        break;
    case vxcmHorizontalStrip:
        ComposeHorizontalStrip(g.LT.x, g.W() - g.RT.x, destination, g.stretcheffect, aw, g.R, source);
        break;
    case vxcmVerticalStrip:
        ComposeVerticalStrip(g.LT.y, g.H() - g.LB.y, destination, g.stretcheffect, ah, g.R, source);
        break;
    case vxcmFixed:
        destination.SetSize(g.W(), g.H());
        Copy(destination.Surface(), destination.Surface().Bounds(), source.Surface(), g.R);
        break;
    }
}

} // namespace tessel
