#include "skin/controls/TvxSkinPanel.h"

#include "framework/TCanvas.h"

namespace tessel {

TvxSkinPanel::TvxSkinPanel(TComponent* owner)
    : TvxSkinCustomControl(owner)
{
    SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque
        | csDoubleClicks | csReplicatable);
    SetSkinDataName("panel");
    SetBounds(0, 0, 150, 150);
}

void TvxSkinPanel::LayoutChanged()
{
    Invalidate();
    Realign();
}

void TvxSkinPanel::SetBorderStyle(TvxSkinBorderStyle style)
{
    if (m_border_style != style) {
        m_border_style = style;
        if (RecordIndex() == -1)
            LayoutChanged();
    }
}

void TvxSkinPanel::SetDefaultCaptionHeight(int height)
{
    if (m_default_caption_height != height) {
        m_default_caption_height = height;
        LayoutChanged();
    }
}

void TvxSkinPanel::SetCaptionMode(bool caption_mode)
{
    if (m_caption_mode != caption_mode) {
        m_caption_mode = caption_mode;
        LayoutChanged();
    }
}

void TvxSkinPanel::SetSpacing(int spacing)
{
    if (m_spacing != spacing) {
        m_spacing = spacing;
        Invalidate();
    }
}

void TvxSkinPanel::SetImagePosition(TvxImagePosition position)
{
    if (m_image_position != position) {
        m_image_position = position;
        Invalidate();
    }
}

void TvxSkinPanel::AdjustClientRect(TRect& rect) const
{
    if (m_border_style != bvNone)
        rect = { rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1 };
    if (m_caption_mode)
        rect.top += m_default_caption_height;
}

void TvxSkinPanel::CreateDefaultImage(TBitmap& image)
{
    TvxSkinCustomControl::CreateDefaultImage(image);
    TCanvas& c = image.Canvas();
    TRect all { 0, 0, image.Width(), image.Height() };
    switch (m_border_style) {
    case bvFrame:
        c.Frame3D(all, clBtnShadow, clBtnShadow);
        break;
    case bvRaised:
        c.Frame3D(all, clBtnHighlight, clBtnShadow);
        break;
    case bvLowered:
        c.Frame3D(all, clBtnShadow, clBtnHighlight);
        break;
    case bvNone:
        break;
    }
    if (m_caption_mode) {
        TRect bar { 1, 1, image.Width() - 1, m_default_caption_height };
        c.Frame3D(bar, clBtnHighlight, clBtnShadow);
        c.Font().Assign(DefaultFont());
        c.Brush().SetStyle(bsClear);
        TRect text { bar.left + 2, bar.top, bar.right - 2, bar.bottom };
        c.DrawText(Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    }
}

} // namespace tessel
