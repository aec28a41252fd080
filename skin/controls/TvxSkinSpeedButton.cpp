#include "tessel/skin/controls/TvxSkinSpeedButton.h"

#include "tessel/framework/ShortCuts.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/skin/data/TvxSkinData.h"

namespace tessel {

TvxSkinSpeedButton::TvxSkinSpeedButton(TComponent* owner)
    : TvxButtonControl(owner)
{
    SetControlStyle(csCaptureMouse | csOpaque | csDoubleClicks);
    SetSkinDataName("toolbutton");
    SetBounds(0, 0, 25, 25);
    SetImageIndex(0);
}

void TvxSkinSpeedButton::SetFlat(bool value)
{
    m_flat = value;
    // A flat button shows its parent through it.
    SetControlStyle(value ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
    Invalidate();
}

void TvxSkinSpeedButton::SetShowCaption(bool value)
{
    if (value == m_show_caption)
        return;
    m_show_caption = value;
    if (m_width_with_caption > 0 && m_width_without_caption > 0)
        SetBounds(Left(), Top(), value ? m_width_with_caption : m_width_without_caption, Height());
    Invalidate();
}

bool TvxSkinSpeedButton::HoverAnimates() const
{
    return (GroupIndex() == 0 || !Down()) && Enabled();
}

bool TvxSkinSpeedButton::AtRestFlat() const
{
    const bool down_look = Down() && ((Hot() && GroupIndex() == 0) || GroupIndex() != 0);
    return m_flat && !Hot() && !down_look;
}

void TvxSkinSpeedButton::PaintFlat(TBitmap& image, TColor color)
{
    CopyParentImage(image);
    TCanvas& c = image.Canvas();
    c.Brush().SetStyle(bsClear);
    DrawContent(c, { 0, 0, image.Width(), image.Height() }, false, false, color);
}

void TvxSkinSpeedButton::CreateSkinImage(TBitmap& image)
{
    if (!AtRestFlat()) {
        TvxButtonControl::CreateSkinImage(image);
        return;
    }
    PaintFlat(image, FlatCaptionColor());
}

TColor TvxSkinSpeedButton::FlatCaptionColor() const
{
    const TvxSkinColors& colors = SkinData()->SkinColors();
    return !Enabled() ? colors.cbtnshadow : UseSkinFontColor() ? colors.cbtntext : DefaultFont().Color();
}

void TvxSkinSpeedButton::CreateDefaultImage(TBitmap& image)
{
    if (AtRestFlat())
        PaintFlat(image, Enabled() ? DefaultFont().Color() : clBtnShadow);
    else
        TvxButtonControl::CreateDefaultImage(image);
}

void TvxSkinSpeedButton::Dispatch(TMessage& message)
{
    // The caption's accelerator clicks a button that can be seen.
    if (message.Msg == CM_DIALOGCHAR && Enabled() && Visible() && Parent() && Parent()->Showing()
        && IsAccel(static_cast<char32_t>(message.WParam), Caption())) {
        ButtonClick();
        message.Result = 1;
        return;
    }
    TvxButtonControl::Dispatch(message);
}

} // namespace tessel
