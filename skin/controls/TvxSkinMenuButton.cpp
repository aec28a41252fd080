#include "skin/controls/TvxSkinMenuButton.h"

#include "framework/TCanvas.h"
#include "skin/data/SkinMessages.h"
#include "skin/menus/TvxSkinPopupMenu.h"

namespace tessel {

namespace {

constexpr TColor kHotFill = 0xD2BDB6, kDownFill = 0xB59385;

void Fill(TCanvas& c, const TRect& r, TColor frame, TColor fill)
{
    c.Brush().SetColor(fill);
    c.FillRect(r);
    c.Frame3D(r, frame, frame);
}

// The built-in down arrow: rows of 5, 3 and 1 pixels centred in box.
void DownArrow(TCanvas& c, const TRect& box, TColor color)
{
    int cx = box.left + box.Width() / 2, top = box.top + box.Height() / 2 - 1;
    c.Pen().SetColor(color);
    for (int row = 0; row < 3; ++row) {
        c.MoveTo(cx - 2 + row, top + row);
        c.LineTo(cx + 3 - row, top + row);
    }
}

} // namespace

TvxSkinMenuButton::TvxSkinMenuButton(TComponent* owner)
    : TvxSkinCustomControl(owner)
{
    SetControlStyle(csCaptureMouse | csClickEvents | csSetCaption | csOpaque | csDoubleClicks);
    SetSkinDataName("toolmenubutton");
    SetBounds(0, 0, 75, 25);
}

TvxSkinMenuButton::~TvxSkinMenuButton()
{
    SetSkinPopupMenu(nullptr);
}

void TvxSkinMenuButton::SetSkinPopupMenu(TvxSkinPopupMenu* menu)
{
    SetReference(m_menu, menu);
}

void TvxSkinMenuButton::SetTrackButtonMode(bool track)
{
    if (m_track_button_mode != track) {
        m_track_button_mode = track;
        if (RecordIndex() == -1)
            Invalidate();
    }
}

bool TvxSkinMenuButton::InMenuPart(int x, int y) const
{
    if (!m_menu)
        return false;
    if (!m_track_button_mode)
        return true;
    return x >= Width() - kArrowWidth && x < Width() && y >= 0 && y < Height();
}

void TvxSkinMenuButton::Notification(TComponent* component, TOperation operation)
{
    TvxSkinCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_menu)
        m_menu = nullptr;
}

void TvxSkinMenuButton::Dispatch(TMessage& message)
{
    if (message.Msg == SkinMenuClosedNotice) {
        MenuClosed();
        return;
    }
    TvxSkinCustomControl::Dispatch(message);
}

void TvxSkinMenuButton::DropMenu()
{
    if (!m_menu)
        return;
    if (OnShowTrackMenu)
        OnShowTrackMenu(this);
    TPoint origin = ClientToScreen({ 0, 0 });
    m_menu->PopupUnder(this, { origin.x, origin.y, origin.x + Width(), origin.y + Height() });
}

void TvxSkinMenuButton::MenuClosed()
{
    m_menu_open = false;
    m_down = false;
    m_hot = false;
    if (OnHideTrackMenu)
        OnHideTrackMenu(this);
    Invalidate();
}

void TvxSkinMenuButton::MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && InMenuPart(x, y)) {
        // The menu takes the mouse from here; the press is not a click.
        m_menu_open = true;
        m_down = true;
        Invalidate();
        DropMenu();
        return;
    }
    if (button == mbLeft) {
        m_down = true;
        Invalidate();
    }
    TvxSkinCustomControl::MouseDown(button, shift, x, y);
}

void TvxSkinMenuButton::MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    if (m_menu_open)
        return;
    if (button == mbLeft && m_down) {
        m_down = false;
        Invalidate();
    }
    TvxSkinCustomControl::MouseUp(button, shift, x, y);
}

void TvxSkinMenuButton::MouseEnter()
{
    m_hot = true;
    Invalidate();
    if (!m_menu_open)
        TvxSkinCustomControl::MouseEnter();
}

void TvxSkinMenuButton::MouseLeave()
{
    m_hot = false;
    Invalidate();
    if (!m_menu_open)
        TvxSkinCustomControl::MouseLeave();
}

void TvxSkinMenuButton::CreateDefaultImage(TBitmap& image)
{
    TCanvas& c = image.Canvas();
    TRect all { 0, 0, image.Width(), image.Height() };
    TRect body { 0, 0, image.Width() - kArrowWidth, image.Height() };
    TRect arrow { image.Width() - kArrowWidth, 0, image.Width(), image.Height() };
    bool pressed = m_down && (m_hot || m_menu_open);
    if (m_track_button_mode && m_menu_open) {
        Fill(c, body, clNavy, kHotFill);
        Fill(c, arrow, clNavy, kDownFill);
    } else if (m_track_button_mode && !pressed && m_hot) {
        Fill(c, body, clNavy, kHotFill);
        Fill(c, arrow, clNavy, kHotFill);
    } else if (pressed)
        Fill(c, all, clNavy, kDownFill);
    else if (m_hot)
        Fill(c, all, clNavy, kHotFill);
    else
        Fill(c, all, clBtnShadow, clBtnFace);
    TRect box = arrow;
    if (pressed)
        box = { box.left + 2, box.top + 2, box.right + 2, box.bottom + 2 };
    DownArrow(c, box, clBtnText);
    c.Font().Assign(DefaultFont());
    c.Brush().SetStyle(bsClear);
    TRect text = body;
    if (pressed)
        text = { text.left + 1, text.top + 1, text.right + 1, text.bottom + 1 };
    c.DrawText(Caption(), text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

} // namespace tessel
