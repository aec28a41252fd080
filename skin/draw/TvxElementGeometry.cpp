#include "tessel/skin/draw/TvxElementGeometry.h"

#include "tessel/skin/data/TvxDataSkinCustomControl.h"

namespace tessel {

namespace {

TRect Moved(TRect r, int dx, int dy)
{
    return { r.left + dx, r.top + dy, r.right + dx, r.bottom + dy };
}

// The platform's PtInRect: right and bottom exclusive.
bool PtInRect(const TRect& r, TPoint p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

bool PtInRectInclusive(const TRect& r, TPoint p)
{
    return p.x >= r.left && p.y >= r.top && p.x <= r.right && p.y <= r.bottom;
}

} // namespace

TvxElementGeometry TvxElementGeometry::FromRecord(const TvxDataSkinCustomControl& r)
{
    return FromFrame(r, r.skinrect, r.clientrect);
}

TvxCompositionMode CompositionMode(const TvxElementGeometry& g)
{
    if (g.R.Width() <= 0 || g.R.Height() <= 0)
        return vxcmNone;
    if (g.RB.x != 0 && g.RB.y != 0)
        return vxcmFull;
    if (g.RT.x != 0 || g.RT.y != 0)
        return vxcmHorizontalStrip;
    if (g.LB.x != 0 || g.LB.y != 0)
        return vxcmVerticalStrip;
    return vxcmFixed;
}

TvxTargetGeometry ComputeTargetGeometry(
    TvxCompositionMode mode, const TvxElementGeometry& g, int& aw, int& ah)
{
    TvxTargetGeometry t;
    t.NewLT = g.LT;
    t.NewRT = g.RT;
    t.NewLB = g.LB;
    t.NewRB = g.RB;
    t.NewClient = g.Client;
    switch (mode) {
    case vxcmFull: {
        int dw = aw - g.W(), dh = ah - g.H();
        t.NewRT = { g.RT.x + dw, g.RT.y };
        t.NewLB = { g.LB.x, g.LB.y + dh };
        t.NewRB = { g.RB.x + dw, g.RB.y + dh };
        t.NewClient = { g.Client.left, g.Client.top, g.Client.right + dw, g.Client.bottom + dh };
        break;
    }
    case vxcmHorizontalStrip:
        ah = g.H();
        t.NewRT = { g.RT.x + aw - g.W(), g.RT.y };
        t.NewClient.right = g.Client.right + aw - g.W();
        break;
    case vxcmVerticalStrip:
        aw = g.W();
        t.NewLB = { g.LB.x, g.LB.y + ah - g.H() };
        t.NewClient.bottom = g.Client.bottom + ah - g.H();
        break;
    case vxcmFixed:
        aw = g.W();
        ah = g.H();
        break;
    case vxcmNone:
        break;
    }
    return t;
}

TRect MapSkinRect(TvxCompositionMode mode, const TvxElementGeometry& g, int width, int height, TRect rect)
{
    int dw = width - g.W(), dh = height - g.H();
    TPoint tl { rect.left, rect.top }, br { rect.right, rect.bottom };
    switch (mode) {
    case vxcmFull: {
        TRect lta { 0, 0, g.LT.x, g.LT.y }, lba { 0, g.LB.y, g.LB.x, g.H() };
        TRect rta { g.RT.x, 0, g.W(), g.RT.y }, rba { g.RB.x, g.RB.y, g.W(), g.H() };
        auto inside = [&](const TRect& area) { return PtInRect(area, tl) && PtInRect(area, br); };
        if (inside(lta))
            return rect;
        if (inside(rta))
            return Moved(rect, dw, 0);
        if (inside(lba))
            return Moved(rect, 0, dh);
        if (inside(rba))
            return Moved(rect, dw, dh);
        auto in = [](const TRect& area, TPoint p) { return PtInRectInclusive(area, p); };
        if (in(lta, tl) && in(rba, br))
            return { rect.left, rect.top, rect.right + dw, rect.bottom + dh };
        if (in(lta, tl) && in(rta, br))
            return { rect.left, rect.top, rect.right + dw, rect.bottom };
        if (in(lba, tl) && in(rba, br))
            return Moved({ rect.left, rect.top, rect.right + dw, rect.bottom }, 0, dh);
        if (in(lta, tl) && in(lba, br))
            return { rect.left, rect.top, rect.right, rect.bottom + dh };
        if (in(rta, tl) && in(rba, br))
            return { rect.left + dw, rect.top, rect.right + dw, rect.bottom + dh };
        return rect;
    }
    case vxcmHorizontalStrip:
        if (rect.left <= g.LT.x && rect.right >= g.RT.x)
            return { rect.left, rect.top, rect.right + dw, rect.bottom };
        if (rect.left >= g.RT.x && rect.right > g.RT.x)
            return Moved(rect, dw, 0);
        return rect;
    case vxcmVerticalStrip:
        if (rect.top <= g.LT.y && rect.bottom >= g.LB.y)
            return { rect.left, rect.top, rect.right, rect.bottom + dh };
        if (rect.top >= g.LB.y && rect.bottom > g.LB.y)
            return Moved(rect, 0, dh);
        return rect;
    default:
        return rect;
    }
}

} // namespace tessel
