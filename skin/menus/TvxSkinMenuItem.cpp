#include "tessel/skin/menus/TvxSkinMenuItem.h"

#include "tessel/framework/TMenuItem.h"
#include "tessel/skin/data/TvxDataSkinMenuItem.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/menus/TvxSkinPopupWindow.h"

#include <algorithm>
#include <cmath>

namespace tessel {

TvxSkinMenuItem::TvxSkinMenuItem(TvxSkinPopupWindow& window, TMenuItem& item)
    : m_window(window)
    , m_item(item)
{ }

bool TvxSkinMenuItem::Separator() const
{
    return m_item.Caption() == "-";
}

bool TvxSkinMenuItem::Header() const
{
    const std::string& c = m_item.Caption();
    return !m_item.Enabled() && c.size() > 1 && c.front() == '-' && c.back() == '-';
}

bool TvxSkinMenuItem::Selectable() const
{
    return m_item.Enabled() && !Separator();
}

const TvxDataSkinMenuItem* TvxSkinMenuItem::Record() const
{
    return m_window.Frame().ItemRecord();
}

bool TvxSkinMenuItem::Effects() const
{
    const TvxSkinData* data = m_window.Frame().Data();
    return data && data->EnableSkinEffects() && Record();
}

bool TvxSkinMenuItem::CanMorph() const
{
    return Effects() && Record()->morphing;
}

bool TvxSkinMenuItem::CanAnimate() const
{
    return Effects() && !Record()->animateskinrect.IsEmpty() && Record()->framecount > 0;
}

bool TvxSkinMenuItem::ShowsFrame() const
{
    return CanAnimate() && m_frame > 0 && m_frame <= Record()->framecount;
}

bool TvxSkinMenuItem::EffectStep()
{
    if (CanAnimate()) {
        const TvxDataSkinMenuItem& r = *Record();
        if (m_active && m_frame <= r.framecount) {
            ++m_frame;
            return true;
        }
        if (!m_active && m_frame > 0) {
            --m_frame;
            return true;
        }
        return false;
    }
    if (CanMorph()) {
        double target = Target();
        if (m_morph == target)
            return false;
        m_morph = target > m_morph ? std::min(1.0, m_morph + 0.2) : std::max(0.0, m_morph - 0.2);
        // Floating steps land on the target exactly.
        if (std::abs(m_morph - target) < 1e-9)
            m_morph = target;
        return true;
    }
    return false;
}

} // namespace tessel
