#include "tessel/skin/form/objects/TvxSkinButtonObject.h"

#include "tessel/skin/data/TvxDataSkinButton.h"
#include "tessel/skin/form/objects/TvxFrameObjectHost.h"

namespace tessel {

TvxSkinButtonObject::TvxSkinButtonObject(TvxFrameObjectHost& host, const TvxDataSkinButton& record)
    : TvxActiveSkinObject(host, record)
    , m_group_index(record.groupindex)
    , m_down_rect(m_active_picture ? record.downrect : TRect {})
    , m_disabled_rect(m_active_picture ? record.disableskinrsect : TRect {})
{ }

void TvxSkinButtonObject::Draw(TCanvas& canvas, bool update)
{
    if (!SkinLoaded())
        return;
    if (!m_enabled && !m_disabled_rect.IsEmpty())
        CopyImage(canvas, m_active_picture, m_disabled_rect);
    else if (m_down && !m_down_rect.IsEmpty() && (Grouped() || m_mouse_in))
        CopyImage(canvas, m_active_picture, m_down_rect);
    else
        TvxActiveSkinObject::Draw(canvas, update);
}

void TvxSkinButtonObject::MouseDown(int x, int y, TMouseButtonKind button)
{
    if (m_enabled && button == mbLeft && !m_down)
        SetDown(true);
    TvxActiveSkinObject::MouseDown(x, y, button);
}

void TvxSkinButtonObject::MouseUp(int x, int y, TMouseButtonKind button)
{
    if (m_enabled && button == mbLeft && m_down && !Grouped())
        SetDown(false);
    TvxActiveSkinObject::MouseUp(x, y, button);
}

void TvxSkinButtonObject::MouseEnter()
{
    m_mouse_in = m_active = true;
    if (!m_down_rect.IsEmpty() && m_down) {
        if (!Grouped())
            m_host.DrawObjectNow(*this);
    } else if (!m_active_rect.IsEmpty()) {
        Redraw();
    }
    RaiseMouseEnter();
}

void TvxSkinButtonObject::MouseLeave()
{
    m_mouse_in = false;
    if (!m_down || m_down_rect.IsEmpty() || !Grouped()) {
        m_active = false;
        if (MorphingEnabled() && m_down)
            SetMorphFactor(1);
        if (!m_active_rect.IsEmpty() || (!m_down_rect.IsEmpty() && !Grouped()))
            Redraw();
    }
    RaiseMouseLeave();
}

void TvxSkinButtonObject::SetDown(bool down)
{
    m_down = down;
    if (!down) {
        if (m_down_rect.IsEmpty())
            return;
        if (Grouped())
            m_active = false;
        if (MorphingEnabled())
            m_host.DrawObjectNow(*this);
        Redraw();
        return;
    }
    if (MorphingEnabled())
        SetMorphFactor(1);
    m_host.DrawObjectNow(*this);
    // A pressed grouped button releases the one of its group that was down.
    if (!Grouped() || !m_siblings)
        return;
    for (TvxActiveSkinObject* other : *m_siblings) {
        auto* button = dynamic_cast<TvxSkinButtonObject*>(other);
        if (button && button != this && button->m_group_index == m_group_index && button->m_down) {
            button->SetDown(false);
            break;
        }
    }
}

} // namespace tessel
