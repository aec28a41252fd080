#include "tessel/skin/hint/TvxHintFrame.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/platform/TRegion.h"
#include "tessel/skin/data/TvxDataSkinHintWindow.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/draw/TvxMaskRegion.h"

namespace tessel {

TvxHintFrame TvxHintFrame::Find(const TvxSkinData* data)
{
    TvxHintFrame frame;
    if (!data || data->Empty())
        return frame;
    const TvxDataSkinHintWindow& record = data->HintWindow();
    const TBitmap* picture = data->ActivePicture(record.windowpictureindex);
    if (!picture || picture->Empty())
        return frame;
    frame.m_record = &record;
    frame.m_picture = picture;
    const TBitmap* mask = data->ActivePicture(record.maskpictureindex);
    if (mask && mask->Width() == picture->Width() && mask->Height() == picture->Height())
        frame.m_mask = mask;
    return frame;
}

TvxElementGeometry TvxHintFrame::Element() const
{
    return TvxElementGeometry::FromFrame(*m_record, m_picture->Surface().Bounds(), m_record->clientrect);
}

TPoint TvxHintFrame::Size(TPoint box, bool rich)
{
    if (!m_record) {
        m_size = { box.x + 4, box.y + 4 };
        m_target = {};
        m_target.NewClient = { 2, 2, m_size.x - 2, m_size.y - 2 };
        return m_size;
    }
    const TvxDataSkinHintWindow& r = *m_record;
    const TRect& c = r.clientrect;
    const int pw = m_picture->Width(), ph = m_picture->Height();
    int w = box.x + c.left + pw - c.right + (rich ? 10 : 5);
    int h = box.y + c.top + ph - c.bottom;
    // The frame's middles never turn inside out: the size grows until the right
    // points lie right of the left ones and the bottom ones below the top ones.
    int dx = w - pw, dy = h - ph;
    if (r.righttoppoint.x + dx < r.lefttoppoint.x) {
        w += r.lefttoppoint.x - (r.righttoppoint.x + dx);
        dx = w - pw;
    }
    if (r.rightbottompoint.x + dx < r.leftbottompoint.x) {
        w += r.leftbottompoint.x - (r.rightbottompoint.x + dx);
        dx = w - pw;
    }
    if (r.leftbottompoint.y + dy < r.lefttoppoint.y) {
        h += r.lefttoppoint.y - (r.leftbottompoint.y + dy);
        dy = h - ph;
    }
    if (r.rightbottompoint.y + dy < r.righttoppoint.y) {
        h += r.righttoppoint.y - (r.rightbottompoint.y + dy);
        dy = h - ph;
    }
    m_size = { w, h };
    m_target.NewClient = { c.left, c.top, c.right + dx, c.bottom + dy };
    m_target.NewLT = r.lefttoppoint;
    m_target.NewRT = { r.righttoppoint.x + dx, r.righttoppoint.y };
    m_target.NewLB = { r.leftbottompoint.x, r.leftbottompoint.y + dy };
    m_target.NewRB = { r.rightbottompoint.x + dx, r.rightbottompoint.y + dy };
    return m_size;
}

TRect TvxHintFrame::Client() const
{
    return m_target.NewClient;
}

void TvxHintFrame::Compose(TBitmap& image) const
{
    if (!m_record) {
        image.SetSize(m_size.x, m_size.y);
        TCanvas& c = image.Canvas();
        c.Brush().SetColor(clInfoBk);
        c.FillRect({ 0, 0, m_size.x, m_size.y });
        c.Brush().SetColor(clBtnShadow);
        c.FrameRect({ 0, 0, m_size.x, m_size.y });
        return;
    }
    TvxComposition::ComposeElementImage(Element(), m_target, image, *m_picture, m_size.x, m_size.y, true);
}

std::unique_ptr<TRegion> TvxHintFrame::Region() const
{
    if (!m_mask)
        return nullptr;
    return TvxMaskRegion::ElementRegion(Element(), m_target, m_size.x, m_size.y, *m_mask);
}

TRect TvxHintFrame::Place(TPoint point, int below, TPoint size, const TRect& screen)
{
    TRect r { point.x, point.y + below, point.x + size.x, point.y + below + size.y };
    if (r.right > screen.right)
        r = r.Offset(-(size.x + 2), 0);
    // Above the point itself, not only by the hint's height: a hint hanging below the
    // cursor would otherwise still pass the edge or cover the cursor.
    if (r.bottom > screen.bottom)
        r = r.Offset(0, point.y - size.y - 2 - r.top);
    // A hint larger than the screen starts at its top-left corner.
    if (r.left < screen.left)
        r = r.Offset(screen.left - r.left, 0);
    if (r.top < screen.top)
        r = r.Offset(0, screen.top - r.top);
    return r;
}

} // namespace tessel
