#include "skin/controls/TvxSkinMenuButton.h"

#include "framework/TCanvas.h"
#include "platform/Messages.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/TvxDataSkinMenuButtonControl.h"
#include "skin/data/TvxSkinData.h"
#include "skin/draw/TvxComposition.h"
#include "skin/draw/TvxSymbols.h"
#include "skin/menus/TvxSkinImagesMenu.h"
#include "skin/menus/TvxSkinPopupMenu.h"

namespace tessel {

namespace {

constexpr TColor kHotFill = 0xD2BDB6, kDownFill = 0xB59385, kFrame = 0x800000;

void Fill(TCanvas& c, const TRect& r, TColor frame, TColor fill)
{
    c.Brush().SetColor(fill);
    c.FillRect(r);
    c.Frame3D(r, frame, frame);
}

} // namespace

TvxSkinMenuButton::TvxSkinMenuButton(TComponent* owner)
    : TvxSkinButton(owner)
{
    SetSkinDataName("toolmenubutton");
    // Space drops the menu here, not through the button's own rule.
    m_space_presses = false;
}

TvxSkinMenuButton::~TvxSkinMenuButton()
{
    UnhookImagesMenu();
    SetSkinPopupMenu(nullptr);
    SetReference(m_images_menu, static_cast<TvxSkinImagesMenu*>(nullptr));
}

void TvxSkinMenuButton::SetSkinPopupMenu(TvxSkinPopupMenu* menu)
{
    SetReference(m_menu, menu);
}

void TvxSkinMenuButton::SetSkinImagesMenu(TvxSkinImagesMenu* menu)
{
    UnhookImagesMenu();
    SetReference(m_images_menu, menu);
    if (m_images_menu)
        m_images_menu->ChangeListener = [this] { Invalidate(); };
    Invalidate();
}

void TvxSkinMenuButton::UnhookImagesMenu()
{
    if (!m_images_menu)
        return;
    m_images_menu->ChangeListener = nullptr;
    m_images_menu->CloseListener = nullptr;
}

void TvxSkinMenuButton::SetUseImagesMenuImage(bool value)
{
    m_use_images_menu_image = value;
    Invalidate();
}

void TvxSkinMenuButton::SetUseImagesMenuCaption(bool value)
{
    m_use_images_menu_caption = value;
    Invalidate();
}

void TvxSkinMenuButton::SetTrackButtonMode(bool track)
{
    if (m_track_button_mode != track) {
        m_track_button_mode = track;
        Invalidate();
    }
}

TvxSkinMenuButton::TLookKind TvxSkinMenuButton::LookKind() const
{
    const std::string& name = SkinDataName();
    if (name == "toolbutton" || name == "bigtoolbutton")
        return TLookKind::Tool;
    if (name == "resizebutton" || name == "resizetoolbutton")
        return TLookKind::Resize;
    return TLookKind::Button;
}

TRect TvxSkinMenuButton::TrackPart() const
{
    const TvxDataSkinButtonControl* record = ButtonRecord();
    if (!record || LookKind() != TLookKind::Button)
        return { Width() - kArrowWidth, 0, Width(), Height() };
    auto* menu_record = dynamic_cast<const TvxDataSkinMenuButtonControl*>(record);
    if (!menu_record || menu_record->trackbuttonrect.IsEmpty())
        return {};
    TRect part = menu_record->trackbuttonrect;
    if (m_look.Mode() == vxcmHorizontalStrip)
        part = part.Offset(Width() - record->skinrect.Width(), 0);
    else if (m_look.Mode() == vxcmVerticalStrip)
        part = part.Offset(0, Height() - record->skinrect.Height());
    return part;
}

bool TvxSkinMenuButton::InMenuPart(int x, int y) const
{
    if (!m_menu && !m_images_menu)
        return false;
    return !m_track_button_mode || TrackPart().Contains({ x, y });
}

void TvxSkinMenuButton::Notification(TComponent* component, TOperation operation)
{
    bool ours = component == m_menu || component == m_images_menu;
    TvxSkinButton::Notification(component, operation);
    if (operation != TOperation::opRemove || !ours)
        return;
    if (component == m_menu)
        m_menu = nullptr;
    // A menu freed while it is open closes it for the button too.
    if (m_menu_open)
        Release();
}

// Dropping and closing

void TvxSkinMenuButton::Open()
{
    m_menu_open = true;
    if (!Down())
        SetDown(true);
    DropMenu();
}

void TvxSkinMenuButton::DropMenu()
{
    TPoint origin = ClientToScreen({ 0, 0 });
    const TRect anchor { origin.x, origin.y, origin.x + Width(), origin.y + Height() };
    if (m_menu) {
        if (OnShowTrackMenu)
            OnShowTrackMenu(this);
        // The show handler may have freed the menu.
        if (m_menu)
            m_menu->PopupUnder(this, anchor);
    }
    if (m_images_menu) {
        if (OnShowTrackMenu)
            OnShowTrackMenu(this);
        if (m_images_menu) {
            m_images_menu->CloseListener = [this] { Release(); };
            m_images_menu->Popup(anchor);
        }
    }
    // Nothing to show after all (both menus gone): the button comes back up.
    if (!m_menu && !m_images_menu && m_menu_open)
        Release();
}

void TvxSkinMenuButton::Release()
{
    if (!m_menu_open)
        return;
    m_menu_open = false;
    m_state.SetHot(false);
    if (m_images_menu)
        m_images_menu->CloseListener = nullptr;
    // Coming up starts the morph back to the normal look, or repaints.
    SetDown(false);
    if (OnHideTrackMenu)
        OnHideTrackMenu(this);
    Invalidate();
}

void TvxSkinMenuButton::Dispatch(TMessage& message)
{
    if (message.Msg == SkinMenuClosedNotice) {
        Release();
        return;
    }
    TvxSkinButton::Dispatch(message);
}

// Mouse and keys

void TvxSkinMenuButton::MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && InMenuPart(x, y)) {
        // The menu takes the mouse from here; the press is no click.
        SetControlState(ControlState() & ~csClicked);
        Open();
        return;
    }
    TvxSkinButton::MouseDown(button, shift, x, y);
}

void TvxSkinMenuButton::MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    if (m_menu_open)
        return;
    TvxSkinButton::MouseUp(button, shift, x, y);
}

void TvxSkinMenuButton::MouseEnter()
{
    if (!m_menu_open) {
        TvxSkinButton::MouseEnter();
        return;
    }
    m_state.SetHot(true);
    Invalidate();
}

void TvxSkinMenuButton::MouseLeave()
{
    if (!m_menu_open) {
        TvxSkinButton::MouseLeave();
        return;
    }
    m_state.SetHot(false);
    Invalidate();
}

void TvxSkinMenuButton::KeyDown(uint16_t& key, TShiftState shift)
{
    if (CanFocused() && m_menu && key == VK_SPACE && !m_track_button_mode) {
        key = 0;
        Open();
        return;
    }
    // Without a popup menu Space presses the button as it presses any button.
    m_space_presses = !m_menu;
    TvxSkinButton::KeyDown(key, shift);
}

void TvxSkinMenuButton::KeyUp(uint16_t& key, TShiftState shift)
{
    if (CanFocused() && m_menu && key == VK_SPACE && !m_menu_open) {
        key = 0;
        SetDown(false);
        ButtonClick();
        return;
    }
    // Enter clicked once already, at its key down.
    m_space_presses = !m_menu;
    TvxSkinButton::KeyUp(key, shift);
}

bool TvxSkinMenuButton::Accelerate()
{
    if (m_track_button_mode || !m_menu)
        return TvxSkinButton::Accelerate();
    if (!CanFocused() || !CanFocus())
        return false;
    SetFocus();
    Open();
    return true;
}

// Looks

bool TvxSkinMenuButton::ShowsDownLook() const
{
    // The whole button stays down while its menu is open, in track mode only the
    // track part.
    return TvxSkinButton::ShowsDownLook() || (Down() && m_menu_open && !m_track_button_mode);
}

void TvxSkinMenuButton::ComposePart(TBitmap& part, const TRect& look, int width, int height)
{
    TvxElementGeometry g = m_look.Geometry();
    if (LookKind() == TLookKind::Tool) {
        part.SetSize(width, height);
        TvxComposition::ComposeClientCornered(part, *m_look.Picture(), look, true, g.Client);
    } else {
        g.R = look;
        TvxComposition::ComposeByMode(g, part, *m_look.Picture(), width, height);
    }
}

void TvxSkinMenuButton::ComposePartedLook(TBitmap& image)
{
    const TvxDataSkinButtonControl* record = ButtonRecord();
    const int w = Width(), h = Height();
    const TRect normal = record->skinrect;
    const TRect active = record->activeskinrect.IsEmpty() ? normal : record->activeskinrect;
    const TRect down = record->downskinrect.IsEmpty() ? active : record->downskinrect;
    // In track mode the open menu shows on the arrow part alone.
    const bool pressed = Down() && Hot() && !(m_track_button_mode && m_menu_open);
    TRect body_look = normal, arrow_look = normal;
    if (m_track_button_mode && m_menu_open) {
        body_look = active;
        arrow_look = down;
    } else if (pressed || (m_menu_open && Down())) {
        body_look = arrow_look = down;
    } else if (Hot()) {
        body_look = arrow_look = active;
    }
    image.SetSize(w, h);
    TCanvas& c = image.Canvas();
    if (m_track_button_mode) {
        TBitmap body, arrow;
        ComposePart(body, body_look, w - kArrowWidth, h);
        ComposePart(arrow, arrow_look, kArrowWidth, h);
        c.Draw(0, 0, body);
        c.Draw(w - kArrowWidth, 0, arrow);
    } else {
        TBitmap whole;
        ComposePart(whole, body_look, w, h);
        c.Draw(0, 0, whole);
    }

    // The client grows with the button; caption and image keep clear of the arrow.
    const TRect rc = m_look.Geometry().Client;
    TRect client { 0, 0, w, h };
    if (!rc.IsEmpty())
        client = { rc.left, rc.top, rc.right + w - normal.Width(), rc.bottom + h - normal.Height() };
    const bool shown_down = pressed || (m_menu_open && Down() && !m_track_button_mode);
    const TColor color = CaptionColor(Hot(), pressed);
    c.Brush().SetStyle(bsClear);
    DrawContent(
        c, { client.left, client.top, client.right - kArrowWidth, client.bottom }, Hot(), shown_down, color);

    TRect box { w - kArrowWidth, client.top, client.right, client.bottom };
    if (pressed || m_menu_open)
        box = { w - 13, box.top + 2, box.right + 2, box.bottom + 2 };
    if (record->menumarkerrect.IsEmpty()) {
        TvxSymbols::DrawDropArrow(c, box, m_menu_open ? record->downfontcolor : color);
        return;
    }
    TRect marker = record->menumarkerrect;
    if (m_menu_open || pressed)
        marker = record->menumarkerdownrect;
    else if (Hot())
        marker = record->menumarkeractiverect;
    if (marker.IsEmpty())
        marker = record->menumarkerrect;
    TBitmap mark(marker.Width(), marker.Height());
    mark.Canvas().CopySurface({ 0, 0, marker.Width(), marker.Height() }, m_look.Picture()->Surface(), marker);
    mark.SetTransparentMode(tmFixed);
    mark.SetTransparentColor(record->menumarkertransparentcolor);
    mark.SetTransparent(true);
    c.Draw(
        box.left + (box.Width() - marker.Width()) / 2, box.top + (box.Height() - marker.Height()) / 2, mark);
}

void TvxSkinMenuButton::CreateSkinImage(TBitmap& image)
{
    const TvxDataSkinButtonControl* record = ButtonRecord();
    if (!record || !m_look.Picture() || record->skinrect.IsEmpty()) {
        TvxSkinButton::CreateSkinImage(image);
        return;
    }
    if (LookKind() != TLookKind::Button) {
        ComposePartedLook(image);
        return;
    }
    auto* menu_record = dynamic_cast<const TvxDataSkinMenuButtonControl*>(record);
    const bool track_open = m_track_button_mode && m_menu_open && menu_record
        && !menu_record->trackbuttonrect.IsEmpty() && !record->downskinrect.IsEmpty();
    if (!track_open) {
        TvxSkinButton::CreateSkinImage(image);
        return;
    }
    // The active look with the track part taken from the down look.
    const TRect active = record->activeskinrect.IsEmpty() ? record->skinrect : record->activeskinrect;
    ComposeLook(image, active, true, false);
    const TRect source
        = menu_record->trackbuttonrect.Offset(record->downskinrect.left, record->downskinrect.top);
    image.Canvas().CopySurface(TrackPart(), m_look.Picture()->Surface(), source);
}

void TvxSkinMenuButton::CreateDefaultImage(TBitmap& image)
{
    TCanvas& c = image.Canvas();
    const int w = image.Width(), h = image.Height();
    const TRect all { 0, 0, w, h };
    const TRect body { 0, 0, w - kArrowWidth, h };
    const TRect arrow { w - kArrowWidth, 0, w, h };
    const bool pressed = Down() && Hot() && !(m_track_button_mode && m_menu_open);
    const bool lit = Hot() || FocusedAndCanFocused();
    if (m_track_button_mode) {
        if (m_menu_open) {
            Fill(c, body, kFrame, kHotFill);
            Fill(c, arrow, kFrame, kDownFill);
        } else if (pressed) {
            Fill(c, all, kFrame, kDownFill);
        } else if (lit) {
            Fill(c, body, kFrame, kHotFill);
            Fill(c, arrow, kFrame, kHotFill);
        } else {
            Fill(c, all, clBtnShadow, clBtnFace);
        }
    } else if (pressed || (m_menu_open && Down())) {
        Fill(c, all, kFrame, kDownFill);
    } else if (lit) {
        Fill(c, all, kFrame, kHotFill);
    } else {
        Fill(c, all, clBtnShadow, clBtnFace);
    }
    TRect box = arrow;
    if (pressed || m_menu_open)
        box = { w - 13, 2, w + 2, h + 2 };
    TvxSymbols::DrawDropArrow(c, box, clBtnText);
    c.Brush().SetStyle(bsClear);
    const TColor color = Enabled() ? DefaultFont().Color() : clBtnShadow;
    const bool shown_down = pressed || (m_menu_open && Down() && !m_track_button_mode);
    DrawContent(c, { 1, 1, body.right - 1, h - 1 }, Hot(), shown_down, color);
}

} // namespace tessel
