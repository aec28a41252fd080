#include "tessel/skin/form/TvxMagnet.h"

#include <cstdlib>

namespace tessel {

namespace {

// One edge: pos is the form's left or top, offset the distance from there to the edge
// tested (0, or the width or height), remembered the cursor coordinate it stuck at.
void SnapEdge(int& pos, int offset, int area_edge, int cursor, int& remembered, bool& snapped, int distance)
{
    bool near = std::abs(pos + offset - area_edge) < distance;
    if (near && !snapped) {
        pos = area_edge - offset;
        remembered = cursor;
    } else if (snapped) {
        int moved = cursor - remembered;
        pos = area_edge - offset + (std::abs(moved) > distance ? moved : 0);
    }
    snapped = near;
}

} // namespace

TPoint TvxMagnet::Snap(TPoint at, TPoint size, const TRect& area, TPoint cursor, int distance)
{
    SnapEdge(at.x, 0, area.left, cursor.x, m_cursor.x, m_left, distance);
    SnapEdge(at.y, 0, area.top, cursor.y, m_cursor.y, m_top, distance);
    SnapEdge(at.x, size.x, area.right, cursor.x, m_cursor.x, m_right, distance);
    SnapEdge(at.y, size.y, area.bottom, cursor.y, m_cursor.y, m_bottom, distance);
    return at;
}

} // namespace tessel
