#include "tessel/skin/controls/TvxMenuButtonControl.h"

#include "tessel/framework/TCanvas.h"
#include "tessel/skin/controls/TvxBuiltInLook.h"
#include "tessel/skin/data/SkinMessages.h"
#include "tessel/skin/data/TvxDataSkinMenuButtonControl.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/draw/TvxSymbols.h"
#include "tessel/skin/menus/TvxSkinImagesMenu.h"
#include "tessel/skin/menus/TvxSkinPopupMenu.h"

#include <type_traits>

namespace tessel {

namespace {

// The button less its arrow part.
TRect Body(int w, int h, const TRect& arrow)
{
    return arrow.top > 0 ? TRect { 0, 0, w, arrow.top } : TRect { 0, 0, arrow.left, h };
}

} // namespace

template<class TButton>
TvxMenuButtonControl<TButton>::TvxMenuButtonControl(TComponent* owner)
    : TButton(owner)
{
    this->SetSkinDataName("toolmenubutton");
}

template<class TButton> TvxMenuButtonControl<TButton>::~TvxMenuButtonControl()
{
    UnhookImagesMenu();
    SetSkinPopupMenu(nullptr);
    this->SetReference(this->m_images_menu, static_cast<TvxSkinImagesMenu*>(nullptr));
}

template<class TButton> void TvxMenuButtonControl<TButton>::SetSkinPopupMenu(TvxSkinPopupMenu* menu)
{
    this->SetReference(m_menu, menu);
}

template<class TButton> void TvxMenuButtonControl<TButton>::SetSkinImagesMenu(TvxSkinImagesMenu* menu)
{
    UnhookImagesMenu();
    this->SetReference(this->m_images_menu, menu);
    if (this->m_images_menu)
        this->m_images_menu->ChangeListener = [this] { this->Invalidate(); };
    this->Invalidate();
}

template<class TButton> void TvxMenuButtonControl<TButton>::UnhookImagesMenu()
{
    if (!this->m_images_menu)
        return;
    this->m_images_menu->ChangeListener = nullptr;
    this->m_images_menu->CloseListener = nullptr;
}

template<class TButton> void TvxMenuButtonControl<TButton>::SetUseImagesMenuImage(bool value)
{
    this->m_use_images_menu_image = value;
    this->Invalidate();
}

template<class TButton> void TvxMenuButtonControl<TButton>::SetUseImagesMenuCaption(bool value)
{
    this->m_use_images_menu_caption = value;
    this->Invalidate();
}

template<class TButton> void TvxMenuButtonControl<TButton>::SetTrackButtonMode(bool track)
{
    if (m_track_button_mode != track) {
        m_track_button_mode = track;
        this->Invalidate();
    }
}

template<class TButton>
typename TvxMenuButtonControl<TButton>::TLookKind TvxMenuButtonControl<TButton>::LookKind() const
{
    const std::string& name = this->SkinDataName();
    if (name == "toolbutton" || name == "bigtoolbutton")
        return TLookKind::Tool;
    if (name == "resizebutton" || name == "resizetoolbutton")
        return TLookKind::Resize;
    return TLookKind::Button;
}

template<class TButton> TRect TvxMenuButtonControl<TButton>::ArrowPart() const
{
    return { this->Width() - kArrowWidth, 0, this->Width(), this->Height() };
}

template<class TButton> TRect TvxMenuButtonControl<TButton>::TrackPart() const
{
    const TvxDataSkinButtonControl* record = this->ButtonRecord();
    if (!record || LookKind() != TLookKind::Button)
        return ArrowPart();
    auto* menu_record = dynamic_cast<const TvxDataSkinMenuButtonControl*>(record);
    if (!menu_record || menu_record->trackbuttonrect.IsEmpty())
        return {};
    TRect part = menu_record->trackbuttonrect;
    if (this->m_look.Mode() == vxcmHorizontalStrip)
        part = part.Offset(this->Width() - record->skinrect.Width(), 0);
    else if (this->m_look.Mode() == vxcmVerticalStrip)
        part = part.Offset(0, this->Height() - record->skinrect.Height());
    return part;
}

template<class TButton> bool TvxMenuButtonControl<TButton>::InMenuPart(int x, int y) const
{
    if (!m_menu && !this->m_images_menu)
        return false;
    return !m_track_button_mode || TrackPart().Contains({ x, y });
}

template<class TButton>
void TvxMenuButtonControl<TButton>::Notification(TComponent* component, TOperation operation)
{
    bool ours = component == m_menu || component == this->m_images_menu;
    TButton::Notification(component, operation);
    if (operation != TOperation::opRemove || !ours)
        return;
    if (component == m_menu)
        m_menu = nullptr;
    // A menu freed while it is open closes it for the button too.
    if (m_menu_open)
        Release();
}

// Dropping and closing

template<class TButton> void TvxMenuButtonControl<TButton>::Open()
{
    m_menu_open = true;
    if (!this->Down())
        this->SetDown(true);
    DropMenu();
}

template<class TButton> void TvxMenuButtonControl<TButton>::DropMenu()
{
    TPoint origin = this->ClientToScreen({ 0, 0 });
    const TRect anchor { origin.x, origin.y, origin.x + this->Width(), origin.y + this->Height() };
    if (m_menu) {
        if (OnShowTrackMenu)
            OnShowTrackMenu(this);
        // The show handler may have freed the menu.
        if (m_menu)
            m_menu->PopupUnder(this, anchor);
    }
    if (TvxSkinImagesMenu* images = this->m_images_menu) {
        if (OnShowTrackMenu)
            OnShowTrackMenu(this);
        if ((images = this->m_images_menu)) {
            images->CloseListener = [this] { Release(); };
            images->Popup(anchor);
        }
    }
    // Nothing to show after all (both menus gone): the button comes back up.
    if (!m_menu && !this->m_images_menu && m_menu_open)
        Release();
}

template<class TButton> void TvxMenuButtonControl<TButton>::Release()
{
    if (!m_menu_open)
        return;
    m_menu_open = false;
    this->m_state.SetHot(false);
    if (this->m_images_menu)
        this->m_images_menu->CloseListener = nullptr;
    // Coming up starts the morph back to the normal look, or repaints.
    this->SetDown(false);
    if (OnHideTrackMenu)
        OnHideTrackMenu(this);
    this->Invalidate();
}

template<class TButton> void TvxMenuButtonControl<TButton>::Dispatch(TMessage& message)
{
    if (message.Msg == SkinMenuClosedNotice) {
        Release();
        return;
    }
    TButton::Dispatch(message);
}

// Mouse

template<class TButton>
void TvxMenuButtonControl<TButton>::MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && InMenuPart(x, y)) {
        // The menu takes the mouse from here; the press is no click.
        this->SetControlState(this->ControlState() & ~csClicked);
        Open();
        return;
    }
    TButton::MouseDown(button, shift, x, y);
}

template<class TButton>
void TvxMenuButtonControl<TButton>::MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    if (m_menu_open)
        return;
    TButton::MouseUp(button, shift, x, y);
}

template<class TButton> void TvxMenuButtonControl<TButton>::MouseEnter()
{
    if (!m_menu_open) {
        TButton::MouseEnter();
        return;
    }
    this->m_state.SetHot(true);
    this->Invalidate();
}

template<class TButton> void TvxMenuButtonControl<TButton>::MouseLeave()
{
    if (!m_menu_open) {
        TButton::MouseLeave();
        return;
    }
    this->m_state.SetHot(false);
    this->Invalidate();
}

// Looks

template<class TButton> bool TvxMenuButtonControl<TButton>::ShowsDownLook() const
{
    // The whole button stays down while its menu is open, in track mode only the
    // track part.
    return TButton::ShowsDownLook() || (this->Down() && m_menu_open && !m_track_button_mode);
}

template<class TButton>
void TvxMenuButtonControl<TButton>::ComposePart(TBitmap& part, const TRect& look, int width, int height)
{
    TvxElementGeometry g = this->m_look.Geometry();
    if (LookKind() == TLookKind::Tool) {
        part.SetSize(width, height);
        TvxComposition::ComposeClientCornered(part, *this->m_look.Picture(), look, true, g.Client);
    } else {
        g.R = look;
        TvxComposition::ComposeByMode(g, part, *this->m_look.Picture(), width, height);
    }
}

template<class TButton> void TvxMenuButtonControl<TButton>::ComposePartedLook(TBitmap& image)
{
    const TvxDataSkinButtonControl* record = this->ButtonRecord();
    const int w = this->Width(), h = this->Height();
    const TRect normal = record->skinrect;
    const TRect active = record->activeskinrect.IsEmpty() ? normal : record->activeskinrect;
    const TRect down = record->downskinrect.IsEmpty() ? active : record->downskinrect;
    // In track mode the open menu shows on the arrow part alone.
    const bool pressed = this->Down() && this->Hot() && !(m_track_button_mode && m_menu_open);
    TRect body_look = normal, arrow_look = normal;
    if (m_track_button_mode && m_menu_open) {
        body_look = active;
        arrow_look = down;
    } else if (pressed || (m_menu_open && this->Down())) {
        body_look = arrow_look = down;
    } else if (this->Hot()) {
        body_look = arrow_look = active;
    }
    const TRect arrow_part = ArrowPart(), body_part = Body(w, h, arrow_part);
    image.SetSize(w, h);
    TCanvas& c = image.Canvas();
    if (m_track_button_mode) {
        TBitmap body, arrow;
        ComposePart(body, body_look, body_part.Width(), body_part.Height());
        ComposePart(arrow, arrow_look, arrow_part.Width(), arrow_part.Height());
        c.Draw(0, 0, body);
        c.Draw(arrow_part.left, arrow_part.top, arrow);
    } else {
        TBitmap whole;
        ComposePart(whole, body_look, w, h);
        c.Draw(0, 0, whole);
    }

    // The client grows with the button; caption and image keep clear of the arrow.
    const TRect rc = this->m_look.Geometry().Client;
    TRect client { 0, 0, w, h };
    if (!rc.IsEmpty())
        client = { rc.left, rc.top, rc.right + w - normal.Width(), rc.bottom + h - normal.Height() };
    const bool shown_down = pressed || (m_menu_open && this->Down() && !m_track_button_mode);
    const TColor color = this->CaptionColor(this->Hot(), pressed);
    const bool at_bottom = arrow_part.top > 0;
    TRect content = client;
    (at_bottom ? content.bottom : content.right) -= kArrowWidth;
    c.Brush().SetStyle(bsClear);
    this->DrawContent(c, content, this->Hot(), shown_down, color);

    TRect box = at_bottom ? TRect { client.left, arrow_part.top, client.right, h }
                          : TRect { arrow_part.left, client.top, client.right, client.bottom };
    if (pressed || m_menu_open)
        box = { box.left + 2, box.top + 2, box.right + 2, box.bottom + 2 };
    DrawMarker(c, box, m_menu_open ? record->downfontcolor : color, m_menu_open || pressed, false);
}

template<class TButton>
void TvxMenuButtonControl<TButton>::DrawMarker(
    TCanvas& c, const TRect& box, TColor color, bool down, bool flat)
{
    const TvxDataSkinButtonControl* record = this->ButtonRecord();
    if (record->menumarkerrect.IsEmpty()) {
        TvxSymbols::DrawDropArrow(c, box, color);
        return;
    }
    TRect marker = down ? record->menumarkerdownrect
        : this->Hot()   ? record->menumarkeractiverect
        : flat          ? record->menumarkerflatrect
                        : record->menumarkerrect;
    if (marker.IsEmpty())
        marker = record->menumarkerrect;
    TBitmap mark(marker.Width(), marker.Height());
    mark.Canvas().CopySurface(
        { 0, 0, marker.Width(), marker.Height() }, this->m_look.Picture()->Surface(), marker);
    mark.SetTransparentMode(tmFixed);
    mark.SetTransparentColor(record->menumarkertransparentcolor);
    mark.SetTransparent(true);
    c.Draw(
        box.left + (box.Width() - marker.Width()) / 2, box.top + (box.Height() - marker.Height()) / 2, mark);
}

template<class TButton> void TvxMenuButtonControl<TButton>::PaintFlatParted(TBitmap& image)
{
    // Only a speed button has a flat look.
    if constexpr (std::is_base_of_v<TvxSkinSpeedButton, TButton>) {
        const int w = this->Width(), h = this->Height();
        image.SetSize(w, h);
        this->CopyParentImage(image);
        TCanvas& c = image.Canvas();
        const TRect arrow_part = ArrowPart(), body = Body(w, h, arrow_part);
        const TColor color = this->FlatCaptionColor();
        c.Brush().SetStyle(bsClear);
        this->DrawContent(c, body, false, false, color);
        DrawMarker(c, arrow_part, color, false, true);
    } else {
        TButton::CreateSkinImage(image);
    }
}

template<class TButton> void TvxMenuButtonControl<TButton>::CreateSkinImage(TBitmap& image)
{
    const TvxDataSkinButtonControl* record = this->ButtonRecord();
    if (!record || !this->m_look.Picture() || record->skinrect.IsEmpty()) {
        TButton::CreateSkinImage(image);
        return;
    }
    if (LookKind() != TLookKind::Button) {
        if constexpr (std::is_base_of_v<TvxSkinSpeedButton, TButton>)
            if (this->AtRestFlat()) {
                PaintFlatParted(image);
                return;
            }
        ComposePartedLook(image);
        return;
    }
    auto* menu_record = dynamic_cast<const TvxDataSkinMenuButtonControl*>(record);
    const bool track_open = m_track_button_mode && m_menu_open && menu_record
        && !menu_record->trackbuttonrect.IsEmpty() && !record->downskinrect.IsEmpty();
    if (!track_open) {
        TButton::CreateSkinImage(image);
        return;
    }
    // The active look with the track part taken from the down look.
    const TRect active = record->activeskinrect.IsEmpty() ? record->skinrect : record->activeskinrect;
    this->ComposeLook(image, active, true, false);
    const TRect source
        = menu_record->trackbuttonrect.Offset(record->downskinrect.left, record->downskinrect.top);
    image.Canvas().CopySurface(TrackPart(), this->m_look.Picture()->Surface(), source);
}

template<class TButton> void TvxMenuButtonControl<TButton>::CreateDefaultImage(TBitmap& image)
{
    TCanvas& c = image.Canvas();
    const int w = image.Width(), h = image.Height();
    const TRect all { 0, 0, w, h };
    const TRect arrow = ArrowPart(), body = Body(w, h, arrow);
    const bool pressed = this->Down() && this->Hot() && !(m_track_button_mode && m_menu_open);
    const bool lit = this->Hot() || this->FocusedAndCanFocused();
    if (m_track_button_mode) {
        if (m_menu_open) {
            TvxBuiltInLook::Fill(c, body, TvxBuiltInLook::kFrame, TvxBuiltInLook::kHotFill);
            TvxBuiltInLook::Fill(c, arrow, TvxBuiltInLook::kFrame, TvxBuiltInLook::kDownFill);
        } else if (pressed) {
            TvxBuiltInLook::Fill(c, all, TvxBuiltInLook::kFrame, TvxBuiltInLook::kDownFill);
        } else if (lit) {
            TvxBuiltInLook::Fill(c, body, TvxBuiltInLook::kFrame, TvxBuiltInLook::kHotFill);
            TvxBuiltInLook::Fill(c, arrow, TvxBuiltInLook::kFrame, TvxBuiltInLook::kHotFill);
        } else {
            TvxBuiltInLook::Fill(c, all, clBtnShadow, clBtnFace);
        }
    } else if (pressed || (m_menu_open && this->Down())) {
        TvxBuiltInLook::Fill(c, all, TvxBuiltInLook::kFrame, TvxBuiltInLook::kDownFill);
    } else if (lit) {
        TvxBuiltInLook::Fill(c, all, TvxBuiltInLook::kFrame, TvxBuiltInLook::kHotFill);
    } else {
        TvxBuiltInLook::Fill(c, all, clBtnShadow, clBtnFace);
    }
    TRect box = arrow;
    if (pressed || m_menu_open)
        box = { box.left + 2, box.top + 2, box.right + 2, box.bottom + 2 };
    TvxSymbols::DrawDropArrow(c, box, clBtnText);
    c.Brush().SetStyle(bsClear);
    const TColor color = this->Enabled() ? this->DefaultFont().Color() : clBtnShadow;
    const bool shown_down = pressed || (m_menu_open && this->Down() && !m_track_button_mode);
    this->DrawContent(
        c, { body.left + 1, body.top + 1, body.right - 1, body.bottom - 1 }, this->Hot(), shown_down, color);
}

template class TvxMenuButtonControl<TvxSkinButton>;
template class TvxMenuButtonControl<TvxSkinSpeedButton>;

} // namespace tessel
