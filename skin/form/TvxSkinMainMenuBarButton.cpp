#include "tessel/skin/form/TvxSkinMainMenuBarButton.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/skin/controls/TvxBuiltInLook.h"
#include "tessel/skin/draw/TvxSymbols.h"
#include "tessel/skin/form/TvxSkinMainMenuBar.h"

#include <algorithm>

namespace tessel {

TvxSkinMainMenuBarButton::TvxSkinMainMenuBarButton(TvxSkinMainMenuBar& bar, const TvxDataSkinObject* record,
    const std::string& id_name, TvxMenuBarCommand command)
    : TvxMenuBarObject(bar, record, id_name)
    , m_command(command)
{ }

int TvxSkinMainMenuBarButton::Width(int area_height) const
{
    if (Skinned())
        return m_skin_rect.Width();
    return m_command == vxmbSystemMenu ? area_height : std::max(area_height - 2, 1);
}

int TvxSkinMainMenuBarButton::Height(int area_height) const
{
    return Skinned() ? m_skin_rect.Height() : Width(area_height);
}

void TvxSkinMainMenuBarButton::Draw(TCanvas& canvas)
{
    if (!m_visible || m_rect.IsEmpty())
        return;
    if (Skinned()) {
        const TRect& look = m_down && !m_down_rect.IsEmpty() ? m_down_rect
            : m_active && !m_active_rect.IsEmpty()           ? m_active_rect
                                                             : m_skin_rect;
        canvas.CopySurface(m_rect, m_picture->Surface(), look);
        return;
    }
    if (m_down || m_active)
        TvxBuiltInLook::Fill(canvas, m_rect, TvxBuiltInLook::kFrame,
            m_down ? TvxBuiltInLook::kDownFill : TvxBuiltInLook::kHotFill);
    static constexpr TvxCaptionSymbol kSymbols[] = { vxcsClose, vxcsRestore, vxcsMinimize, vxcsSystemMenu };
    // The symbols are 9 pixels square.
    const int x = m_rect.left + (m_rect.Width() - 9) / 2, y = m_rect.top + (m_rect.Height() - 9) / 2;
    TvxSymbols::DrawCaptionSymbol(canvas, x, y, clBtnText, kSymbols[m_command]);
}

void TvxSkinMainMenuBarButton::MouseDown(TMouseButtonKind button)
{
    TvxMenuBarObject::MouseDown(button);
    if (button == mbLeft && m_command == vxmbSystemMenu)
        m_bar.ButtonCommand(*this);
}

void TvxSkinMainMenuBarButton::MouseUp(TMouseButtonKind button, bool inside)
{
    const bool was_down = m_down;
    TvxMenuBarObject::MouseUp(button, inside);
    if (button == mbLeft && was_down && inside && m_command != vxmbSystemMenu)
        m_bar.ButtonCommand(*this);
}

void TvxSkinMainMenuBarButton::DblClick()
{
    // A double click on the system-menu button closes the child.
    if (m_command == vxmbSystemMenu)
        m_bar.CloseMaximizedChild();
}

} // namespace tessel
