#pragma once

#include "tessel/skin/form/objects/TvxSkinFrameObject.h"

namespace tessel {

class TvxDataSkinFrameRegulatorObject;

// A knob or slider drawn as the frame of its value: dragging it round (or along)
// moves the value a step for each step of angle (or pixels) the pointer travels.
class TvxSkinFrameRegulatorObject : public TvxSkinFrameObject {
public:
    TvxSkinFrameRegulatorObject(TvxFrameObjectHost& host, const TvxDataSkinFrameRegulatorObject& record);

    void MouseDown(int x, int y, TMouseButtonKind button) override;
    void MouseMove(int x, int y) override;
    void MouseUp(int x, int y, TMouseButtonKind button) override;

    // The angle of a window point about the object's centre, in whole degrees: 0
    // straight below, 90 to the left, 180 above, 270 to the right.
    int Angle(int x, int y) const;

private:
    int Measure(int x, int y) const;

    TvxRegulatorKind m_kind = rkround;
    bool m_pressing = false;
    int m_anchor = 0, m_previous = 0;
};

} // namespace tessel
