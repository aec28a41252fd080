#include "skin/controls/TvxSkinCustomControl.h"

#include "framework/TCanvas.h"

namespace tessel {

TvxSkinCustomControl::TvxSkinCustomControl(TComponent* owner)
    : TvxSkinControl(owner)
{
    m_default_font.SetName("Arial");
    m_default_font.SetHeight(14);
    m_default_font.SetColor(clWindowText);
}

void TvxSkinCustomControl::SetDefaultFont(const TFont& font)
{
    m_default_font.Assign(font);
    FontChanged();
}

void TvxSkinCustomControl::ChangeSkinData()
{
    RefreshRecord();
    if (RecordIndex() == -1) {
        if (m_default_width > 0)
            SetWidth(m_default_width);
        if (m_default_height > 0)
            SetHeight(m_default_height);
    }
    Invalidate();
}

void TvxSkinCustomControl::CreateDefaultImage(TBitmap& image)
{
    TCanvas& c = image.Canvas();
    c.Brush().SetColor(clBtnFace);
    c.FillRect({ 0, 0, image.Width(), image.Height() });
}

} // namespace tessel
