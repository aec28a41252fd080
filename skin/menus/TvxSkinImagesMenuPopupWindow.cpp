#include "tessel/skin/menus/TvxSkinImagesMenuPopupWindow.h"

#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TImageList.h"
#include "tessel/platform/TRegion.h"
#include "tessel/platform/TTextLayout.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/data/TvxDataSkinLabelControl.h"
#include "tessel/skin/data/TvxDataSkinMenuItem.h"
#include "tessel/skin/data/TvxDataSkinPopupWindow.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/draw/TvxPlatform.h"
#include "tessel/skin/menus/TvxCursorHint.h"
#include "tessel/skin/menus/TvxImagesMenuLayout.h"
#include "tessel/skin/menus/TvxSkinImagesMenu.h"
#include "tessel/skin/menus/TvxSkinMenu.h"

#include <algorithm>

namespace tessel {

namespace {

constexpr TColor kHotFill = 0xD2BDB6, kDownFill = 0xB59385;

const TvxDataSkinLabelControl* LabelRecord(const TvxSkinData* data)
{
    if (!data || data->Empty())
        return nullptr;
    int i = data->GetControlIndex("label");
    return i >= 0 ? dynamic_cast<const TvxDataSkinLabelControl*>(data->ControlList(i)) : nullptr;
}

} // namespace

TvxSkinImagesMenuPopupWindow::TvxSkinImagesMenuPopupWindow(TvxSkinImagesMenu& menu)
    : m_menu(menu)
    , m_frame(TvxPopupFrame::Find(menu.SkinData()))
{
    TImageList* images = menu.Images();
    m_image_size = images ? TPoint { images->Width(), images->Height() } : TPoint { 16, 16 };
    TPoint origin { 5, 5 };
    if (m_frame.Skinned())
        origin = { m_frame.Record()->itemsrect.left, m_frame.Record()->itemsrect.top };
    // A header is as high as the skin's label, or as a cell when the label has no height.
    const TvxDataSkinLabelControl* label = LabelRecord(menu.SkinData());
    int header = label && label->skinrect.Height() > 0 ? label->skinrect.Height() : m_image_size.y + 10;
    TRect area
        = TvxImagesMenuLayout::Arrange(menu.ImagesItems(), origin, m_image_size, menu.ColumnsCount(), header);
    int first_top = menu.ImagesItems().empty() ? origin.y : menu.ImagesItems().front().CellRect.top;
    TPoint items { area.Width(), std::max(area.bottom - first_top, 0) };
    if (m_frame.Skinned())
        m_size = { items.x + m_frame.ExtraWidth(), items.y + m_frame.ExtraHeight() };
    else
        m_size = { items.x + 10, items.y + 10 };
}

TvxSkinImagesMenuPopupWindow::~TvxSkinImagesMenuPopupWindow()
{
    Finish();
}

void TvxSkinImagesMenuPopupWindow::ShowAt(const TRect& anchor)
{
    TRect wa = TvxPlatform::WorkArea(0, TvxWorkArea::kWorkArea);
    int x = anchor.left, y = anchor.bottom;
    if (y + m_size.y > wa.bottom)
        y = anchor.top - m_size.y;
    if (x + m_size.x > wa.right)
        x = wa.right - m_size.x;
    x = std::max(x, wa.left);
    y = std::max(y, wa.top);
    SetBoundsRect({ x, y, x + m_size.x, y + m_size.y });
    HWND h = Handle();
    if (auto region = m_frame.Region(m_size.x, m_size.y))
        Wm().SetWindowRgn(h, std::move(region));
    bool layered = m_menu.AlphaBlend() && TvxPlatform::LayeredAlpha();
    bool fade = layered && m_menu.AlphaBlendAnimation();
    if (fade)
        Application().ProcessMessages();
    if (layered)
        TvxPlatform::SetWindowAlpha(h, fade ? 0 : m_menu.AlphaBlendValue());
    InitVisible(true);
    Wm().SetWindowPos(h, HWND_TOPMOST, BoundsRect(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
    if (fade)
        TvxPlatform::FadeIn(h, 10, 10, m_menu.AlphaBlendValue(), 5);
    m_hook = Application().AddMessageHook([this](MSG& msg, bool& handled) { handled = HandleMessage(msg); });
    Wm().Input().SetCapture(h);
}

void TvxSkinImagesMenuPopupWindow::Finish()
{
    if (m_finished)
        return;
    m_finished = true;
    if (m_hook)
        Application().RemoveMessageHook(m_hook);
    m_hook = 0;
    if (HandleAllocated()) {
        if (Wm().Input().GetCapture() == Handle())
            Wm().Input().ReleaseCapture();
        Wm().ShowWindow(Handle(), SW_HIDE);
    }
}

int TvxSkinImagesMenuPopupWindow::ItemAt(TPoint p) const
{
    const auto& items = m_menu.ImagesItems();
    for (size_t i = 0; i < items.size(); ++i)
        if (!items[i].Header && items[i].CellRect.Contains(p))
            return static_cast<int>(i);
    return -1;
}

void TvxSkinImagesMenuPopupWindow::SetHot(int index, bool show_hint)
{
    if (index == m_hot)
        return;
    m_hot = index;
    Invalidate();
    TvxCursorHint* hint = m_menu.SkinHint();
    if (!hint || !m_menu.ShowHints())
        return;
    hint->HideHint();
    if (show_hint && index >= 0) {
        const std::string& text = m_menu.ImagesItems()[static_cast<size_t>(index)].Hint;
        if (!text.empty())
            hint->ShowCursorHint(text);
    }
}

bool TvxSkinImagesMenuPopupWindow::HandleMessage(MSG& msg)
{
    if (m_finished)
        return false;
    switch (msg.message) {
    case WM_KEYDOWN:
        Key(static_cast<uint16_t>(msg.wParam));
        return true;
    case WM_KEYUP:
    case WM_CHAR:
        return true;
    default:
        break;
    }
    // What closes a form's menus closes this one too, anywhere in the program, and so
    // do system keys; its own left presses are its window's.
    bool closes = (TvxSkinMenu::ClosesMenus(msg.message) && msg.message != WM_LBUTTONDOWN)
        || msg.message == WM_SYSKEYDOWN || msg.message == WM_SYSCHAR;
    bool own = msg.hwnd == Handle() && msg.message != WM_RBUTTONDOWN && msg.message != WM_MBUTTONDOWN;
    if (closes && !own)
        m_menu.Close(false);
    return false;
}

void TvxSkinImagesMenuPopupWindow::Key(uint16_t key)
{
    switch (key) {
    case VK_RETURN:
    case VK_SPACE:
        if (m_hot >= 0)
            m_menu.SetItemIndex(m_hot);
        m_menu.Close(true);
        return;
    case VK_ESCAPE:
        m_menu.Close(false);
        return;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        SetHot(TvxImagesMenuLayout::Move(m_menu.ImagesItems(), m_hot, key), false);
        return;
    default:
        return;
    }
}

void TvxSkinImagesMenuPopupWindow::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_MOUSEMOVE: {
        TPoint p = PointFromParam(message.LParam);
        bool inside = p.x >= 0 && p.y >= 0 && p.x < m_size.x && p.y < m_size.y;
        SetHot(inside ? ItemAt(p) : -1, true);
        return;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        TPoint cursor = Wm().Input().CursorPos();
        if (Wm().WindowFromPoint(cursor) != Handle()) {
            m_menu.Close(false);
            return;
        }
        if (TvxCursorHint* hint = m_menu.SkinHint())
            hint->HideHint();
        m_pressed = true;
        Invalidate();
        return;
    }
    case WM_LBUTTONUP: {
        int over = ItemAt(PointFromParam(message.LParam));
        if (m_pressed && over >= 0) {
            m_menu.SetItemIndex(over);
            m_menu.Close(true);
            return;
        }
        m_pressed = false;
        Invalidate();
        if (!m_finished)
            Wm().Input().SetCapture(Handle());
        return;
    }
    default:
        TvxFloatingPopup::Dispatch(message);
    }
}

void TvxSkinImagesMenuPopupWindow::PaintCell(TCanvas& c, int index)
{
    const TvxImagesMenuItem& item = m_menu.ImagesItems()[static_cast<size_t>(index)];
    const TRect& r = item.CellRect;
    const TvxSkinData* data = m_menu.SkinData();
    TImageList* images = m_menu.Images();
    if (item.Header) {
        const TvxDataSkinLabelControl* label = LabelRecord(data);
        const TBitmap* picture = label ? data->ActivePicture(label->pictureindex) : nullptr;
        if (label && picture && !label->skinrect.IsEmpty()) {
            TBitmap strip;
            TvxComposition::ComposeHorizontalStrip(label->lefttoppoint.x,
                label->skinrect.Width() - label->righttoppoint.x, strip, label->stretcheffect, r.Width(),
                label->skinrect, *picture);
            c.Draw(r.left, r.top, strip);
        }
        if (label && m_menu.UseSkinFont()) {
            c.Font().SetName(label->fontname);
            c.Font().SetHeight(label->fontheight);
            c.Font().SetStyle(label->fontstyle);
            c.Font().SetColor(label->fontcolor);
        } else {
            c.Font().Assign(m_menu.DefaultFont());
        }
        TRect t { r.left + 5, r.top, r.right - 5, r.bottom };
        c.Brush().SetStyle(bsClear);
        c.DrawText(item.Caption, t, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        return;
    }
    bool selected = m_menu.ShowSelectedItem() && index == m_menu.ItemIndex() && !m_pressed;
    bool hot = index == m_hot;
    if (selected || hot) {
        bool down = selected || (hot && m_pressed);
        const TvxDataSkinMenuItem* rec = m_frame.ItemRecord();
        const TBitmap* art = m_frame.ItemPicture();
        if (rec && art && !rec->activeskinrect.IsEmpty()) {
            TBitmap look = m_frame.ItemImage(rec->activeskinrect, rec->stretcheffect, r.Width());
            c.CopySurface(r, look.Surface(), look.Surface().Bounds());
        } else {
            c.Brush().SetStyle(bsSolid);
            c.Brush().SetColor(clNavy);
            c.FillRect(r);
            c.Brush().SetColor(down ? kDownFill : kHotFill);
            c.FillRect({ r.left + 1, r.top + 1, r.right - 1, r.bottom - 1 });
        }
    }
    if (images && item.ImageIndex >= 0 && item.ImageIndex < images->Count())
        images->Draw(c, r.left + 5, r.top + 5, item.ImageIndex);
    if (item.Button) {
        c.Font().Assign(m_menu.DefaultFont());
        c.Brush().SetStyle(bsClear);
        TRect t { r.left + 5 + m_image_size.x + 5, r.top, r.right - 5, r.bottom };
        c.DrawText(item.Caption, t, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
}

void TvxSkinImagesMenuPopupWindow::Paint()
{
    if (m_size.x <= 0 || m_size.y <= 0)
        return;
    TBitmap image;
    m_frame.Compose(image, m_size.x, m_size.y);
    for (int i = 0; i < static_cast<int>(m_menu.ImagesItems().size()); ++i)
        PaintCell(image.Canvas(), i);
    Canvas().Draw(0, 0, image);
}

} // namespace tessel
