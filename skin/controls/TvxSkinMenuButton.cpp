#include "skin/controls/TvxSkinMenuButton.h"

#include "framework/TCanvas.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/TvxDataSkinMenuButtonControl.h"
#include "skin/data/TvxSkinData.h"
#include "skin/draw/TvxComposition.h"
#include "skin/draw/TvxSymbols.h"
#include "skin/draw/TvxTextHelpers.h"
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
        SetControlState(ControlState() & ~csClicked);
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
    TvxSymbols::DrawDropArrow(c, box, clBtnText);
    c.Font().Assign(DefaultFont());
    c.Brush().SetStyle(bsClear);
    TRect text = body;
    if (pressed)
        text = { text.left + 1, text.top + 1, text.right + 1, text.bottom + 1 };
    c.DrawText(Caption(), text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void TvxSkinMenuButton::CreateSkinImage(TBitmap& image)
{
    // The record's look for the state (normal, hot, down), its caption in the
    // record's font and its menu marker; the morph between looks comes with the
    // skin button.
    auto* record = dynamic_cast<const TvxDataSkinButtonControl*>(Record());
    const TBitmap* picture = m_look.Picture();
    if (!record || !picture || m_look.Mode() == vxcmFixed) {
        TvxSkinCustomControl::CreateSkinImage(image);
        return;
    }
    bool pressed = m_down && (m_hot || m_menu_open);
    TRect look = record->skinrect;
    TColor color = record->fontcolor;
    const TRect* marker = &record->menumarkerrect;
    if (pressed && !record->downskinrect.IsEmpty()) {
        look = record->downskinrect;
        color = record->downfontcolor;
        marker = &record->menumarkerdownrect;
    } else if (m_hot && !record->activeskinrect.IsEmpty()) {
        look = record->activeskinrect;
        color = record->activefontcolor;
        marker = &record->menumarkeractiverect;
    }
    TvxElementGeometry g = m_look.Geometry();
    g.R = look;
    int w = image.Width(), h = image.Height();
    TvxComposition::ComposeByMode(g, image, *picture, w, h);
    TCanvas& c = image.Canvas();
    TRect body { 0, 0, image.Width() - (m_track_button_mode ? kArrowWidth : 0), image.Height() };
    TRect arrow { image.Width() - kArrowWidth, 0, image.Width(), image.Height() };
    if (!marker->IsEmpty()) {
        TBitmap mark(marker->Width(), marker->Height());
        mark.Canvas().CopySurface({ 0, 0, marker->Width(), marker->Height() }, picture->Surface(), *marker);
        mark.SetTransparentMode(tmFixed);
        mark.SetTransparentColor(record->menumarkertransparentcolor);
        mark.SetTransparent(true);
        c.Draw(arrow.left + (arrow.Width() - marker->Width()) / 2,
            arrow.top + (arrow.Height() - marker->Height()) / 2, mark);
        body.right = arrow.left + 2;
    } else {
        TvxSymbols::DrawDropArrow(c, arrow, color);
        body.right = arrow.left + 2;
    }
    if (UseSkinFont()) {
        c.Font().SetName(record->fontname);
        c.Font().SetHeight(record->fontheight);
        c.Font().SetStyle(record->fontstyle);
    } else {
        c.Font().Assign(DefaultFont());
    }
    c.Font().SetColor(Enabled() ? color : record->disabledfontcolor);
    c.Brush().SetStyle(bsClear);
    if (pressed)
        body = body.Offset(1, 1);
    c.DrawText(Caption(), body, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

} // namespace tessel
