#include "tessel/skin/form/objects/TvxSkinCaptionObject.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/skin/data/TvxDataSkinCaption.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/draw/TvxEffectBmp.h"
#include "tessel/skin/draw/TvxTextHelpers.h"
#include "tessel/skin/form/TvxFrameGeometry.h"
#include "tessel/skin/form/objects/TvxFrameObjectHost.h"

#include <algorithm>

namespace tessel {

TvxSkinCaptionObject::TvxSkinCaptionObject(TvxFrameObjectHost& host, const TvxDataSkinCaption& r)
    : TvxActiveSkinObject(host, r)
    , m_default_caption(r.defaultcaption)
    , m_text_rect(r.textrect)
    , m_font_color(r.fontcolor)
    , m_active_font_color(r.activefontcolor)
    , m_alignment(r.alignment)
    , m_shadow(r.shadow)
    , m_light(r.light)
    , m_shadow_color(r.shadowcolor)
    , m_active_shadow_color(r.activeshadowcolor)
    , m_light_color(r.lightcolor)
    , m_active_light_color(r.activelightcolor)
    , m_frame_rect(r.framerect)
    , m_active_frame_rect(r.activeframerect)
    , m_frame_text_rect(r.frametextrect)
    , m_frame_left_offset(r.frameleftoffset)
    , m_frame_right_offset(r.framerightoffset)
    , m_full_frame(r.fullframe)
    , m_stretch(r.stretcheffect)
    , m_animation(
          r.animateskinrect, r.framecount, r.animateinterval, r.inactiveanimation, r.skinrect.Height())
{
    m_font.SetName(r.fontname);
    m_font.SetHeight(r.fontheight);
    m_font.SetStyle(r.fontstyle);
}

std::string TvxSkinCaptionObject::Text() const
{
    return m_default_caption ? m_host.FormCaption() : m_text;
}

TRect TvxSkinCaptionObject::TextRect() const
{
    TRect r = m_text_rect;
    if (r.IsEmpty())
        return { 0, 0, m_object_rect.Width(), m_object_rect.Height() };
    r.right += m_object_rect.Width() - m_skin_rect.Width();
    if (!m_frame_rect.IsEmpty()) {
        r.left += m_frame_text_rect.left;
        r.top += m_frame_text_rect.top;
        r.right += m_frame_text_rect.right - m_frame_rect.Width();
    }
    return r;
}

TvxSkinCaptionObject::TLook TvxSkinCaptionObject::Look(bool active) const
{
    if (active)
        return { m_active_font_color, m_active_light_color, m_active_shadow_color,
            m_active_frame_rect.IsEmpty() ? &m_frame_rect : &m_active_frame_rect };
    return { m_font_color, m_light_color, m_shadow_color, &m_frame_rect };
}

TBitmap TvxSkinCaptionObject::Background(const TBitmap* picture, const TRect& rect) const
{
    int w = m_object_rect.Width(), h = m_object_rect.Height();
    TBitmap image(std::max(w, 0), std::max(h, 0));
    const TvxSkinData* data = m_host.LoadedSkin();
    if (!picture || image.Empty() || !data)
        return image;
    auto plain = [&] {
        image.Canvas().CopySurface({ 0, 0, rect.Width(), rect.Height() }, picture->Surface(), rect);
    };
    if ((w == rect.Width() && h == rect.Height()) || !TvxFrameGeometry::Sizeable(*data)) {
        plain();
        return image;
    }
    // The band of the frame the caption lies in decides which way it grows.
    const TvxSkinFormInfo& f = data->FormInfo();
    int t = m_skin_rect.top, b = m_skin_rect.bottom;
    auto strip = [&](int first, int last, bool horizontal) {
        first = std::max(first, 0);
        last = std::max(last, 0);
        if (first == 0 && last == 0) {
            plain();
            return;
        }
        if (horizontal)
            TvxComposition::ComposeHorizontalStrip(first, last, image, m_stretch, w, rect, *picture);
        else
            TvxComposition::ComposeVerticalStrip(first, last, image, m_stretch, h, rect, *picture);
    };
    if (t <= f.lefttoppoint.y && b < f.righttoppoint.y)
        strip(f.lefttoppoint.x - m_skin_rect.left, m_skin_rect.right - f.righttoppoint.x, true);
    else if (t >= f.leftbottompoint.y && b > f.rightbottompoint.y)
        strip(f.leftbottompoint.x - m_skin_rect.left, m_skin_rect.right - f.rightbottompoint.x, true);
    else if (t <= f.lefttoppoint.y && b > f.leftbottompoint.y)
        strip(f.lefttoppoint.y - t, b - f.leftbottompoint.y, false);
    else
        strip(f.righttoppoint.y - t, b - f.rightbottompoint.y, false);
    return image;
}

bool TvxSkinCaptionObject::HasAnimation() const
{
    return m_host.SkinEffects() && SkinLoaded() && m_animation.Exists();
}

void TvxSkinCaptionObject::StartAnimation(bool active)
{
    if (HasAnimation())
        m_animation.Start(active);
}

bool TvxSkinCaptionObject::AnimationStep()
{
    if (!HasAnimation())
        return false;
    bool moved = false;
    bool running = m_animation.Step(m_host.IsFormActive(), moved);
    if (moved)
        m_host.DrawObjectNow(*this);
    return running;
}

void TvxSkinCaptionObject::DrawText(TCanvas& canvas, TPoint origin, bool active) const
{
    std::string text = Text();
    TRect tr = TextRect();
    if (text.empty() || tr.IsEmpty())
        return;
    tr = tr.Offset(origin.x, origin.y);
    canvas.Font().Assign(m_font);
    canvas.Brush().SetStyle(bsClear);
    TvxTextHelpers::ShortenWithEllipsis(canvas, text, tr.Width());
    TPoint size = canvas.TextExtent(text);
    int top = tr.top + tr.Height() / 2 - size.y / 2;
    int left = tr.left;
    if (m_alignment == taRightJustify)
        left = tr.right - size.x;
    else if (m_alignment == taCenter)
        left = tr.left + tr.Width() / 2 - size.x / 2;
    TLook look = Look(active);
    const TBitmap* active_picture = m_active_picture;
    if (!look.frame->IsEmpty() && active_picture) {
        // A frame image behind the text, from the active picture.
        const TRect& fr = *look.frame;
        int width = fr.Width() + size.x - m_frame_text_rect.Width();
        TPoint at { left - m_frame_text_rect.left, top - m_frame_text_rect.top };
        if (m_full_frame) {
            const TvxSkinData* data = m_host.LoadedSkin();
            int offset = data ? data->FormInfo().buttonsoffset : 0;
            width = m_object_rect.Width() - 2 * offset;
            at.x = origin.x + offset;
        }
        if (width > 0) {
            TBitmap strip;
            TvxComposition::ComposeHorizontalStrip(
                m_frame_left_offset, m_frame_right_offset, strip, m_stretch, width, fr, *active_picture);
            canvas.Draw(at.x, at.y, strip);
        }
    }
    if (m_light) {
        canvas.Font().SetColor(look.light);
        canvas.TextOut(left - 1, top - 1, text);
    }
    if (m_shadow) {
        canvas.Font().SetColor(look.shadow);
        canvas.TextOut(left + 1, top + 1, text);
    }
    canvas.Font().SetColor(look.font);
    canvas.TextOut(left, top, text);
}

void TvxSkinCaptionObject::DrawImage(TCanvas& canvas, TBitmap& image) const
{
    canvas.Draw(m_object_rect.left, m_object_rect.top, image);
}

void TvxSkinCaptionObject::Draw(TCanvas& canvas, bool update)
{
    if (!SkinLoaded())
        return;
    const bool form_active = m_host.IsFormActive();
    m_active = form_active;
    const TvxSkinData* data = m_host.LoadedSkin();
    auto inactive_effect = [&](TBitmap& image) {
        const TvxSkinFormInfo& f = data->FormInfo();
        if (form_active || !f.autorenderinginactiveimage)
            return;
        TvxEffectBmp effect(image);
        effect.InactiveEffect(f.inactiveeffect);
        image = effect.ToBitmap();
    };
    auto normal = [&](bool active_colours) {
        TBitmap image = Background(NormalPicture(), m_skin_rect);
        DrawText(image.Canvas(), {}, active_colours);
        inactive_effect(image);
        return image;
    };
    if (HasAnimation() && m_animation.ShowsFrame()) {
        // A frame of the animation carries the text in the other state's look.
        TBitmap image = Background(m_active_picture, m_animation.FrameRect(m_animation.CurrentFrame()));
        DrawText(image.Canvas(), {}, !form_active);
        DrawImage(canvas, image);
        return;
    }
    // After an animation the caption's own background is drawn again, not only its
    // text over the last frame.
    if (m_host.ClientMode() || !m_active_rect.IsEmpty() || (update && HasAnimation())) {
        if (!m_active_rect.IsEmpty() && (m_active || (MorphingEnabled() && m_morph_factor > 0))) {
            TBitmap active = Background(m_active_picture, m_active_rect);
            DrawText(active.Canvas(), {}, true);
            if (m_morph_factor == 0 && m_active && !MorphingEnabled()) {
                DrawImage(canvas, active);
            } else if (!form_active || m_morph_factor < 1) {
                TBitmap back = normal(false);
                TvxEffectBmp mixed(back), other(active);
                mixed.Morph(m_morph_kind, other, m_morph_factor);
                if (TDeviceContext* dc = canvas.Handle())
                    mixed.Draw(*dc, m_object_rect.left, m_object_rect.top);
            } else {
                DrawImage(canvas, active);
            }
            return;
        }
        if (update) {
            TBitmap image = normal(form_active);
            DrawImage(canvas, image);
            return;
        }
    }
    // The caption's text alone, onto the frame image that holds its background.
    DrawText(canvas, { m_object_rect.left, m_object_rect.top }, form_active);
}

void TvxSkinCaptionObject::MouseEnter()
{
    m_mouse_in = true;
    RaiseMouseEnter();
}

void TvxSkinCaptionObject::MouseLeave()
{
    m_mouse_in = false;
    RaiseMouseLeave();
}

} // namespace tessel
