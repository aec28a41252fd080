#include "tessel/skin/menus/TvxPopupFrame.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/platform/TRegion.h"
#include "tessel/skin/data/TvxDataSkinMenuItem.h"
#include "tessel/skin/data/TvxDataSkinPopupWindow.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/draw/TvxMaskRegion.h"

namespace tessel {

TvxPopupFrame TvxPopupFrame::Find(const TvxSkinData* data)
{
    TvxPopupFrame frame;
    if (!data || data->Empty())
        return frame;
    frame.m_data = data;
    const TvxDataSkinPopupWindow& record = data->PopupWindow();
    const TBitmap* picture = data->ActivePicture(record.windowpictureindex);
    if (picture && !picture->Empty()) {
        frame.m_record = &record;
        frame.m_picture = picture;
        const TBitmap* mask = data->ActivePicture(record.maskpictureindex);
        // A mask of another size than the picture cannot stand for it.
        if (mask && mask->Width() == picture->Width() && mask->Height() == picture->Height())
            frame.m_mask = mask;
    }
    int i = data->GetIndex("menuitem");
    if (i >= 0)
        if (auto* item = dynamic_cast<const TvxDataSkinMenuItem*>(data->ObjectList(i))) {
            frame.m_item_record = item;
            frame.m_item_picture = data->ActivePicture(item->activepictureindex);
        }
    return frame;
}

TBitmap TvxPopupFrame::ItemImage(const TRect& source, bool stretch, int width) const
{
    TBitmap image;
    if (m_item_record && m_item_picture)
        TvxComposition::ComposeHorizontalStrip(m_item_record->itemleftoffset, m_item_record->itemrightoffset,
            image, stretch, width, source, *m_item_picture);
    return image;
}

int TvxPopupFrame::ExtraWidth() const
{
    return m_record ? m_picture->Width() - m_record->itemsrect.Width() : 10;
}

int TvxPopupFrame::ExtraHeight() const
{
    return m_record ? m_picture->Height() - m_record->itemsrect.Height() : 6;
}

TvxElementGeometry TvxPopupFrame::Element() const
{
    return TvxElementGeometry::FromFrame(*m_record, m_picture->Surface().Bounds(), m_record->itemsrect);
}

TvxTargetGeometry TvxPopupFrame::Target(int w, int h) const
{
    TvxTargetGeometry t;
    if (!m_record) {
        t.NewClient = ItemsRect(w, h);
        return t;
    }
    const TvxDataSkinPopupWindow& r = *m_record;
    int dx = w - m_picture->Width(), dy = h - m_picture->Height();
    t.NewLT = r.lefttoppoint;
    t.NewRT = { dx + r.righttoppoint.x, r.righttoppoint.y };
    t.NewLB = { r.leftbottompoint.x, dy + r.leftbottompoint.y };
    t.NewRB = { dx + r.rightbottompoint.x, dy + r.rightbottompoint.y };
    t.NewClient = ItemsRect(w, h);
    return t;
}

TRect TvxPopupFrame::ItemsRect(int w, int h) const
{
    if (!m_record)
        return { 3, 3, w - 3, h - 3 };
    TRect r = m_record->itemsrect;
    r.right += w - m_picture->Width();
    r.bottom += h - m_picture->Height();
    return r;
}

void TvxPopupFrame::Compose(TBitmap& image, int w, int h) const
{
    if (!m_record) {
        // The built-in frame: a shadow-coloured line with a window-coloured one inside.
        image.SetSize(w, h);
        TCanvas& c = image.Canvas();
        c.Brush().SetColor(clWindow);
        c.FillRect({ 0, 0, w, h });
        c.Brush().SetColor(clBtnShadow);
        c.FrameRect({ 0, 0, w, h });
        return;
    }
    TvxComposition::ComposeElementImage(Element(), Target(w, h), image, *m_picture, w, h, true);
}

std::unique_ptr<TRegion> TvxPopupFrame::Region(int w, int h) const
{
    if (!m_mask)
        return nullptr;
    return TvxMaskRegion::ElementRegion(Element(), Target(w, h), w, h, *m_mask);
}

} // namespace tessel
