#include "skin/controls/TvxSkinButton.h"

#include "framework/ShortCuts.h"
#include "framework/TCanvas.h"
#include "framework/TCustomForm.h"
#include "framework/TImageList.h"
#include "framework/TTimer.h"
#include "platform/Messages.h"
#include "skin/data/TvxDataSkinButtonControl.h"
#include "skin/data/TvxSkinData.h"
#include "skin/draw/TvxComposition.h"
#include "skin/draw/TvxEffectBmp.h"
#include "skin/menus/TvxSkinImagesMenu.h"

#include <algorithm>

namespace tessel {

namespace {

constexpr TColor kHotFill = 0xD2BDB6, kDownFill = 0xB59385, kFrame = 0x800000;

TRect OrIfEmpty(const TRect& r, const TRect& fallback)
{
    return r.IsEmpty() ? fallback : r;
}

} // namespace

TvxSkinButton::TvxSkinButton(TComponent* owner)
    : TvxSkinCustomControl(owner)
    , m_state(*this)
{
    SetControlStyle(csCaptureMouse | csClickEvents | csSetCaption | csOpaque | csDoubleClicks);
    SetSkinDataName("button");
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

TvxSkinButton::~TvxSkinButton()
{
    StopAnimation();
    m_state.StopMorph();
    m_state.StopRepeat();
}

const TvxDataSkinButtonControl* TvxSkinButton::ButtonRecord() const
{
    return dynamic_cast<const TvxDataSkinButtonControl*>(Record());
}

bool TvxSkinButton::SkinEffectsOn() const
{
    const TvxSkinData* data = SkinData();
    return data && !data->Empty() && data->EnableSkinEffects();
}

bool TvxSkinButton::MorphingInEffect() const
{
    const TvxDataSkinButtonControl* record = ButtonRecord();
    return record && record->morphing && SkinEffectsOn();
}

bool TvxSkinButton::MorphTowardsActive() const
{
    return Hot() || FocusedAndCanFocused();
}

void TvxSkinButton::Notification(TComponent* component, TOperation operation)
{
    TvxSkinCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_image_list)
        m_image_list = nullptr;
    if (operation == TOperation::opRemove && component == m_images_menu)
        m_images_menu = nullptr;
}

void TvxSkinButton::SetImageList(TImageList* list)
{
    SetReference(m_image_list, list);
    Invalidate();
}

void TvxSkinButton::SetImageIndex(int index)
{
    if (index != m_image_index) {
        m_image_index = index;
        Invalidate();
    }
}

void TvxSkinButton::SetUseSkinSize(bool value)
{
    m_use_skin_size = value;
    RefreshRecord();
    if (value && RecordIndex() != -1) {
        // Back to the record's size.
        int w = Width(), h = Height();
        FitSize(w, h);
        SetBounds(Left(), Top(), w, h);
    }
    UpdateRegion();
    Invalidate();
}

void TvxSkinButton::SetUseSkinFontColor(bool value)
{
    m_use_skin_font_color = value;
    Invalidate();
}

void TvxSkinButton::SetCanFocused(bool value)
{
    m_can_focused = value;
    SetTabStop(value);
}

void TvxSkinButton::SetGroupIndex(int index)
{
    m_state.SetGroupIndex(index);
    if (index != 0)
        SetCanFocused(false);
}

void TvxSkinButton::SetGlyph(const TBitmap& glyph)
{
    m_glyph = glyph;
    Invalidate();
}

void TvxSkinButton::SetNumGlyphs(int count)
{
    m_num_glyphs = std::clamp(count, 1, 4);
    Invalidate();
}

void TvxSkinButton::SetMargin(int margin)
{
    if (margin >= -1 && margin != m_margin) {
        m_margin = margin;
        Invalidate();
    }
}

void TvxSkinButton::SetSpacing(int spacing)
{
    if (spacing != m_spacing) {
        m_spacing = spacing;
        Invalidate();
    }
}

void TvxSkinButton::SetLayout(TvxButtonLayout layout)
{
    if (layout != m_layout) {
        m_layout = layout;
        Invalidate();
    }
}

void TvxSkinButton::SetDefault(bool value)
{
    m_default = value;
    m_default_active = value;
    if (TCustomForm* form = GetParentForm(); form && m_can_focused)
        FocusChanged(form->ActiveControl());
}

void TvxSkinButton::ButtonClick()
{
    if (TCustomForm* form = GetParentForm(); form && m_can_focused)
        form->SetModalResult(m_modal_result);
    if (OnClick)
        OnClick(this);
}

bool TvxSkinButton::Accelerate()
{
    if (!m_can_focused || !CanFocus())
        return false;
    SetFocus();
    ButtonClick();
    return true;
}

void TvxSkinButton::ReleaseGroup()
{
    if (!Parent())
        return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* other = dynamic_cast<TvxSkinButton*>(Parent()->Controls(i));
            other && other != this && other->GroupIndex() == GroupIndex() && other->Down())
            other->SetDown(false);
}

int TvxSkinButton::GlyphCell(bool active, bool down) const
{
    if (active && down && m_num_glyphs > 2)
        return 3;
    if (active && m_num_glyphs > 3)
        return 4;
    if (Enabled() || m_num_glyphs < 2)
        return 1;
    return 2;
}

// Looks

void TvxSkinButton::FitSize(int& width, int& height)
{
    if (m_use_skin_size || m_look.Mode() == vxcmFull)
        TvxSkinCustomControl::FitSize(width, height);
}

void TvxSkinButton::UpdateRegion()
{
    // A button of its own size does not take the record's mask.
    if (m_use_skin_size)
        TvxSkinCustomControl::UpdateRegion();
    else if (HasWindowShape())
        SetWindowShape(nullptr);
}

bool TvxSkinButton::ShowsDownLook() const
{
    return Down() && (GroupIndex() != 0 || Hot() || (FocusedAndCanFocused() && !Pressed()));
}

TColor TvxSkinButton::CaptionColor(bool active, bool down) const
{
    const TvxDataSkinButtonControl* record = ButtonRecord();
    if (Enabled() && (!m_use_skin_font_color || !record))
        return DefaultFont().Color();
    if (!record)
        return clBtnShadow;
    if (!Enabled())
        return record->disabledfontcolor;
    if (down)
        return record->downfontcolor;
    if (active)
        return record->activefontcolor;
    return record->fontcolor;
}

void TvxSkinButton::DrawContent(TCanvas& c, const TRect& client, bool active, bool down, TColor color)
{
    const TvxDataSkinButtonControl* record = ButtonRecord();
    if (record && UseSkinFont()) {
        c.Font().SetName(record->fontname);
        c.Font().SetHeight(record->fontheight);
        c.Font().SetStyle(record->fontstyle);
    } else {
        c.Font().Assign(DefaultFont());
    }
    c.Font().SetColor(color);
    auto kind = static_cast<TvxGlyphLayout>(m_layout);
    TvxImagesMenuItem* chosen = m_images_menu ? m_images_menu->SelectedItem() : nullptr;
    if (chosen && m_use_images_menu_image)
        TvxGlyphText::DrawGlyphAndText(c, client, m_margin, m_spacing, kind, m_images_menu->Images(),
            chosen->ImageIndex, Enabled(), m_use_images_menu_caption ? chosen->Caption : Caption(), down, {});
    else if (m_image_list && m_image_index >= 0 && m_image_index < m_image_list->Count())
        TvxGlyphText::DrawGlyphAndText(c, client, m_margin, m_spacing, kind, m_image_list, m_image_index,
            Enabled(), Caption(), down, {});
    else
        TvxGlyphText::DrawGlyphAndText(c, client, m_margin, m_spacing, kind, m_glyph, m_num_glyphs,
            GlyphCell(active, down), Caption(), down, {});
}

void TvxSkinButton::ComposeLook(TBitmap& image, const TRect& rect, bool active, bool down)
{
    const TBitmap* picture = m_look.Picture();
    int w = Width(), h = Height();
    TvxElementGeometry g = m_look.Geometry();
    g.R = rect;
    TRect client { 0, 0, w, h };
    if (!m_use_skin_size && m_look.Mode() != vxcmFull) {
        // The button keeps its size: the record's client grows with it.
        TRect c = g.Client;
        client = { c.left, c.top, c.right + w - rect.Width(), c.bottom + h - rect.Height() };
        image.SetSize(w, h);
        if (m_look.Mode() == vxcmFixed) {
            TBitmap piece(rect.Width(), rect.Height());
            piece.Canvas().CopySurface({ 0, 0, rect.Width(), rect.Height() }, picture->Surface(), rect);
            image.Canvas().StretchDraw({ 0, 0, w, h }, piece);
        } else {
            TvxComposition::ComposeClientCornered(image, *picture, rect, true, g.Client);
        }
    } else {
        TvxComposition::ComposeByMode(g, image, *picture, w, h);
        TRect c = g.Client;
        if (!c.IsEmpty())
            client = { c.left, c.top, c.right + image.Width() - rect.Width(),
                c.bottom + image.Height() - rect.Height() };
    }
    TCanvas& canvas = image.Canvas();
    canvas.Brush().SetStyle(bsClear);
    DrawContent(canvas, client, active, down, CaptionColor(active, down));
    if (ButtonRecord()->showfocus && Focused()) {
        // A dotted focus ring in the skin's face colour.
        uint32_t dot = ColorToArgb(SkinData()->SkinColors().cbtnface);
        for (int x = client.left; x < client.right; x += 2) {
            image.SetPixel(x, client.top, dot);
            image.SetPixel(x, client.bottom - 1, dot);
        }
        for (int y = client.top; y < client.bottom; y += 2) {
            image.SetPixel(client.left, y, dot);
            image.SetPixel(client.right - 1, y, dot);
        }
    }
}

void TvxSkinButton::CreateSkinImage(TBitmap& image)
{
    const TvxDataSkinButtonControl* record = ButtonRecord();
    if (!record || !m_look.Picture() || record->skinrect.IsEmpty()) {
        TvxSkinCustomControl::CreateSkinImage(image);
        return;
    }
    TRect normal = record->skinrect;
    TRect active = OrIfEmpty(record->activeskinrect, normal);
    TRect down = OrIfEmpty(record->downskinrect, active);
    // A running animation shows its frame instead of the look it heads from.
    if (AnimationRunning() && m_frame >= 1 && m_frame <= record->framecount) {
        const TRect& strip = record->animateskinrect;
        TRect frame;
        if (strip.Width() > record->skinrect.Width()) {
            int step = strip.Width() / record->framecount;
            frame
                = { strip.left + step * (m_frame - 1), strip.top, strip.left + step * m_frame, strip.bottom };
        } else {
            int step = strip.Height() / record->framecount;
            frame = { strip.left, strip.top + step * (m_frame - 1), strip.right, strip.top + step * m_frame };
        }
        (m_forward ? active : normal) = frame;
    }
    const double k = m_state.MorphFactor();
    if (MorphingInEffect() && k > 0 && k < 1 && Enabled()) {
        TBitmap from, to;
        ComposeLook(from, normal, false, false);
        ComposeLook(to, active, true, false);
        TvxEffectBmp mixed(from);
        mixed.Morph(record->morphkind, TvxEffectBmp(to), k);
        image = mixed.ToBitmap();
        return;
    }
    const bool focused = FocusedAndCanFocused();
    const bool down_look = ShowsDownLook();
    if (!Enabled() && !record->disabledskinrect.IsEmpty())
        ComposeLook(image, record->disabledskinrect, false, false);
    else if (down_look)
        ComposeLook(image, down, true, true);
    else if (focused && !record->focusedskinrect.IsEmpty() && !AnimationRunning())
        ComposeLook(image, record->focusedskinrect, true, false);
    else if (focused || Hot() || (MorphingInEffect() && k == 1))
        ComposeLook(image, active, true, false);
    else
        ComposeLook(image, normal, false, false);
}

void TvxSkinButton::CreateDefaultImage(TBitmap& image)
{
    TCanvas& c = image.Canvas();
    TRect all { 0, 0, image.Width(), image.Height() };
    const bool focused = FocusedAndCanFocused();
    const bool down_look = ShowsDownLook();
    TColor frame = kFrame, fill = kHotFill;
    if (down_look)
        fill = kDownFill;
    else if (!Hot() && !focused) {
        frame = clBtnShadow;
        fill = clBtnFace;
    }
    c.Brush().SetColor(fill);
    c.FillRect(all);
    c.Frame3D(all, frame, frame);
    c.Brush().SetStyle(bsClear);
    TColor color = Enabled() ? DefaultFont().Color() : clBtnShadow;
    DrawContent(c, { 1, 1, all.right - 1, all.bottom - 1 }, Hot(), Down() && Hot(), color);
}

// Animation

bool TvxSkinButton::AnimationUsable() const
{
    const TvxDataSkinButtonControl* record = ButtonRecord();
    return record && !record->animateskinrect.IsEmpty() && record->framecount > 0 && SkinEffectsOn();
}

bool TvxSkinButton::AnimationRunning() const
{
    return m_animation_timer && m_animation_timer->Enabled();
}

void TvxSkinButton::StartAnimation(bool forward)
{
    if (!AnimationUsable())
        return;
    StopAnimation();
    const TvxDataSkinButtonControl* record = ButtonRecord();
    m_forward = forward;
    m_frame = forward ? 1 : record->framecount;
    if (!m_animation_timer)
        m_animation_timer = TTimer::Stopped(25, [this] { AnimationTick(); });
    m_animation_timer->SetInterval(static_cast<uint32_t>(std::max(record->animateinterval, 1)));
    m_animation_timer->SetEnabled(true);
}

void TvxSkinButton::StopAnimation()
{
    m_frame = 0;
    if (m_animation_timer)
        m_animation_timer->SetEnabled(false);
}

void TvxSkinButton::AnimationTick()
{
    const TvxDataSkinButtonControl* record = ButtonRecord();
    if (!record) {
        StopAnimation();
        return;
    }
    if (m_forward ? m_frame > record->framecount : m_frame <= 0) {
        StopAnimation();
        Invalidate();
        return;
    }
    m_frame += m_forward ? 1 : -1;
    Invalidate();
}

// Mouse, keys and focus

void TvxSkinButton::MouseEnter()
{
    TvxSkinCustomControl::MouseEnter();
    m_state.SetHot(true);
    const bool focused = FocusedAndCanFocused();
    if ((GroupIndex() != 0 && !Down()) || (GroupIndex() == 0 && (!focused || Down()))) {
        if (Down()) {
            if (MorphingInEffect())
                m_state.SetMorphFactor(1);
            Invalidate();
        } else {
            StartAnimation(true);
            m_state.StartMorph();
        }
    }
    if (Down() && RepeatMode() && GroupIndex() == 0)
        m_state.StartRepeat();
}

void TvxSkinButton::MouseLeave()
{
    TvxSkinCustomControl::MouseLeave();
    const bool focused = FocusedAndCanFocused();
    // A default button keeps its highlight while the focus is elsewhere.
    if (!(m_can_focused && m_default && m_default_active && !Focused()))
        m_state.SetHot(false);
    if ((GroupIndex() != 0 && !Down()) || (GroupIndex() == 0 && (!focused || Down()))) {
        StartAnimation(false);
        m_state.StartMorph();
    }
    if (Down() && RepeatMode() && GroupIndex() == 0)
        m_state.StopRepeat();
}

void TvxSkinButton::MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && m_can_focused && !Focused() && CanFocus())
        SetFocus();
    TvxSkinCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    StopAnimation();
    m_state.Press();
}

void TvxSkinButton::MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    if (button == mbLeft) {
        // Released over the button or away from it.
        m_state.SetHot(x >= 0 && y >= 0 && x < Width() && y < Height());
        m_state.Release();
        Invalidate();
    }
    // The framework's own click is not the button's: OnClick comes from ButtonClick.
    SetControlState(ControlState() & ~csClicked);
    TvxSkinCustomControl::MouseUp(button, shift, x, y);
}

void TvxSkinButton::KeyDown(uint16_t& key, TShiftState shift)
{
    if (m_can_focused && key == VK_SPACE && m_space_presses) {
        SetDown(true);
        if (RepeatMode())
            ButtonClick();
    } else if (m_can_focused && key == VK_RETURN) {
        ButtonClick();
    }
    TvxSkinCustomControl::KeyDown(key, shift);
}

void TvxSkinButton::KeyUp(uint16_t& key, TShiftState shift)
{
    if (m_can_focused && key == VK_SPACE && m_space_presses) {
        SetDown(false);
        ButtonClick();
    }
    TvxSkinCustomControl::KeyUp(key, shift);
}

void TvxSkinButton::DoEnter()
{
    TvxSkinCustomControl::DoEnter();
    if (m_can_focused) {
        StartAnimation(true);
        m_state.StartMorph();
    }
}

void TvxSkinButton::DoExit()
{
    TvxSkinCustomControl::DoExit();
    if (RepeatMode())
        m_state.StopRepeat();
    if (GroupIndex() == 0 && Down())
        m_state.ClearDown();
    if (m_can_focused) {
        StartAnimation(false);
        m_state.StartMorph();
    }
}

void TvxSkinButton::FocusChanged(TControl* focus)
{
    auto* button = dynamic_cast<TvxSkinButton*>(focus);
    m_default_active = button ? button == this : m_default;
    if (!m_can_focused || !m_default)
        return;
    if (button && button != this) {
        m_state.SetHot(false);
        m_state.StartMorph();
    } else if (!button) {
        m_state.SetHot(true);
        if (MorphingInEffect())
            m_state.SetMorphFactor(1);
        Invalidate();
    }
}

void TvxSkinButton::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_FOCUSCHANGED:
        FocusChanged(reinterpret_cast<TControl*>(message.LParam));
        break;
    case CM_DIALOGKEY:
        // Enter for the default button, Escape for the cancel one.
        if (Enabled() && Visible()
            && ((message.WParam == VK_RETURN && m_default_active)
                || (message.WParam == VK_ESCAPE && m_cancel && m_can_focused))) {
            ButtonClick();
            message.Result = 1;
            return;
        }
        break;
    case CM_DIALOGCHAR:
        if (Enabled() && Visible() && IsAccel(static_cast<char32_t>(message.WParam), Caption())
            && Accelerate()) {
            message.Result = 1;
            return;
        }
        break;
    case CM_ENABLEDCHANGED:
        TvxSkinCustomControl::Dispatch(message);
        if (MorphingInEffect()) {
            m_state.StopMorph();
            m_state.SetMorphFactor(0);
        }
        m_state.SetHot(false);
        Invalidate();
        return;
    case CM_TEXTCHANGED:
        TvxSkinCustomControl::Dispatch(message);
        Invalidate();
        return;
    default:
        break;
    }
    TvxSkinCustomControl::Dispatch(message);
}

} // namespace tessel
