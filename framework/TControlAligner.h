#pragma once

#include "tessel/framework/ControlTypes.h"
#include "tessel/platform/TRect.h"

#include <vector>

namespace tessel {

class TControl;
class TWinControl;

// Lays a parent's children out: first the aligned ones in the order top, bottom,
// left, right, client (each kind sorted by position, the control that asked going
// first among equals), each taking its strip off the shared rectangle; then the
// unaligned ones by their anchors. A control that does not take the size it is
// given (a fixed height, say) gives the rest back to the rectangle.
class TControlAligner {
public:
    explicit TControlAligner(TWinControl& parent)
        : m_parent(parent)
    { }

    // rect starts as the parent's client rectangle; AdjustClientRect is applied here.
    void Align(TControl* changed, TRect& rect);

private:
    void AlignKind(TAlign kind, TControl* changed, TRect& rect);
    static bool InsertBefore(const TControl& a, const TControl& b, TAlign kind);
    static void Place(TControl& control, TAlign kind, TRect& rect);
    void ApplyAnchors(TControl* changed);

    TWinControl& m_parent;
};

} // namespace tessel
