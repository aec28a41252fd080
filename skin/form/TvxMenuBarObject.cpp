#include "tessel/skin/form/TvxMenuBarObject.h"

#include "tessel/skin/data/TvxDataSkinButton.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/form/TvxSkinMainMenuBar.h"

#include <algorithm>

namespace tessel {

TvxMenuBarObject::TvxMenuBarObject(
    TvxSkinMainMenuBar& bar, const TvxDataSkinObject* record, const std::string& id_name)
    : m_bar(bar)
    , m_id_name(id_name)
{
    const TvxSkinData* data = bar.SkinData();
    if (!record || !data || data->Empty())
        return;
    m_picture = data->ActivePicture(record->activepictureindex);
    if (m_picture && m_picture->Empty())
        m_picture = nullptr;
    m_skin_rect = record->skinrect;
    m_active_rect = record->activeskinrect;
    if (auto* button = dynamic_cast<const TvxDataSkinButton*>(record))
        m_down_rect = button->downrect;
    // Without an active look nothing morphs.
    m_morphing = record->morphing && !m_active_rect.IsEmpty();
    m_morph_kind = record->morphkind;
    if (m_skin_rect.IsEmpty())
        m_picture = nullptr;
}

bool TvxMenuBarObject::Morphing() const
{
    return m_morphing && m_bar.SkinEffectsOn();
}

bool TvxMenuBarObject::MorphDue() const
{
    return Morphing() && ((m_active && m_morph < 1) || (!m_active && m_morph > 0));
}

void TvxMenuBarObject::MorphStep()
{
    m_morph = std::clamp(m_morph + (m_active ? 0.2 : -0.2), 0.0, 1.0);
}

void TvxMenuBarObject::Redraw()
{
    if (Morphing())
        m_bar.StartMorph();
    else
        m_bar.Invalidate();
}

void TvxMenuBarObject::MouseEnter()
{
    m_mouse_in = m_active = true;
    Redraw();
}

void TvxMenuBarObject::MouseLeave()
{
    m_mouse_in = m_active = false;
    Redraw();
}

void TvxMenuBarObject::MouseDown(TMouseButtonKind button)
{
    if (button == mbLeft && m_enabled) {
        m_down = true;
        m_bar.Invalidate();
    }
}

void TvxMenuBarObject::MouseUp(TMouseButtonKind, bool)
{
    if (m_down) {
        m_down = false;
        m_bar.Invalidate();
    }
}

} // namespace tessel
