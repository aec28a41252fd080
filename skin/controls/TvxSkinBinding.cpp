#include "tessel/skin/controls/TvxSkinBinding.h"

#include "tessel/skin/data/TvxDataSkinControl.h"
#include "tessel/skin/data/TvxSkinData.h"

namespace tessel {

TvxSkinBinding::~TvxSkinBinding()
{
    if (m_skin_data)
        m_skin_data->RemoveFreeNotification(&m_owner);
}

bool TvxSkinBinding::SetSkinData(TvxSkinData* skin_data)
{
    if (m_skin_data == skin_data)
        return false;
    m_owner.SetReference(m_skin_data, skin_data);
    m_index = -1;
    return true;
}

bool TvxSkinBinding::HasSkin() const
{
    return m_skin_data && !m_skin_data->Empty();
}

int TvxSkinBinding::Refresh()
{
    m_index = HasSkin() ? m_skin_data->GetControlIndex(m_name) : -1;
    return m_index;
}

TvxDataSkinControl* TvxSkinBinding::Record() const
{
    if (m_index < 0 || !HasSkin() || m_index >= m_skin_data->ControlCount())
        return nullptr;
    return m_skin_data->ControlList(m_index);
}

void TvxSkinBinding::Removed(const TComponent* component)
{
    if (component == m_skin_data) {
        m_skin_data = nullptr;
        m_index = -1;
    }
}

} // namespace tessel
