#include "tessel/framework/TMenuWindow.h"

#include "tessel/framework/ShortCuts.h"
#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TImageList.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/framework/TMenuTracker.h"
#include "tessel/platform/TTextLayout.h"
#include "tessel/platform/TWindowManager.h"

#include <algorithm>

namespace tessel {

namespace {

constexpr int kSeparatorHeight = 7;
constexpr int kArrowColumn = 18;
constexpr int kTextGap = 24;

} // namespace

TMenuWindow::TMenuWindow(TMenuItem& parent, TImageList* images)
    : m_parent_item(parent)
    , m_images(images)
{
    InitVisible(false);
    SetColor(clMenu);
    Font().SetColor(clMenuText);
    SetControlStyle(ControlStyle() & ~csCaptureMouse);
    for (int i = 0; i < parent.Count(); ++i)
        if (parent.Items(i)->Visible())
            m_items.push_back(parent.Items(i));
    Layout();
}

void TMenuWindow::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.SetFloatingPopup();
}

void TMenuWindow::Dispatch(TMessage& message)
{
    if (message.Msg == WM_CAPTURECHANGED && static_cast<HWND>(message.LParam) != Handle())
        TMenuTracker::Instance().CaptureLost(Handle());
    TCustomControl::Dispatch(message);
}

void TMenuWindow::Layout()
{
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    int text_height = canvas.TextHeight("Wg");
    int item_height = std::max(text_height + 8, (m_images ? m_images->Height() : 0) + 6);
    m_image_column = std::max(22, (m_images ? m_images->Width() : 0) + 8);
    int caption_width = 0, shortcut_width = 0;
    for (TMenuItem* item : m_items) {
        if (item->IsLine())
            continue;
        TRect r { 0, 0, 0, 0 };
        canvas.DrawText(item->Caption(), r, DT_CALCRECT | DT_SINGLELINE);
        caption_width = std::max(caption_width, r.Width());
        if (item->ShortCut() != scNone)
            shortcut_width = std::max(shortcut_width, canvas.TextWidth(ShortCutToText(item->ShortCut())));
    }
    m_shortcut_column = m_image_column + caption_width + kTextGap;
    int width = m_shortcut_column + shortcut_width + kArrowColumn;
    int y = kBorder;
    m_rects.clear();
    for (TMenuItem* item : m_items) {
        int h = item->IsLine() ? kSeparatorHeight : item_height;
        m_rects.push_back({ kBorder, y, kBorder + width, y + h });
        y += h;
    }
    m_size = { width + 2 * kBorder, y + kBorder };
}

int TMenuWindow::IndexOf(const TMenuItem* item) const
{
    auto it = std::find(m_items.begin(), m_items.end(), item);
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

int TMenuWindow::ItemAt(TPoint p) const
{
    for (size_t i = 0; i < m_rects.size(); ++i) {
        const TRect& r = m_rects[i];
        if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom)
            return static_cast<int>(i);
    }
    return -1;
}

void TMenuWindow::SetSelected(int index)
{
    if (index == m_selected)
        return;
    int old = m_selected;
    m_selected = index;
    if (HandleAllocated()) {
        if (old >= 0)
            InvalidateRect(ItemRect(old));
        if (index >= 0)
            InvalidateRect(ItemRect(index));
    }
}

void TMenuWindow::ShowAt(TPoint screen)
{
    TRect r { screen.x, screen.y, screen.x + m_size.x, screen.y + m_size.y };
    SetBoundsRect(r);
    InitVisible(true);
    TWindowManager::Instance().SetWindowPos(Handle(), HWND_TOPMOST, r, SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void TMenuWindow::Paint()
{
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    c.Brush().SetColor(clMenu);
    c.FillRect(r);
    // A raised frame: light outside top-left, dark outside bottom-right.
    c.Frame3D(r, cl3DLight, cl3DDkShadow);
    c.Frame3D({ r.left + 1, r.top + 1, r.right - 1, r.bottom - 1 }, clBtnHighlight, clBtnShadow);
    for (int i = 0; i < ItemCount(); ++i)
        PaintItem(i);
}

void TMenuWindow::PaintItem(int index)
{
    TCanvas& c = Canvas();
    TMenuItem* item = m_items[static_cast<size_t>(index)];
    TRect r = m_rects[static_cast<size_t>(index)];
    if (item->IsLine()) {
        int y = r.top + r.Height() / 2 - 1;
        c.Pen().SetColor(clBtnShadow);
        c.MoveTo(r.left + 1, y);
        c.LineTo(r.right - 1, y);
        c.Pen().SetColor(clBtnHighlight);
        c.MoveTo(r.left + 1, y + 1);
        c.LineTo(r.right - 1, y + 1);
        return;
    }
    bool selected = index == m_selected;
    TColor text = !item->Enabled() ? clGrayText : selected ? clHighlightText : clMenuText;
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(selected ? clHighlight : clMenu);
    c.FillRect(r);
    int mid = r.top + r.Height() / 2;
    // Image, or the check mark or radio dot in the image column.
    if (m_images && item->ImageIndex() >= 0 && item->ImageIndex() < m_images->Count()) {
        m_images->Draw(c, r.left + (m_image_column - m_images->Width()) / 2, mid - m_images->Height() / 2,
            item->ImageIndex(), item->Enabled());
    } else if (item->HasBitmap()) {
        const TBitmap& b = item->Bitmap();
        c.Draw(r.left + (m_image_column - b.Width()) / 2, mid - b.Height() / 2, b);
    } else if (item->Checked()) {
        c.Pen().SetColor(text);
        int cx = r.left + m_image_column / 2;
        if (item->RadioItem()) {
            c.Brush().SetColor(text);
            c.FillRect({ cx - 2, mid - 3, cx + 3, mid + 4 });
            c.FillRect({ cx - 3, mid - 2, cx + 4, mid + 3 });
        } else {
            for (int dy = 0; dy < 3; ++dy) {
                c.MoveTo(cx - 3, mid - 1 + dy);
                c.LineTo(cx - 1, mid + 1 + dy);
                c.LineTo(cx + 4, mid - 4 + dy);
            }
        }
    }
    c.Font().Assign(Font());
    c.Font().SetColor(text);
    if (item->Default())
        c.Font().SetStyle(fsBold);
    c.Brush().SetStyle(bsClear);
    TRect caption { r.left + m_image_column, r.top, r.right, r.bottom };
    c.DrawText(item->Caption(), caption, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (item->ShortCut() != scNone) {
        TRect shortcut { r.left + m_shortcut_column, r.top, r.right, r.bottom };
        c.DrawText(
            ShortCutToText(item->ShortCut()), shortcut, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    }
    if (item->Count() > 0) {
        // A small arrow pointing right.
        c.Pen().SetColor(text);
        int x = r.right - kArrowColumn / 2 - 2;
        for (int i = 0; i < 4; ++i) {
            c.MoveTo(x + i, mid - 3 + i);
            c.LineTo(x + i, mid + 4 - i);
        }
    }
    c.Brush().SetStyle(bsSolid);
}

} // namespace tessel
