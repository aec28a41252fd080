#include "tessel/skin/controls/TvxToolBarScroller.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/controls/TvxSkinToolBar.h"
#include "tessel/skin/data/TvxDataSkinButtonControl.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/draw/TvxSymbols.h"

#include <algorithm>

namespace tessel {

namespace {

constexpr uintptr_t kScrollTimer = 1;

} // namespace

void TvxToolBarScroller::ShowButtons(bool shown)
{
    m_left.shown = m_right.shown = shown;
    if (!shown)
        m_left.hot = m_right.hot = m_left.pressed = m_right.pressed = false;
    // The client area changes: the window system asks WM_NCCALCSIZE again.
    if (m_bar.HandleAllocated())
        Wm().SetWindowPos(
            m_bar.Handle(), {}, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Sized();
}

void TvxToolBarScroller::MoveChildren(int dx)
{
    if (dx == 0)
        return;
    for (int i = 0; i < m_bar.ControlCount(); ++i) {
        TControl* child = m_bar.Controls(i);
        child->SetBounds(child->Left() + dx, child->Top(), child->Width(), child->Height());
    }
}

void TvxToolBarScroller::Update()
{
    int r = 0;
    bool any = false;
    for (int i = 0; i < m_bar.ControlCount(); ++i)
        if (TControl* child = m_bar.Controls(i); child->Visible()) {
            r = std::max(r, child->Left() + child->Width());
            any = true;
        }
    if (!any || r == 0) {
        if (m_right.shown)
            ShowButtons(false);
        return;
    }
    int p = m_position, c = m_bar.ClientWidth();
    if (c < r + p) {
        if (!m_right.shown) {
            ShowButtons(true);
            c = m_bar.ClientWidth();
        }
        int old_extent = m_extent;
        m_extent = p + r - 1;
        m_client_width = c;
        if (p > 0 && r < c && m_growth > 0) {
            // The bar grew: what was scrolled away comes back.
            int growth = std::min(m_growth, p);
            p -= growth;
            MoveChildren(growth);
        } else if (m_growth == 0 && m_extent < old_extent && p > 0 && r < c) {
            // The content shrank: the last child ends at the right client edge.
            MoveChildren(c - r);
            p += r - c;
        }
        m_growth = 0;
        m_position = m_applied = p;
    } else {
        MoveChildren(p);
        m_position = m_applied = m_extent = m_client_width = m_growth = 0;
        if (m_right.shown)
            ShowButtons(false);
    }
}

bool TvxToolBarScroller::Step(TDirection direction)
{
    if (direction == kNone)
        return false;
    int step = m_bar.ScrollOffset() > 0 ? m_bar.ScrollOffset() : m_bar.ClientWidth();
    int p = direction == kToEnd ? std::min(m_position + step, m_extent - m_client_width + 1)
                                : std::max(m_position - step, 0);
    p = std::max(p, 0);
    if (p == m_applied) {
        StopTimer();
        return false;
    }
    MoveChildren(m_applied - p);
    m_position = m_applied = p;
    m_bar.Invalidate();
    return true;
}

void TvxToolBarScroller::AdjustNonClient(TRect& client) const
{
    if (m_left.shown)
        client.left += kButtonWidth;
    if (m_right.shown)
        client.right -= kButtonWidth;
    client.right = std::max(client.right, client.left);
}

void TvxToolBarScroller::AdjustClientRect(TRect& rect) const
{
    if (!m_right.shown)
        return;
    int width = std::max(m_extent, m_bar.ClientWidth());
    rect.left = -m_position;
    rect.right = -m_position + width;
}

int TvxToolBarScroller::HitTest(TPoint client) const
{
    if (client.x < 0 && m_left.shown)
        return kLeftHit;
    if (client.x >= m_bar.ClientWidth() && m_right.shown)
        return kRightHit;
    return HTNOWHERE;
}

void TvxToolBarScroller::MouseOver(int hit)
{
    TButton& button = hit == kLeftHit ? m_left : m_right;
    TButton& other = hit == kLeftHit ? m_right : m_left;
    if (button.hot || (hit != kLeftHit && hit != kRightHit))
        return;
    button.hot = true;
    other.hot = false;
    m_bar.PaintScrollButtons();
    if (m_bar.HotScroll())
        StartTimer(hit == kLeftHit ? kToStart : kToEnd);
}

void TvxToolBarScroller::Press(int hit)
{
    if (hit != kLeftHit && hit != kRightHit)
        return;
    (hit == kLeftHit ? m_left : m_right).pressed = true;
    m_bar.PaintScrollButtons();
    StartTimer(hit == kLeftHit ? kToStart : kToEnd);
}

void TvxToolBarScroller::Release()
{
    TDirection direction = m_left.pressed ? kToStart : m_right.pressed ? kToEnd : kNone;
    m_left.pressed = m_right.pressed = false;
    m_bar.PaintScrollButtons();
    StopTimer();
    Step(direction);
}

void TvxToolBarScroller::Leave()
{
    if (m_left.hot && m_left.shown)
        m_left.hot = false;
    else
        m_right.hot = false;
    if (m_direction != kNone)
        StopTimer();
    m_bar.PaintScrollButtons();
}

void TvxToolBarScroller::StartTimer(TDirection direction)
{
    StopTimer();
    m_direction = direction;
    if (m_bar.HandleAllocated())
        Wm().SetTimer(m_bar.Handle(), kScrollTimer, static_cast<uint32_t>(m_bar.ScrollTimerInterval()));
}

void TvxToolBarScroller::StopTimer()
{
    if (m_bar.HandleAllocated())
        Wm().KillTimer(m_bar.Handle(), kScrollTimer);
    m_direction = kNone;
}

void TvxToolBarScroller::Sized()
{
    m_bar.PaintScrollButtons();
}

TRect TvxToolBarScroller::ButtonRect(bool left) const
{
    int w = m_bar.Width(), h = m_bar.Height();
    return left ? TRect { 0, 0, kButtonWidth, h } : TRect { w - kButtonWidth, 0, w, h };
}

void TvxToolBarScroller::Paint(TCanvas& canvas)
{
    if (!m_bar.CanScroll())
        return;
    if (m_left.shown)
        PaintButton(canvas, m_left, true);
    if (m_right.shown)
        PaintButton(canvas, m_right, false);
}

void TvxToolBarScroller::PaintButton(TCanvas& canvas, const TButton& button, bool left)
{
    // The rectangle follows the bar's size now: the bar may have been sized by a
    // skin before its window had a size message.
    TRect rect = ButtonRect(left);
    int w = rect.Width(), h = rect.Height();
    if (w <= 0 || h <= 0)
        return;
    TBitmap image(w, h);
    TCanvas& c = image.Canvas();
    bool down = (button.pressed && button.hot) || (button.hot && m_bar.HotScroll());
    TColor arrow = clBtnText;
    const TvxDataSkinButtonControl* record = m_bar.ScrollButtonRecord();
    const TBitmap* picture
        = record && m_bar.SkinData() ? m_bar.SkinData()->ActivePicture(record->pictureindex) : nullptr;
    if (record && picture && !picture->Empty()) {
        TRect look = record->skinrect;
        arrow = record->fontcolor;
        if (down && !record->downskinrect.IsEmpty()) {
            look = record->downskinrect;
            arrow = record->downfontcolor;
        } else if (button.hot && !record->activeskinrect.IsEmpty()) {
            look = record->activeskinrect;
            arrow = record->activefontcolor;
        }
        // The record's geometry, moved to the look's rectangle and sized to the button.
        TvxElementGeometry g = TvxElementGeometry::FromRecord(*record);
        g.R = look;
        int aw = w, ah = h;
        TvxTargetGeometry t = ComputeTargetGeometry(vxcmFull, g, aw, ah);
        TvxComposition::ComposeElementImage(g, t, image, *picture, w, h, true);
    } else {
        TColor frame = clBtnShadow, fill = clBtnFace;
        if (down) {
            frame = 0x800000;
            fill = 0xB59385;
        } else if (button.hot) {
            frame = 0x800000;
            fill = 0xD2BDB6;
        }
        c.Brush().SetColor(fill);
        c.FillRect({ 0, 0, w, h });
        c.Brush().SetColor(frame);
        c.FrameRect({ 0, 0, w, h });
    }
    TvxSymbols::DrawArrow(c, { 0, 0, w, h }, arrow, left ? vxaLeft : vxaRight);
    canvas.Draw(rect.left, rect.top, image);
}

} // namespace tessel
