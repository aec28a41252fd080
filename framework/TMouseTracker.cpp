#include "tessel/framework/TMouseTracker.h"

#include "tessel/framework/ControlTypes.h"
#include "tessel/framework/TControl.h"

namespace tessel {

TMouseTracker& TMouseTracker::Instance()
{
    static TMouseTracker tracker;
    return tracker;
}

void TMouseTracker::Enter(TControl* control)
{
    if (control == m_current)
        return;
    TControl* old = m_current;
    m_current = control;
    if (old)
        old->Perform(CM_MOUSELEAVE);
    // The leave handler may have moved on already.
    if (m_current == control && control)
        control->Perform(CM_MOUSEENTER);
    if (OnChange)
        OnChange(m_current);
}

void TMouseTracker::Leave(TControl* control)
{
    if (control == m_current)
        Enter(nullptr);
}

void TMouseTracker::Forget(TControl* control)
{
    if (control == m_current) {
        m_current = nullptr;
        if (OnChange)
            OnChange(nullptr);
    }
}

} // namespace tessel
