#include "tessel/skin/form/objects/TvxActiveSkinObject.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/skin/data/TvxDataSkinObject.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxEffectBmp.h"
#include "tessel/skin/form/objects/TvxFrameObjectHost.h"

#include <algorithm>

namespace tessel {

TvxActiveSkinObject::TvxActiveSkinObject(TvxFrameObjectHost& host, const TvxDataSkinObject& record)
    : m_host(host)
    , m_id_name(record.IDName)
    , m_hint(record.hint)
    , m_skin_rect(record.skinrect)
    , m_active_rect(record.activeskinrect)
    , m_inactive_rect(record.inactiveskinrect)
    , m_in_picture(record.skinrectinapicture)
    , m_rollup(record.rollup)
    , m_morphing(record.morphing)
    , m_morph_kind(record.morphkind)
    , m_cursor_index(record.cursorindex)
    , m_object_rect(record.skinrect)
{
    if (const TvxSkinData* data = host.LoadedSkin()) {
        m_active_picture = data->ActivePicture(record.activepictureindex);
        if (m_active_picture && m_active_picture->Empty())
            m_active_picture = nullptr;
        m_frame_picture = record.rollup ? &data->RollUpPicture() : &data->Picture();
    }
    // Without an active picture every image it would give is empty.
    if (!m_active_picture)
        m_active_rect = m_inactive_rect = {};
}

bool TvxActiveSkinObject::SkinLoaded() const
{
    return m_host.LoadedSkin() != nullptr && m_frame_picture;
}

const TBitmap* TvxActiveSkinObject::NormalPicture() const
{
    return m_in_picture ? m_active_picture : m_frame_picture;
}

bool TvxActiveSkinObject::MorphingEnabled() const
{
    return m_morphing && m_host.SkinEffects();
}

void TvxActiveSkinObject::SetMorphFactor(double value)
{
    m_morph_factor = std::clamp(value, 0.0, 1.0);
}

bool TvxActiveSkinObject::CanMorphing() const
{
    return (m_active && m_morph_factor < 1) || (!m_active && m_morph_factor > 0);
}

void TvxActiveSkinObject::MorphStep()
{
    SetMorphFactor(m_morph_factor + (m_active ? 0.2 : -0.2));
    m_host.DrawObjectNow(*this);
}

void TvxActiveSkinObject::Redraw()
{
    if (MorphingEnabled())
        m_host.StartMorphTimer();
    else
        m_host.DrawObjectNow(*this);
}

void TvxActiveSkinObject::CopyImage(TCanvas& canvas, const TBitmap* picture, const TRect& rect) const
{
    if (!picture || rect.IsEmpty())
        return;
    // The image keeps its own size; a rectangle reaching past the picture copies
    // only what lies inside it.
    canvas.CopySurface({ m_object_rect.left, m_object_rect.top, m_object_rect.left + rect.Width(),
                           m_object_rect.top + rect.Height() },
        picture->Surface(), rect);
}

void TvxActiveSkinObject::DrawMorph(TCanvas& canvas, const TBitmap* from_picture, const TRect& from,
    const TBitmap* to_picture, const TRect& to) const
{
    int w = m_object_rect.Width(), h = m_object_rect.Height();
    if (w <= 0 || h <= 0 || !from_picture || !to_picture)
        return;
    TBitmap normal(w, h), active(w, h);
    normal.Canvas().CopySurface({ 0, 0, from.Width(), from.Height() }, from_picture->Surface(), from);
    active.Canvas().CopySurface({ 0, 0, to.Width(), to.Height() }, to_picture->Surface(), to);
    TvxEffectBmp mixed(normal), other(active);
    mixed.Morph(m_morph_kind, other, m_morph_factor);
    if (TDeviceContext* dc = canvas.Handle())
        mixed.Draw(*dc, m_object_rect.left, m_object_rect.top);
}

void TvxActiveSkinObject::Draw(TCanvas& canvas, bool update)
{
    if (!SkinLoaded())
        return;
    if (m_enabled && !m_host.IsFormActive() && !m_inactive_rect.IsEmpty()) {
        CopyImage(canvas, m_active_picture, m_inactive_rect);
        return;
    }
    bool at_end = m_active ? m_morph_factor == 1 : m_morph_factor == 0;
    if (MorphingEnabled() && !at_end && !m_active_rect.IsEmpty()) {
        DrawMorph(canvas, NormalPicture(), m_skin_rect, m_active_picture, m_active_rect);
        return;
    }
    if (!m_active || m_active_rect.IsEmpty()) {
        if (!update && !m_in_picture)
            return; // the frame image shows it already
        CopyImage(canvas, NormalPicture(), m_skin_rect);
        return;
    }
    CopyImage(canvas, m_active_picture, m_active_rect);
}

void TvxActiveSkinObject::RaiseMouseEnter() const
{
    if (m_host.Events().OnMouseEnterEvent)
        m_host.Events().OnMouseEnterEvent(m_id_name);
}

void TvxActiveSkinObject::RaiseMouseLeave() const
{
    if (m_host.Events().OnMouseLeaveEvent)
        m_host.Events().OnMouseLeaveEvent(m_id_name);
}

void TvxActiveSkinObject::MouseEnter()
{
    m_mouse_in = m_active = true;
    if (!m_active_rect.IsEmpty())
        Redraw();
    RaiseMouseEnter();
}

void TvxActiveSkinObject::MouseLeave()
{
    m_mouse_in = m_active = false;
    if (!m_active_rect.IsEmpty())
        Redraw();
    RaiseMouseLeave();
}

void TvxActiveSkinObject::MouseDown(int x, int y, TMouseButtonKind button)
{
    if (m_host.Events().OnMouseDownEvent)
        m_host.Events().OnMouseDownEvent(m_id_name, x, y, m_object_rect, button);
}

void TvxActiveSkinObject::MouseUp(int x, int y, TMouseButtonKind button)
{
    if (m_mouse_in && m_host.Events().OnMouseUpEvent)
        m_host.Events().OnMouseUpEvent(m_id_name, x, y, m_object_rect, button);
}

void TvxActiveSkinObject::MouseMove(int x, int y)
{
    if (m_host.Events().OnMouseMoveEvent)
        m_host.Events().OnMouseMoveEvent(m_id_name, x, y, m_object_rect);
}

void TvxActiveSkinObject::ResetMouseState()
{
    m_active = m_mouse_in = false;
    m_morph_factor = 0;
}

} // namespace tessel
