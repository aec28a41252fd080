#pragma once

#include "tessel/skin/form/objects/TvxActiveSkinObject.h"
#include "tessel/skin/form/objects/TvxFrameObjectEvents.h"

namespace tessel {

class TvxDataSkinSwitch;

// A switch: each left press turns it on or off, and it shows its active image while on.
class TvxSkinSwitchObject : public TvxActiveSkinObject {
public:
    TvxSkinSwitchObject(TvxFrameObjectHost& host, const TvxDataSkinSwitch& record);

    void MouseDown(int x, int y, TMouseButtonKind button) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void ResetMouseState() override { m_mouse_in = false; }

    TSwitchState State() const { return m_state; }

private:
    TSwitchState m_state = swsOff;
};

} // namespace tessel
