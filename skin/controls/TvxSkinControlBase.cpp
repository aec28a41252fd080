#include "tessel/skin/controls/TvxSkinControlBase.h"

#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TImageList.h"
#include "tessel/framework/TWinControl.h"
#include "tessel/platform/TDeviceContext.h"
#include "tessel/skin/controls/TvxCentringHost.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxEffectBmp.h"

namespace tessel {

template<class TBase>
TvxSkinControlBase<TBase>::TvxSkinControlBase(TComponent* owner)
    : TBase(owner)
{ }

template<class TBase> TvxSkinControlBase<TBase>::~TvxSkinControlBase()
{
    if (m_hint_image_list)
        m_hint_image_list->RemoveFreeNotification(this);
}

template<class TBase> void TvxSkinControlBase<TBase>::SetSkinData(TvxSkinData* skin_data)
{
    m_binding.SetSkinData(skin_data);
    if (m_binding.HasSkin() && !this->HasState(csDesigning))
        ChangeSkinData();
}

template<class TBase> void TvxSkinControlBase<TBase>::SetDrawDefault(bool draw_default)
{
    if (m_draw_default != draw_default) {
        m_draw_default = draw_default;
        this->Invalidate();
    }
}

template<class TBase> void TvxSkinControlBase<TBase>::SetAlphaBlend(bool alpha_blend)
{
    if (m_alpha_blend != alpha_blend) {
        m_alpha_blend = alpha_blend;
        this->Invalidate();
    }
}

template<class TBase> void TvxSkinControlBase<TBase>::SetAlphaBlendValue(uint8_t value)
{
    if (m_alpha_blend_value != value) {
        m_alpha_blend_value = value;
        this->Invalidate();
    }
}

template<class TBase> void TvxSkinControlBase<TBase>::ApplySkinCursor()
{
    if (!m_use_skin_cursor)
        return;
    int index = RecordCursorIndex();
    TvxSkinData* data = SkinData();
    this->SetCursor(index == -1 || !data ? 0 : static_cast<TCursor>(data->FirstCursorNumber() + index));
}

template<class TBase> void TvxSkinControlBase<TBase>::ChangeSkinData()
{
    RefreshRecord();
    ApplySkinCursor();
    SizeChanged();
}

template<class TBase> void TvxSkinControlBase<TBase>::SetBounds(int left, int top, int width, int height)
{
    RefreshRecord();
    if ((width != this->Width() || height != this->Height()) && RecordIndex() != -1)
        FitSize(width, height);
    // Skinned controls on a tool bar that adjusts its controls stand centred in it.
    TRect inner;
    if (auto* host = dynamic_cast<const TvxCentringHost*>(this->Parent());
        host && host->CentresChildren(inner))
        top = inner.top + inner.Height() / 2 - height / 2;
    bool sized = width != this->Width() || height != this->Height();
    TBase::SetBounds(left, top, width, height);
    if (sized)
        SizeChanged();
}

template<class TBase>
void TvxSkinControlBase<TBase>::Notification(TComponent* component, TOperation operation)
{
    TBase::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    m_binding.Removed(component);
    if (component == m_hint_image_list)
        m_hint_image_list = nullptr;
}

template<class TBase> void TvxSkinControlBase<TBase>::Paint()
{
    PaintImage();
}

template<class TBase> const TBitmap* TvxSkinControlBase<TBase>::RecordPicture() const
{
    const TvxDataSkinControl* record = Record();
    const TvxSkinData* data = SkinData();
    if (!record || !data || data->Empty())
        return nullptr;
    const TBitmap* picture = data->ActivePicture(record->pictureindex);
    return picture && !picture->Empty() ? picture : nullptr;
}

template<class TBase> void TvxSkinControlBase<TBase>::CopyParentImage(TBitmap& image) const
{
    TWinControl* parent = this->Parent();
    if (!parent || image.Empty())
        return;
    TDeviceContext dc(image.Surface());
    parent->PaintImageUnder(*this, dc);
}

template<class TBase> void TvxSkinControlBase<TBase>::PaintImage()
{
    int w = this->Width(), h = this->Height();
    if (w <= 0 || h <= 0)
        return;
    RefreshRecord();
    // Without a record and without the default look the control draws nothing.
    if (RecordIndex() == -1 && !m_draw_default)
        return;
    TBitmap image(w, h);
    if (RecordIndex() != -1)
        CreateSkinImage(image);
    else
        CreateDefaultImage(image);
    if (m_alpha_blend && !image.Empty()) {
        // The control at AlphaBlendValue / 255 over what lies beneath it.
        TBitmap under(image.Width(), image.Height());
        CopyParentImage(under);
        TvxEffectBmp control(image), background(under);
        control.Blend(background, 1.0 - m_alpha_blend_value / 255.0);
        if (TDeviceContext* dc = this->Canvas().Handle())
            control.Draw(*dc, 0, 0);
        return;
    }
    this->Canvas().Draw(0, 0, image);
}

template class TvxSkinControlBase<TCustomControl>;
template class TvxSkinControlBase<TGraphicControl>;

} // namespace tessel
