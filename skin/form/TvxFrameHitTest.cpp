#include "tessel/skin/form/TvxFrameHitTest.h"

#include "tessel/platform/Messages.h"
#include "tessel/skin/form/TvxFrameGeometry.h"
#include "tessel/skin/form/TvxFrameShape.h"

namespace tessel {

int TvxFrameHitTest::Skinned(TPoint p, const TvxFrameGeometry& g, const TvxFrameShape& shape, int d) const
{
    const TRect& client = g.NewClient;
    const int x = p.x, y = p.y;
    if (!rolled_up && !minimized && object_hot && !OverCaption(p) && !client.Contains(p) && !size_move)
        return HTOBJECT;
    if (!rolled_up && !minimized && !maximized && sizeable) {
        const TPoint probes[] = { { x - d, y }, { x, y - d }, { x + d, y }, { x, y + d } };
        TRect window { 0, 0, g.W, g.H };
        bool near_edge = false;
        for (TPoint q : probes) {
            bool outside = shape.HasMask() ? !shape.Inside(q) : !window.Contains(q);
            near_edge = near_edge || outside;
        }
        if (shape.HasMask() && g.MaskRect.Contains(p))
            near_edge = false;
        if (!near_edge)
            return client.Contains(p) ? HTCLIENT : OverCaption(p) ? HTCAPTION : HTOBJECT;
        if (x <= g.HitLT.x && y <= g.HitLT.y)
            return HTTOPLEFT;
        if (x >= g.HitRT.x && y <= g.HitRT.y)
            return HTTOPRIGHT;
        if (x <= g.HitLB.x && y >= g.HitLB.y)
            return HTBOTTOMLEFT;
        if (x >= g.HitRB.x && y >= g.HitRB.y)
            return HTBOTTOMRIGHT;
        if (TRect { g.HitLT.x, 0, g.HitRT.x, client.top }.Contains(p))
            return HTTOP;
        if (TRect { g.HitLB.x, client.bottom, g.HitRB.x, g.H }.Contains(p))
            return HTBOTTOM;
        if (TRect { 0, g.HitLT.y, client.left, g.HitLB.y }.Contains(p))
            return HTLEFT;
        if (TRect { client.right, g.HitRT.y, g.W, g.HitRB.y }.Contains(p))
            return HTRIGHT;
    }
    if (!rolled_up && !minimized && client.Contains(p))
        return HTCLIENT;
    return OverCaption(p) ? HTCAPTION : HTOBJECT;
}

int TvxFrameHitTest::BuiltIn(TPoint p, int w, int h, const TRect& caption, int c) const
{
    const int x = p.x, y = p.y;
    if (!maximized && !rolled_up && !minimized && sizeable) {
        if (object_hot)
            return HTOBJECT;
        if (x <= 2 && y <= 2)
            return HTTOPLEFT;
        if (x >= w - 2 && y <= 2)
            return HTTOPRIGHT;
        if (x <= 2 && y >= h - 2)
            return HTBOTTOMLEFT;
        if (x >= w - 2 && y >= h - 2)
            return HTBOTTOMRIGHT;
        if (x <= 2)
            return HTLEFT;
        if (y <= 2)
            return HTTOP;
        if (x >= w - 2)
            return HTRIGHT;
        if (y >= h - 2)
            return HTBOTTOM;
    }
    if (caption.Contains(p))
        return HTCAPTION;
    if (TRect { 3, c + 3, w - 3, h - 3 }.Contains(p))
        return HTCLIENT;
    return HTOBJECT;
}

} // namespace tessel
