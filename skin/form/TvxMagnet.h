#pragma once

#include "tessel/platform/TRect.h"

namespace tessel {

// Magnetic edges for a form being dragged: an edge that comes within the snap distance
// of the area's edge sticks to it, and lets go once the cursor has moved more than
// that distance on from where it stuck.
class TvxMagnet {
public:
    // Where the cursor was when the drag began.
    void Remember(TPoint cursor) { m_cursor = cursor; }
    // No edge sticks any more (the form was sized).
    void Clear() { m_left = m_top = m_right = m_bottom = false; }
    // The top-left for a form of size proposed at at, with the cursor at cursor.
    TPoint Snap(TPoint at, TPoint size, const TRect& area, TPoint cursor, int distance);
    bool Snapped() const { return m_left || m_top || m_right || m_bottom; }

private:
    TPoint m_cursor;
    bool m_left = false, m_top = false, m_right = false, m_bottom = false;
};

} // namespace tessel
