#include "tessel/skin/controls/TvxButtonControl.h"

#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TImageList.h"
#include "tessel/framework/TTimer.h"
#include "tessel/skin/controls/TvxBuiltInLook.h"
#include "tessel/skin/data/TvxDataSkinButtonControl.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/draw/TvxEffectBmp.h"
#include "tessel/skin/menus/TvxSkinImagesMenu.h"

#include <algorithm>

namespace tessel {

template<class TBase>
TvxButtonControl<TBase>::TvxButtonControl(TComponent* owner)
    : TBase(owner)
    , m_state(*this)
{ }

template<class TBase> TvxButtonControl<TBase>::~TvxButtonControl()
{
    StopAnimation();
    m_state.StopMorph();
    m_state.StopRepeat();
}

template<class TBase> const TvxDataSkinButtonControl* TvxButtonControl<TBase>::ButtonRecord() const
{
    return dynamic_cast<const TvxDataSkinButtonControl*>(this->Record());
}

template<class TBase> bool TvxButtonControl<TBase>::SkinEffectsOn() const
{
    const TvxSkinData* data = this->SkinData();
    return data && !data->Empty() && data->EnableSkinEffects();
}

template<class TBase> bool TvxButtonControl<TBase>::MorphingInEffect() const
{
    const TvxDataSkinButtonControl* record = ButtonRecord();
    return record && record->morphing && SkinEffectsOn();
}

template<class TBase> bool TvxButtonControl<TBase>::MorphTowardsActive() const
{
    return Hot() || FocusedAndCanFocused();
}

template<class TBase> void TvxButtonControl<TBase>::Notification(TComponent* component, TOperation operation)
{
    TBase::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_image_list)
        m_image_list = nullptr;
    if (operation == TOperation::opRemove && component == m_images_menu)
        m_images_menu = nullptr;
}

template<class TBase> void TvxButtonControl<TBase>::SetImageList(TImageList* list)
{
    this->SetReference(m_image_list, list);
    this->Invalidate();
}

template<class TBase> void TvxButtonControl<TBase>::SetImageIndex(int index)
{
    if (index != m_image_index) {
        m_image_index = index;
        this->Invalidate();
    }
}

template<class TBase> void TvxButtonControl<TBase>::SetUseSkinSize(bool value)
{
    m_use_skin_size = value;
    this->RefreshRecord();
    if (value && this->RecordIndex() != -1) {
        // Back to the record's size.
        int w = this->Width(), h = this->Height();
        FitSize(w, h);
        this->SetBounds(this->Left(), this->Top(), w, h);
    }
    ShapeChanged();
    this->Invalidate();
}

template<class TBase> void TvxButtonControl<TBase>::SetUseSkinFontColor(bool value)
{
    m_use_skin_font_color = value;
    this->Invalidate();
}

template<class TBase> void TvxButtonControl<TBase>::SetGlyph(const TBitmap& glyph)
{
    m_glyph = glyph;
    this->Invalidate();
}

template<class TBase> void TvxButtonControl<TBase>::SetNumGlyphs(int count)
{
    m_num_glyphs = std::clamp(count, 1, 4);
    this->Invalidate();
}

template<class TBase> void TvxButtonControl<TBase>::SetMargin(int margin)
{
    if (margin >= -1 && margin != m_margin) {
        m_margin = margin;
        this->Invalidate();
    }
}

template<class TBase> void TvxButtonControl<TBase>::SetSpacing(int spacing)
{
    if (spacing != m_spacing) {
        m_spacing = spacing;
        this->Invalidate();
    }
}

template<class TBase> void TvxButtonControl<TBase>::SetLayout(TvxButtonLayout layout)
{
    if (layout != m_layout) {
        m_layout = layout;
        this->Invalidate();
    }
}

template<class TBase> void TvxButtonControl<TBase>::ButtonClick()
{
    if (this->OnClick)
        this->OnClick(this);
}

template<class TBase> void TvxButtonControl<TBase>::ReleaseGroup()
{
    TWinControl* parent = this->Parent();
    if (!parent)
        return;
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (auto* other = dynamic_cast<TvxButtonControl*>(parent->Controls(i));
            other && other != this && other->GroupIndex() == GroupIndex() && other->Down())
            other->SetDown(false);
}

template<class TBase> int TvxButtonControl<TBase>::GlyphCell(bool active, bool down) const
{
    if (active && down && m_num_glyphs > 2)
        return 3;
    if (active && m_num_glyphs > 3)
        return 4;
    if (this->Enabled() || m_num_glyphs < 2)
        return 1;
    return 2;
}

// Looks

template<class TBase> void TvxButtonControl<TBase>::FitSize(int& width, int& height)
{
    if (m_use_skin_size || this->m_look.Mode() == vxcmFull)
        TBase::FitSize(width, height);
}

template<class TBase> bool TvxButtonControl<TBase>::ShowsDownLook() const
{
    return Down() && (GroupIndex() != 0 || Hot() || (FocusedAndCanFocused() && !Pressed()));
}

template<class TBase> TColor TvxButtonControl<TBase>::CaptionColor(bool active, bool down) const
{
    const TvxDataSkinButtonControl* record = ButtonRecord();
    if (this->Enabled() && (!m_use_skin_font_color || !record))
        return this->DefaultFont().Color();
    if (!record)
        return clBtnShadow;
    if (!this->Enabled())
        return record->disabledfontcolor;
    if (down)
        return record->downfontcolor;
    if (active)
        return record->activefontcolor;
    return record->fontcolor;
}

template<class TBase>
void TvxButtonControl<TBase>::DrawContent(
    TCanvas& c, const TRect& client, bool active, bool down, TColor color)
{
    const TvxDataSkinButtonControl* record = ButtonRecord();
    if (record && this->UseSkinFont()) {
        c.Font().SetName(record->fontname);
        c.Font().SetHeight(record->fontheight);
        c.Font().SetStyle(record->fontstyle);
    } else {
        c.Font().Assign(this->DefaultFont());
    }
    c.Font().SetColor(color);
    auto kind = static_cast<TvxGlyphLayout>(m_layout);
    const std::string caption = CaptionShown() ? this->Caption() : std::string();
    TvxImagesMenuItem* chosen = m_images_menu ? m_images_menu->SelectedItem() : nullptr;
    if (chosen && m_use_images_menu_image)
        TvxGlyphText::DrawGlyphAndText(c, client, m_margin, m_spacing, kind, m_images_menu->Images(),
            chosen->ImageIndex, this->Enabled(),
            m_use_images_menu_caption && CaptionShown() ? chosen->Caption : caption, down, {});
    else if (m_image_list && m_image_index >= 0 && m_image_index < m_image_list->Count())
        TvxGlyphText::DrawGlyphAndText(c, client, m_margin, m_spacing, kind, m_image_list, m_image_index,
            this->Enabled(), caption, down, {});
    else
        TvxGlyphText::DrawGlyphAndText(c, client, m_margin, m_spacing, kind, m_glyph, m_num_glyphs,
            GlyphCell(active, down), caption, down, {});
}

template<class TBase>
void TvxButtonControl<TBase>::ComposeLook(TBitmap& image, const TRect& rect, bool active, bool down)
{
    const TvxSkinLook& look = this->m_look;
    const TBitmap* picture = look.Picture();
    int w = this->Width(), h = this->Height();
    TvxElementGeometry g = look.Geometry();
    g.R = rect;
    TRect client { 0, 0, w, h };
    if (!m_use_skin_size && look.Mode() != vxcmFull) {
        // The button keeps its size: the record's client grows with it.
        TRect c = g.Client;
        client = { c.left, c.top, c.right + w - rect.Width(), c.bottom + h - rect.Height() };
        image.SetSize(w, h);
        if (look.Mode() == vxcmFixed) {
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
    if (ButtonRecord()->showfocus && FocusedAndCanFocused()) {
        // A dotted focus ring in the skin's face colour.
        uint32_t dot = ColorToArgb(this->SkinData()->SkinColors().cbtnface);
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

template<class TBase> void TvxButtonControl<TBase>::CreateSkinImage(TBitmap& image)
{
    const TvxDataSkinButtonControl* record = ButtonRecord();
    if (!record || !this->m_look.Picture() || record->skinrect.IsEmpty()) {
        TBase::CreateSkinImage(image);
        return;
    }
    TRect normal = record->skinrect;
    TRect active = TvxBuiltInLook::OrIfEmpty(record->activeskinrect, normal);
    TRect down = TvxBuiltInLook::OrIfEmpty(record->downskinrect, active);
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
    if (MorphingInEffect() && k > 0 && k < 1 && this->Enabled()) {
        TBitmap from, to;
        ComposeLook(from, normal, false, false);
        ComposeLook(to, active, true, false);
        TvxEffectBmp mixed(from);
        mixed.Morph(record->morphkind, TvxEffectBmp(to), k);
        image = mixed.ToBitmap();
        return;
    }
    const bool focused = FocusedAndCanFocused();
    if (!this->Enabled() && !record->disabledskinrect.IsEmpty())
        ComposeLook(image, record->disabledskinrect, false, false);
    else if (ShowsDownLook())
        ComposeLook(image, down, true, true);
    else if (focused && !record->focusedskinrect.IsEmpty() && !AnimationRunning())
        ComposeLook(image, record->focusedskinrect, true, false);
    else if (focused || Hot() || (MorphingInEffect() && k == 1))
        ComposeLook(image, active, true, false);
    else
        ComposeLook(image, normal, false, false);
}

template<class TBase> void TvxButtonControl<TBase>::CreateDefaultImage(TBitmap& image)
{
    TCanvas& c = image.Canvas();
    TRect all { 0, 0, image.Width(), image.Height() };
    TColor frame = TvxBuiltInLook::kFrame, fill = TvxBuiltInLook::kHotFill;
    if (ShowsDownLook())
        fill = TvxBuiltInLook::kDownFill;
    else if (!Hot() && !FocusedAndCanFocused()) {
        frame = clBtnShadow;
        fill = clBtnFace;
    }
    c.Brush().SetColor(fill);
    c.FillRect(all);
    c.Frame3D(all, frame, frame);
    c.Brush().SetStyle(bsClear);
    TColor color = this->Enabled() ? this->DefaultFont().Color() : clBtnShadow;
    DrawContent(c, { 1, 1, all.right - 1, all.bottom - 1 }, Hot(), Down() && Hot(), color);
}

// Animation

template<class TBase> bool TvxButtonControl<TBase>::AnimationUsable() const
{
    const TvxDataSkinButtonControl* record = ButtonRecord();
    return record && !record->animateskinrect.IsEmpty() && record->framecount > 0 && SkinEffectsOn();
}

template<class TBase> bool TvxButtonControl<TBase>::AnimationRunning() const
{
    return m_animation_timer && m_animation_timer->Enabled();
}

template<class TBase> void TvxButtonControl<TBase>::StartAnimation(bool forward)
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

template<class TBase> void TvxButtonControl<TBase>::StopAnimation()
{
    m_frame = 0;
    if (m_animation_timer)
        m_animation_timer->SetEnabled(false);
}

template<class TBase> void TvxButtonControl<TBase>::AnimationTick()
{
    const TvxDataSkinButtonControl* record = ButtonRecord();
    if (!record) {
        StopAnimation();
        return;
    }
    if (m_forward ? m_frame > record->framecount : m_frame <= 0) {
        StopAnimation();
        this->Invalidate();
        return;
    }
    m_frame += m_forward ? 1 : -1;
    this->Invalidate();
}

// Mouse

template<class TBase> bool TvxButtonControl<TBase>::HoverAnimates() const
{
    return (GroupIndex() != 0 && !Down()) || (GroupIndex() == 0 && (!FocusedAndCanFocused() || Down()));
}

template<class TBase> void TvxButtonControl<TBase>::MouseEnter()
{
    TBase::MouseEnter();
    m_state.SetHot(true);
    if (HoverAnimates()) {
        if (Down()) {
            if (MorphingInEffect())
                m_state.SetMorphFactor(1);
            this->Invalidate();
        } else {
            StartAnimation(true);
            m_state.StartMorph();
        }
    }
    if (Down() && RepeatMode() && GroupIndex() == 0)
        m_state.StartRepeat();
}

template<class TBase> void TvxButtonControl<TBase>::MouseLeave()
{
    TBase::MouseLeave();
    if (!KeepsHotOnLeave())
        m_state.SetHot(false);
    if (HoverAnimates()) {
        StartAnimation(false);
        m_state.StartMorph();
    }
    if (Down() && RepeatMode() && GroupIndex() == 0)
        m_state.StopRepeat();
}

template<class TBase>
void TvxButtonControl<TBase>::MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    TBase::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    StopAnimation();
    m_state.Press();
}

template<class TBase>
void TvxButtonControl<TBase>::MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    if (button == mbLeft) {
        // Released over the button or away from it.
        m_state.SetHot(x >= 0 && y >= 0 && x < this->Width() && y < this->Height());
        m_state.Release();
        this->Invalidate();
    }
    // The framework's own click is not the button's: OnClick comes from ButtonClick.
    this->SetControlState(this->ControlState() & ~csClicked);
    TBase::MouseUp(button, shift, x, y);
}

template<class TBase> void TvxButtonControl<TBase>::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_ENABLEDCHANGED:
        TBase::Dispatch(message);
        if (MorphingInEffect()) {
            m_state.StopMorph();
            m_state.SetMorphFactor(0);
        }
        m_state.SetHot(false);
        this->Invalidate();
        return;
    case CM_TEXTCHANGED:
        TBase::Dispatch(message);
        this->Invalidate();
        return;
    default:
        break;
    }
    TBase::Dispatch(message);
}

template class TvxButtonControl<TvxSkinCustomControl>;
template class TvxButtonControl<TvxGraphicSkinCustomControl>;

} // namespace tessel
