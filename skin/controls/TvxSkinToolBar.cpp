#include "tessel/skin/controls/TvxSkinToolBar.h"

#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TImageList.h"
#include "tessel/platform/TDeviceContext.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/data/TvxDataSkinButtonControl.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxComposition.h"

namespace tessel {

TvxSkinToolBar::TvxSkinToolBar(TComponent* owner)
    : TvxSkinPanel(owner)
{
    m_border_only = false;
    SetSkinDataName("toolpanel");
    SetDefaultHeight(0);
    SetHeight(25);
    SetBorderStyle(bvNone);
}

TvxSkinToolBar::~TvxSkinToolBar()
{
    m_scroller.StopTimer();
}

void TvxSkinToolBar::SetAdjustControls(bool adjust)
{
    if (m_adjust_controls != adjust) {
        m_adjust_controls = adjust;
        Realign();
    }
}

void TvxSkinToolBar::SetShowCaptions(bool show)
{
    if (m_show_captions == show)
        return;
    m_show_captions = show;
    if (m_width_with_captions != 0 && m_width_without_captions != 0)
        SetWidth(show ? m_width_with_captions : m_width_without_captions);
}

void TvxSkinToolBar::SetCanScroll(bool can_scroll)
{
    if (m_can_scroll == can_scroll)
        return;
    m_can_scroll = can_scroll;
    if (!can_scroll)
        m_scroller.StopTimer();
    m_scroller.Update();
    if (!can_scroll && m_scroller.ButtonsShown())
        m_scroller.Update();
}

void TvxSkinToolBar::SetScrollOffset(int offset)
{
    if (offset >= 0)
        m_scroll_offset = offset;
}

void TvxSkinToolBar::SetScrollTimerInterval(int ms)
{
    if (ms > 0)
        m_scroll_timer_interval = ms;
}

const TvxDataSkinButtonControl* TvxSkinToolBar::ScrollButtonRecord() const
{
    if (RecordIndex() == -1 || !SkinData())
        return nullptr;
    int index = SkinData()->GetControlIndex("resizebutton");
    return index == -1 ? nullptr
                       : dynamic_cast<const TvxDataSkinButtonControl*>(SkinData()->ControlList(index));
}

bool TvxSkinToolBar::CentresChildren(TRect& inner) const
{
    if (!m_adjust_controls)
        return false;
    inner = ClientRect();
    AdjustClientRect(inner);
    return true;
}

void TvxSkinToolBar::AdjustClientRect(TRect& rect) const
{
    TvxSkinPanel::AdjustClientRect(rect);
    if (!m_can_scroll || !m_scroller.ButtonsShown())
        return;
    TRect scrolled { 0, 0, ClientWidth(), ClientHeight() };
    m_scroller.AdjustClientRect(scrolled);
    bool flat = BorderStyle() == bvNone && m_look.Mode() == vxcmFull;
    if (RecordIndex() == -1 || HasState(csDesigning)) {
        scrolled.top = 1;
        scrolled.bottom = ClientHeight() - 1;
    } else if (!flat) {
        scrolled.top = rect.top;
        scrolled.bottom = rect.bottom;
    }
    rect = scrolled;
}

void TvxSkinToolBar::SetBounds(int left, int top, int width, int height)
{
    int old_width = Width();
    TvxSkinPanel::SetBounds(left, top, width, height);
    m_scroller.SetGrowth(old_width > 0 && Width() > old_width ? Width() - old_width : 0);
    // Every child centres itself again in the bar's new inner area.
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        child->SetBounds(child->Left(), child->Top(), child->Width(), child->Height());
    }
    if (m_can_scroll && Align() != alNone)
        m_scroller.Update();
}

void TvxSkinToolBar::Notification(TComponent* component, TOperation operation)
{
    TvxSkinPanel::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_images)
        m_images = nullptr;
    if (component == m_hot_images)
        m_hot_images = nullptr;
    if (component == m_disabled_images)
        m_disabled_images = nullptr;
}

void TvxSkinToolBar::PaintScrollButtons()
{
    if (!HandleAllocated() || !m_can_scroll || !m_scroller.ButtonsShown())
        return;
    auto dc = Wm().GetWindowDC(Handle());
    if (!dc)
        return;
    TCanvas canvas;
    canvas.SetHandle(dc.get());
    m_scroller.Paint(canvas);
    canvas.SetHandle(nullptr);
}

void TvxSkinToolBar::CreateSkinImage(TBitmap& image)
{
    const TvxElementGeometry& g = m_look.Geometry();
    if (m_scroller.ButtonsShown() && m_look.Mode() == vxcmHorizontalStrip && m_look.Picture()) {
        TvxComposition::ComposeTiledMiddle(
            g.LT.x, g.W() - g.RT.x, image, g.stretcheffect, image.Width(), g.R, *m_look.Picture());
        return;
    }
    TvxSkinPanel::CreateSkinImage(image);
}

void TvxSkinToolBar::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_NCCALCSIZE:
        TvxSkinPanel::Dispatch(message);
        RefreshRecord();
        if (m_can_scroll)
            if (auto* client = reinterpret_cast<TRect*>(message.LParam))
                m_scroller.AdjustNonClient(*client);
        return;
    case WM_NCHITTEST:
        if (m_can_scroll && !HasState(csDesigning)) {
            TPoint p = ScreenToClient(PointFromParam(message.LParam));
            if (int hit = m_scroller.HitTest(p)) {
                message.Result = hit;
                return;
            }
        }
        break;
    case WM_SETCURSOR:
        if (LoWord(static_cast<WPARAM>(message.LParam)) == TvxToolBarScroller::kLeftHit
            || LoWord(static_cast<WPARAM>(message.LParam)) == TvxToolBarScroller::kRightHit)
            message.LParam = (message.LParam & ~LPARAM(0xFFFF)) | HTCLIENT;
        break;
    case WM_NCPAINT:
        TvxSkinPanel::Dispatch(message);
        PaintScrollButtons();
        return;
    case WM_SIZE:
        TvxSkinPanel::Dispatch(message);
        m_scroller.Sized();
        return;
    case WM_WINDOWPOSCHANGING:
        TvxSkinPanel::Dispatch(message);
        if (HandleAllocated() && m_adjust_controls) {
            // Children that are no skinned controls stand centred too.
            TRect inner;
            CentresChildren(inner);
            for (int i = 0; i < ControlCount(); ++i) {
                TControl* child = Controls(i);
                bool skinned
                    = dynamic_cast<TvxSkinControl*>(child) || dynamic_cast<TvxGraphicSkinControl*>(child);
                if (!skinned && child->Align() == alNone)
                    child->SetBounds(child->Left(), inner.top + inner.Height() / 2 - child->Height() / 2,
                        child->Width(), child->Height());
            }
        }
        if (Align() == alNone)
            m_scroller.Update();
        return;
    case WM_TIMER:
        if (message.WParam == 1) {
            m_scroller.Tick();
            return;
        }
        break;
    case WM_NCMOUSEMOVE:
        if (m_can_scroll)
            m_scroller.MouseOver(static_cast<int>(message.WParam));
        break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (m_can_scroll && m_scroller.HitTest(ScreenToClient(PointFromParam(message.LParam)))) {
            m_scroller.Press(static_cast<int>(message.WParam));
            return;
        }
        break;
    case WM_NCLBUTTONUP:
        if (m_can_scroll) {
            m_scroller.Release();
            return;
        }
        break;
    case WM_MOUSEMOVE:
        if (m_can_scroll && (m_scroller.LeftHot() || m_scroller.RightHot()))
            m_scroller.Leave();
        break;
    case CM_MOUSELEAVE:
        if (m_can_scroll && (m_scroller.LeftHot() || m_scroller.RightHot()))
            m_scroller.Leave();
        break;
    default:
        break;
    }
    TvxSkinPanel::Dispatch(message);
}

} // namespace tessel
