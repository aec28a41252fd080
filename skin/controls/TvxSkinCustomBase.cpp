#include "tessel/skin/controls/TvxSkinCustomBase.h"

#include "tessel/framework/TCanvas.h"

namespace tessel {

template<class TSkinBase>
TvxSkinCustomBase<TSkinBase>::TvxSkinCustomBase(TComponent* owner)
    : TSkinBase(owner)
{
    m_default_font.SetName("Arial");
    m_default_font.SetHeight(14);
    m_default_font.SetColor(clWindowText);
}

template<class TSkinBase> void TvxSkinCustomBase<TSkinBase>::SetDefaultFont(const TFont& font)
{
    m_default_font.Assign(font);
    FontChanged();
    if (this->RecordIndex() == -1)
        this->Invalidate();
}

template<class TSkinBase> void TvxSkinCustomBase<TSkinBase>::SetDefaultWidth(int width)
{
    m_default_width = width;
    if (width > 0 && this->RecordIndex() == -1)
        this->SetWidth(width);
}

template<class TSkinBase> void TvxSkinCustomBase<TSkinBase>::SetDefaultHeight(int height)
{
    m_default_height = height;
    if (height > 0 && this->RecordIndex() == -1)
        this->SetHeight(height);
}

template<class TSkinBase> void TvxSkinCustomBase<TSkinBase>::RefreshRecord()
{
    TSkinBase::RefreshRecord();
    m_look.Read(this->SkinData(), this->Record());
}

template<class TSkinBase> void TvxSkinCustomBase<TSkinBase>::ChangeSkinData()
{
    RefreshRecord();
    this->ApplySkinCursor();
    int width = this->Width(), height = this->Height();
    if (this->RecordIndex() == -1) {
        if (m_default_width > 0)
            width = m_default_width;
        if (m_default_height > 0)
            height = m_default_height;
    } else {
        // The control's own rule: a button that keeps its own size keeps it here too.
        FitSize(width, height);
    }
    if (width != this->Width() || height != this->Height())
        this->SetBounds(this->Left(), this->Top(), width, height);
    else
        this->SizeChanged();
}

template<class TSkinBase> void TvxSkinCustomBase<TSkinBase>::CreateDefaultImage(TBitmap& image)
{
    TCanvas& c = image.Canvas();
    c.Brush().SetColor(clBtnFace);
    c.FillRect({ 0, 0, image.Width(), image.Height() });
}

template<class TSkinBase> void TvxSkinCustomBase<TSkinBase>::CreateSkinImage(TBitmap& image)
{
    m_look.Compose(image, image.Width(), image.Height(), m_border_only);
}

template class TvxSkinCustomBase<TvxSkinControl>;
template class TvxSkinCustomBase<TvxGraphicSkinControl>;

} // namespace tessel
