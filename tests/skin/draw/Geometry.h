#pragma once

#include "tessel/skin/draw/TvxElementGeometry.h"

namespace tessel::test {

// An element geometry with its rectangle, four corner points and client rectangle;
// no stretching.
inline TvxElementGeometry Geometry(TRect r, TPoint lt, TPoint rt, TPoint lb, TPoint rb, TRect client)
{
    TvxElementGeometry g;
    g.R = r;
    g.LT = lt;
    g.RT = rt;
    g.LB = lb;
    g.RB = rb;
    g.Client = client;
    return g;
}

} // namespace tessel::test
