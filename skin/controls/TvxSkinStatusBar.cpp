#include "tessel/skin/controls/TvxSkinStatusBar.h"

#include "tessel/framework/TCanvas.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/data/TvxDataSkinPanelControl.h"
#include "tessel/skin/data/TvxSkinColors.h"
#include "tessel/skin/data/TvxSkinData.h"

namespace tessel {

TvxSkinStatusBar::TvxSkinStatusBar(TComponent* owner)
    : TvxSkinPanel(owner)
{
    m_border_only = false;
    SetSkinDataName("statusbar");
    SetAlign(alBottom);
    SetHeight(21);
    SetBorderStyle(bvNone);
}

void TvxSkinStatusBar::LayoutChanged()
{
    Invalidate();
    Realign();
}

void TvxSkinStatusBar::SetSizeGrip(bool size_grip)
{
    m_size_grip = size_grip;
    LayoutChanged();
}

void TvxSkinStatusBar::ShowGrip(bool visible)
{
    m_grip_visible = visible;
    LayoutChanged();
}

void TvxSkinStatusBar::SetSkinData(TvxSkinData* skin_data)
{
    TvxSkinPanel::SetSkinData(skin_data);
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* child = dynamic_cast<TvxSkinControl*>(Controls(i)))
            child->SetSkinData(skin_data);
}

TRect TvxSkinStatusBar::GripperPiece() const
{
    const TvxDataSkinPanelControl* record = RecordIndex() != -1 ? PanelRecord() : nullptr;
    return record ? record->gripperrect : TRect {};
}

void TvxSkinStatusBar::AdjustClientRect(TRect& rect) const
{
    TvxSkinPanel::AdjustClientRect(rect);
    if (!GripInEffect())
        return;
    TRect g = GripperPiece();
    rect.right -= g.IsEmpty() ? rect.Height() : g.Width();
}

TRect TvxSkinStatusBar::GripRect() const
{
    TRect inner = ClientRect();
    AdjustClientRect(inner);
    TRect g = GripperPiece();
    if (!g.IsEmpty())
        return { inner.right, inner.bottom - g.Height(), inner.right + g.Width(), inner.bottom };
    return { inner.right + 2, inner.top, inner.right + inner.Height(), inner.bottom - 2 };
}

void TvxSkinStatusBar::Dispatch(TMessage& message)
{
    if (message.Msg == WM_NCHITTEST && !HasState(csDesigning) && GripInEffect()) {
        TPoint p = ScreenToClient(PointFromParam(message.LParam));
        message.Result = GripRect().Contains(p) ? HTBOTTOMRIGHT : HTCLIENT;
        return;
    }
    if (message.Msg == WM_NCLBUTTONDOWN && message.WParam == HTBOTTOMRIGHT && GripInEffect()
        && HandleAllocated()) {
        // The grip sizes the window the bar lies in, not the bar.
        auto& wm = TWindowManager::Instance();
        wm.SendMessage(wm.RootOf(Handle()), WM_SYSCOMMAND, SC_SIZE + WMSZ_BOTTOMRIGHT, message.LParam);
        return;
    }
    TvxSkinPanel::Dispatch(message);
}

void TvxSkinStatusBar::DrawGripLines(TCanvas& canvas, const TRect& r, TColor light, TColor dark)
{
    int w = r.Width();
    for (int i = 0, b = 3; i < w / 3 + 1; ++i) {
        if (r.right < r.left + b + 2)
            break;
        canvas.Pen().SetColor(dark);
        canvas.MoveTo(r.left + b, r.bottom);
        canvas.LineTo(r.right, r.top + b);
        canvas.Pen().SetColor(light);
        canvas.MoveTo(r.left + b + 1, r.bottom);
        canvas.LineTo(r.right, r.top + b + 1);
        b += 3;
    }
}

void TvxSkinStatusBar::CreateDefaultImage(TBitmap& image)
{
    TvxSkinPanel::CreateDefaultImage(image);
    if (GripInEffect())
        DrawGripLines(image.Canvas(), GripRect(), clBtnHighlight, clBtnShadow);
}

void TvxSkinStatusBar::CreateSkinImage(TBitmap& image)
{
    TvxSkinPanel::CreateSkinImage(image);
    if (!GripInEffect())
        return;
    TRect grip = GripRect(), piece = GripperPiece();
    const TBitmap* picture = m_look.Picture();
    if (piece.IsEmpty() || !picture) {
        const TvxSkinColors& colors = SkinData()->SkinColors();
        DrawGripLines(image.Canvas(), grip, colors.cbtnhighlight, colors.cbtnshadow);
        return;
    }
    TBitmap gripper(piece.Width(), piece.Height());
    gripper.Canvas().CopySurface({ 0, 0, piece.Width(), piece.Height() }, picture->Surface(), piece);
    const TvxDataSkinPanelControl* record = PanelRecord();
    if (record && record->grippertransparent) {
        gripper.SetTransparentMode(tmFixed);
        gripper.SetTransparentColor(record->grippertransparentcolor);
        gripper.SetTransparent(true);
    }
    image.Canvas().Draw(grip.left, grip.top, gripper);
}

} // namespace tessel
