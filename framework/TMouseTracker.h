#pragma once

#include "tessel/framework/TControl.h"

#include <functional>

namespace tessel {

// Which control the mouse is over. Controls report the one under the mouse as
// mouse messages reach them; a change sends CM_MOUSELEAVE to the old control and
// CM_MOUSEENTER to the new one, and tells the listener (the application's hints).
class TMouseTracker {
public:
    static TMouseTracker& Instance();

    TControl* Current() const { return m_current; }
    void Enter(TControl* control);
    // The mouse left control's window (or control went): nothing is under it now.
    void Leave(TControl* control);
    // A control is going away or hiding; forget it without telling it.
    void Forget(TControl* control);

    std::function<void(TControl*)> OnChange;

private:
    TControl* m_current = nullptr;
};

} // namespace tessel
