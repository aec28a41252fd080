#include "skin/controls/TvxSkinControl.h"

#include "skin/data/TvxSkinData.h"

namespace tessel {

TvxSkinControl::TvxSkinControl(TComponent* owner)
    : TCustomControl(owner)
{ }

TvxSkinControl::~TvxSkinControl()
{
    if (m_skin_data)
        m_skin_data->RemoveFreeNotification(this);
}

void TvxSkinControl::SetSkinData(TvxSkinData* skin_data)
{
    SetReference(m_skin_data, skin_data);
    if (m_skin_data && !m_skin_data->Empty() && !HasState(csDesigning))
        ChangeSkinData();
}

void TvxSkinControl::SetDrawDefault(bool draw_default)
{
    if (m_draw_default != draw_default) {
        m_draw_default = draw_default;
        Invalidate();
    }
}

void TvxSkinControl::RefreshRecord()
{
    m_record_index
        = m_skin_data && !m_skin_data->Empty() ? m_skin_data->GetControlIndex(m_skin_data_name) : -1;
}

void TvxSkinControl::ChangeSkinData()
{
    RefreshRecord();
    Invalidate();
}

void TvxSkinControl::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_skin_data) {
        m_skin_data = nullptr;
        m_record_index = -1;
    }
}

void TvxSkinControl::Paint()
{
    TBitmap image(Width(), Height());
    if (image.Empty())
        return;
    image.Fill(ColorToArgb(Color()));
    // The skinned looks are drawn by the controls that have them; until then every
    // control shows its default look.
    if (m_draw_default)
        CreateDefaultImage(image);
    Canvas().Draw(0, 0, image);
}

} // namespace tessel
