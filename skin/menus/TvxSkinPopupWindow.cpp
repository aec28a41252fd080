#include "tessel/skin/menus/TvxSkinPopupWindow.h"

#include "tessel/framework/ShortCuts.h"
#include "tessel/framework/TApplication.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TImageList.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/framework/TTimer.h"
#include "tessel/platform/TRegion.h"
#include "tessel/platform/TTextLayout.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/data/TvxDataSkinMenuItem.h"
#include "tessel/skin/data/TvxDataSkinPopupWindow.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/draw/TvxEffectBmp.h"
#include "tessel/skin/draw/TvxPlatform.h"
#include "tessel/skin/draw/TvxSymbols.h"
#include "tessel/skin/menus/TvxMenuItemPainter.h"
#include "tessel/skin/menus/TvxSkinMenu.h"

#include <algorithm>

namespace tessel {

namespace {

constexpr int kMarker = 10;
// A caption measured for the width is cut here: no window grows wider than a screen.
constexpr int kWidestCaption = 4096;

} // namespace

TvxSkinPopupWindow::TvxSkinPopupWindow(TvxSkinMenu& engine, const TvxPopupContent& content)
    : m_engine(engine)
    , m_frame(content.frame)
    , m_images(content.images)
{
    m_effect_timer = TTimer::Stopped(20, [this] { OnEffectTimer(); });
    m_poll_timer = TTimer::Stopped(50, [this] { OnPollTimer(); });
    m_scroll_timer = TTimer::Stopped(100, [this] { OnScrollTimer(); });
    m_show_timer = TTimer::Stopped(100, [this] {
        m_show_timer->SetEnabled(false);
        Appear();
    });
    Build(content);
}

TvxSkinPopupWindow::~TvxSkinPopupWindow() = default;

void TvxSkinPopupWindow::Build(const TvxPopupContent& content)
{
    const TvxDataSkinMenuItem* rec = m_frame.ItemRecord();
    if (m_frame.Skinned() && rec && content.use_skin_font) {
        m_font.SetName(rec->fontname);
        m_font.SetHeight(rec->fontheight);
        m_font.SetStyle(rec->fontstyle);
        if (content.default_font)
            m_font.SetCharset(content.default_font->Charset());
    } else if (content.default_font) {
        m_font.Assign(*content.default_font);
    }
    m_image_column = m_images ? m_images->Width() + 5 : 16;
    for (TMenuItem* item : content.items)
        m_items.push_back(std::make_unique<TvxSkinMenuItem>(*this, *item));

    // The width: the widest caption (with its shortcut) and the frame around it.
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(m_font);
    int widest = 0;
    for (const auto& item : m_items) {
        std::string text = item->MenuItem().Caption();
        if (item->MenuItem().ShortCut() != scNone)
            text += "  " + ShortCutToText(item->MenuItem().ShortCut());
        TRect r { 0, 0, 0, 0 };
        canvas.DrawText(text, r, DT_CALCRECT | DT_SINGLELINE);
        widest = std::max(widest, std::min(r.Width(), kWidestCaption) + 2);
    }
    // Beside the caption: the image column and the arrow's room, as the items draw
    // them (the built-in look has wider ones), and the frame.
    int w = widest;
    if (!m_frame.Skinned())
        w += (m_images ? m_image_column + 3 : 19) + 1 + 19 + m_frame.ExtraWidth();
    else
        w += m_image_column + 16 + (rec ? rec->skinrect.Width() - rec->textrect.Width() : 0)
            + m_frame.ExtraWidth();

    // The height: every item, or a window of so many items that scrolls.
    auto item_height = [&](const TvxSkinMenuItem& item) {
        if (rec)
            return std::max(item.Separator() ? rec->dividerrect.Height() : rec->skinrect.Height(), 1);
        return item.Separator() ? 4 : std::max(content.default_item_height, 1);
    };
    int frame = m_frame.ExtraHeight();
    int h = 0;
    int count = ItemCount();
    if (content.max_items_in_window > 0 && content.max_items_in_window < count) {
        int one = rec ? std::max(rec->skinrect.Height(), 1) : std::max(content.default_item_height, 1);
        h = one * content.max_items_in_window + frame + 2 * kMarker;
        m_scrollable = m_limited = true;
    } else {
        h = frame;
        for (const auto& item : m_items)
            h += item_height(*item);
    }
    if (content.work_area.Height() > 0 && h > content.work_area.Height()) {
        h = content.work_area.Height();
        m_scrollable = true;
    }
    m_size = { std::min(w, std::max(content.work_area.Width(), 1) * 4), h };
    // Heights are fixed per item; the rectangles follow the scroll position.
    for (auto& item : m_items)
        item->SetItemRect({ 0, 0, 0, item_height(*item) });
    Layout();
    m_region = m_frame.Region(m_size.x, m_size.y);
}

void TvxSkinPopupWindow::Layout()
{
    TRect items = ItemsRect();
    int y = items.top + (m_scrollable ? kMarker : 0);
    int bottom = items.bottom - (m_scrollable ? kMarker : 0);
    m_visible_count = 0;
    for (int i = 0; i < ItemCount(); ++i) {
        TvxSkinMenuItem& item = Item(i);
        int h = item.ItemRect().Height();
        if (i < m_first_visible) {
            item.SetInView(false);
            continue;
        }
        item.SetItemRect({ items.left, y, items.right, y + h });
        bool in_view = y + h <= bottom;
        item.SetInView(in_view);
        if (in_view)
            ++m_visible_count;
        y += h;
    }
}

int TvxSkinPopupWindow::LastStart() const
{
    int y = ItemsRect().bottom - kMarker;
    int fits = 0;
    for (int i = ItemCount() - 1; i >= 0; --i) {
        y -= Item(i).ItemRect().Height();
        if (y < ItemsRect().top + kMarker)
            break;
        ++fits;
    }
    return std::max(ItemCount() - std::max(fits, 1), 0);
}

void TvxSkinPopupWindow::Scroll(int direction, bool wrap)
{
    int first = m_first_visible;
    if (direction < 0)
        first = first > 0 ? first - 1 : (wrap ? LastStart() : first);
    else
        first = first < LastStart() ? first + 1 : (wrap ? 0 : first);
    if (first == m_first_visible)
        return;
    m_first_visible = first;
    Layout();
    Redraw();
}

int TvxSkinPopupWindow::IndexOf(const TvxSkinMenuItem* item) const
{
    for (int i = 0; i < ItemCount(); ++i)
        if (&Item(i) == item)
            return i;
    return -1;
}

TvxSkinMenuItem* TvxSkinPopupWindow::SelectedItem() const
{
    return m_selected >= 0 && m_selected < ItemCount() ? &Item(m_selected) : nullptr;
}

void TvxSkinPopupWindow::ShowAt(TPoint screen)
{
    SetBoundsRect({ screen.x, screen.y, screen.x + m_size.x, screen.y + m_size.y });
    if (m_region)
        Wm().SetWindowRgn(Handle(), std::make_unique<TRegion>(*m_region));
    bool layered = TvxPlatform::LayeredAlpha();
    if (m_engine.AlphaBlend() && !layered) {
        // Without layered windows the screen under the window is mixed in: taken once
        // the windows the menu replaces are gone.
        m_show_timer->SetEnabled(true);
        return;
    }
    Appear();
}

void TvxSkinPopupWindow::Appear()
{
    if (m_closed)
        return;
    bool layered = TvxPlatform::LayeredAlpha();
    bool translucent = m_engine.AlphaBlend();
    if (translucent && !layered) {
        m_under.SetSize(m_size.x + 1, m_size.y + 1);
        TvxPlatform::ScreenToBitmap(Left(), Top(), m_under);
    }
    bool fade = translucent && layered && m_engine.AlphaBlendAnimation() && m_engine.FreshPopup();
    if (fade)
        Application().ProcessMessages();
    if (translucent && layered)
        TvxPlatform::SetWindowAlpha(Handle(), fade ? 0 : m_engine.AlphaBlendValue());
    InitVisible(true);
    TRect r = BoundsRect();
    Wm().SetWindowPos(Handle(), HWND_TOPMOST, r, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    if (fade)
        TvxPlatform::FadeIn(Handle(), 10, 10, m_engine.AlphaBlendValue(), 5); // +10 every 5 ms
    m_poll_timer->SetEnabled(true);
    m_selected = -1;
    for (int i = 0; i < ItemCount(); ++i)
        if (Item(i).Selectable()) {
            Item(i).SetPreselected(true);
            Select(i, true);
            break;
        }
}

void TvxSkinPopupWindow::Close()
{
    m_closed = true;
    m_effect_timer->SetEnabled(false);
    m_poll_timer->SetEnabled(false);
    m_scroll_timer->SetEnabled(false);
    m_show_timer->SetEnabled(false);
    if (HandleAllocated())
        Wm().ShowWindow(Handle(), SW_HIDE);
}

void TvxSkinPopupWindow::Redraw()
{
    if (HandleAllocated() && !m_closed)
        Invalidate();
}

TRect TvxSkinPopupWindow::UpMarker() const
{
    if (!m_frame.Skinned())
        return { 3, 3, m_size.x - 3, 13 };
    TRect items = ItemsRect();
    return { items.left, items.top, items.right, items.top + kMarker };
}

TRect TvxSkinPopupWindow::DownMarker() const
{
    if (!m_frame.Skinned())
        return { 3, m_size.y - 10, m_size.x - 3, m_size.y - 3 };
    TRect items = ItemsRect();
    return { items.left, items.bottom - kMarker, items.right, items.bottom };
}

void TvxSkinPopupWindow::FillItemBackground(TCanvas& canvas, const TRect& rect)
{
    const TvxDataSkinMenuItem* rec = m_frame.ItemRecord();
    if (rect.IsEmpty())
        return;
    if (rec && m_frame.ItemPicture()) {
        TBitmap piece = m_frame.ItemImage(rec->skinrect, rec->inactivestretcheffect, rect.Width());
        canvas.CopySurface(rect, piece.Surface(), piece.Surface().Bounds());
        return;
    }
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clWindow);
    canvas.FillRect(rect);
}

void TvxSkinPopupWindow::PaintMarkers(TCanvas& canvas)
{
    const TvxDataSkinPopupWindow* rec = m_frame.Record();
    TColor normal = rec ? rec->scrollmarkercolor : clBtnShadow;
    TColor active = rec ? rec->scrollmarkeractivecolor : clBtnText;
    // The gap under the last item in view.
    int bottom = ItemsRect().top + kMarker;
    for (const auto& item : m_items)
        if (item->InView())
            bottom = std::max(bottom, item->ItemRect().bottom);
    TRect down = DownMarker();
    FillItemBackground(canvas, { down.left, bottom, down.right, down.top });
    FillItemBackground(canvas, UpMarker());
    FillItemBackground(canvas, down);
    TvxSymbols::DrawArrow(canvas, UpMarker(), m_marker == mkUp ? active : normal, vxaUp);
    TvxSymbols::DrawArrow(canvas, down, m_marker == mkDown ? active : normal, vxaDown);
}

void TvxSkinPopupWindow::Paint()
{
    if (m_size.x <= 0 || m_size.y <= 0)
        return;
    TBitmap image;
    Compose(image);
    Canvas().Draw(0, 0, image);
}

void TvxSkinPopupWindow::Compose(TBitmap& image)
{
    m_frame.Compose(image, m_size.x, m_size.y);
    const TvxDataSkinMenuItem* rec = m_frame.ItemRecord();
    if (rec && rec->inactivetransparent)
        m_frame_background = image;
    TvxMenuPaintContext context;
    context.frame = &m_frame;
    context.font = &m_font;
    context.images = m_images;
    context.image_column = m_image_column;
    context.frame_background = m_frame_background.Empty() ? nullptr : &m_frame_background;
    for (const auto& item : m_items)
        if (item->InView())
            TvxMenuItemPainter::Draw(image.Canvas(), *item, context);
    if (m_scrollable)
        PaintMarkers(image.Canvas());
    if (!m_under.Empty()) {
        // Emulated translucency: the screen under the window shows through.
        TBitmap under(m_size.x, m_size.y);
        under.Canvas().CopySurface(under.Surface().Bounds(), m_under.Surface(), under.Surface().Bounds());
        TvxEffectBmp mixed(image);
        mixed.Blend(TvxEffectBmp(under), 1.0 - m_engine.AlphaBlendValue() / 255.0);
        image = mixed.ToBitmap();
    }
}

} // namespace tessel
