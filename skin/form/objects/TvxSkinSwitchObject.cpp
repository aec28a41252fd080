#include "tessel/skin/form/objects/TvxSkinSwitchObject.h"

#include "tessel/skin/data/TvxDataSkinSwitch.h"
#include "tessel/skin/form/objects/TvxFrameObjectHost.h"

namespace tessel {

TvxSkinSwitchObject::TvxSkinSwitchObject(TvxFrameObjectHost& host, const TvxDataSkinSwitch& record)
    : TvxActiveSkinObject(host, record)
{ }

void TvxSkinSwitchObject::MouseDown(int x, int y, TMouseButtonKind button)
{
    if (button == mbLeft) {
        m_state = m_state == swsOff ? swsOn : swsOff;
        m_active = m_state == swsOn;
        Redraw();
        if (m_host.Events().OnSwitchChangeStateEvent)
            m_host.Events().OnSwitchChangeStateEvent(m_id_name, m_state);
    }
    TvxActiveSkinObject::MouseDown(x, y, button);
}

void TvxSkinSwitchObject::MouseEnter()
{
    m_mouse_in = true;
    RaiseMouseEnter();
}

void TvxSkinSwitchObject::MouseLeave()
{
    m_mouse_in = false;
    RaiseMouseLeave();
}

} // namespace tessel
