#include "tessel/skin/form/objects/TvxSkinLabelObject.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/skin/data/TvxDataSkinLabel.h"
#include "tessel/skin/draw/TvxEffectBmp.h"
#include "tessel/skin/form/objects/TvxFrameObjectHost.h"

namespace tessel {

TvxSkinLabelObject::TvxSkinLabelObject(TvxFrameObjectHost& host, const TvxDataSkinLabel& record)
    : TvxActiveSkinObject(host, record)
    , m_text(record.textvalue)
    , m_font_color(record.fontcolor)
    , m_active_font_color(record.activefontcolor)
    , m_alignment(record.alignment)
{
    m_font.SetName(record.fontName);
    m_font.SetHeight(record.fontheight);
    m_font.SetStyle(record.fontstyle);
}

void TvxSkinLabelObject::SetText(const std::string& text)
{
    m_text = text;
    m_host.DrawObjectNow(*this);
}

TBitmap TvxSkinLabelObject::Image(const TBitmap* picture, const TRect& rect, TColor color) const
{
    int w = std::max(m_object_rect.Width(), 0), h = std::max(m_object_rect.Height(), 0);
    TBitmap image(w, h);
    TCanvas& c = image.Canvas();
    if (picture && !rect.IsEmpty())
        c.CopySurface({ 0, 0, rect.Width(), rect.Height() }, picture->Surface(), rect);
    c.Font().Assign(m_font);
    c.Font().SetColor(color);
    c.Brush().SetStyle(bsClear);
    TPoint size = c.TextExtent(m_text);
    int x = m_alignment == taLeftJustify ? 0
        : m_alignment == taRightJustify  ? w - size.x
                                         : w / 2 - size.x / 2;
    c.TextOut(x, h / 2 - size.y / 2, m_text);
    return image;
}

void TvxSkinLabelObject::Draw(TCanvas& canvas, bool)
{
    if (!SkinLoaded())
        return;
    const bool has_active = !m_active_rect.IsEmpty();
    bool at_end = m_active ? m_morph_factor == 1 : m_morph_factor == 0;
    if (MorphingEnabled() && !at_end) {
        TBitmap normal = Image(NormalPicture(), m_skin_rect, m_font_color);
        TBitmap active = has_active ? Image(m_active_picture, m_active_rect, m_active_font_color)
                                    : Image(NormalPicture(), m_skin_rect, m_active_font_color);
        TvxEffectBmp mixed(normal), other(active);
        mixed.Morph(m_morph_kind, other, m_morph_factor);
        if (TDeviceContext* dc = canvas.Handle())
            mixed.Draw(*dc, m_object_rect.left, m_object_rect.top);
        return;
    }
    TBitmap image;
    if (m_active && has_active)
        image = Image(m_active_picture, m_active_rect, m_active_font_color);
    else if (m_active && m_font_color == m_active_font_color)
        return;
    else
        image = Image(NormalPicture(), m_skin_rect, m_active ? m_active_font_color : m_font_color);
    canvas.Draw(m_object_rect.left, m_object_rect.top, image);
}

void TvxSkinLabelObject::MouseEnter()
{
    m_mouse_in = m_active = true;
    if (ChangesOnHover())
        Redraw();
    RaiseMouseEnter();
}

void TvxSkinLabelObject::MouseLeave()
{
    m_mouse_in = m_active = false;
    if (ChangesOnHover())
        Redraw();
    RaiseMouseLeave();
}

} // namespace tessel
