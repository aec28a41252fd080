#include "tessel/skin/form/TvxSkinMainMenuBarItem.h"

#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/skin/controls/TvxBuiltInLook.h"
#include "tessel/skin/data/TvxDataSkinMainMenuItem.h"
#include "tessel/skin/form/TvxMainMenuItemLook.h"
#include "tessel/skin/form/TvxSkinMainMenuBar.h"

namespace tessel {

TvxSkinMainMenuBarItem::TvxSkinMainMenuBarItem(
    TvxSkinMainMenuBar& bar, const TvxDataSkinMainMenuItem* record, TMenuItem& item)
    : TvxMenuBarObject(bar, record, item.Name())
    , m_record(record)
    , m_item(&item)
{
    if (m_record && m_down_rect.IsEmpty())
        m_down_rect = m_record->downrect;
    if (!m_record || m_record->textrect.IsEmpty())
        m_picture = nullptr;
    if (m_picture)
        m_animation = TvxFrameAnimation(m_record->animateskinrect, m_record->framecount,
            m_record->animateinterval, m_record->inactiveanimation, m_record->skinrect.Height());
    m_enabled = item.Enabled();
}

void TvxSkinMainMenuBarItem::Animate()
{
    if (!m_animation.Exists() || !m_bar.SkinEffectsOn())
        return;
    m_animation.Start(m_active);
    m_bar.StartAnimation();
}

bool TvxSkinMainMenuBarItem::AnimationStep(bool& moved)
{
    moved = false;
    return m_animation.Exists() && m_bar.SkinEffectsOn() && m_animation.Step(m_active, moved);
}

bool TvxSkinMainMenuBarItem::Reachable() const
{
    return m_shown && m_visible && m_item->Enabled();
}

int TvxSkinMainMenuBarItem::NaturalWidth(TCanvas& canvas) const
{
    if (Skinned() && m_bar.UseSkinFont())
        return TvxMainMenuItemLook::Width(canvas, *m_record, m_item->Caption());
    TRect measured { 0, 0, 0, 0 };
    canvas.DrawText(m_item->Caption(), measured, DT_CALCRECT | DT_SINGLELINE);
    return measured.Width() + 14;
}

void TvxSkinMainMenuBarItem::Draw(TCanvas& canvas)
{
    const int w = m_rect.Width(), h = m_rect.Height();
    if (w <= 0 || h <= 0 || !m_shown)
        return;
    const bool enabled = m_item->Enabled();
    if (Skinned()) {
        const auto state = m_down ? TvxMainMenuItemLook::sDown
            : !enabled            ? TvxMainMenuItemLook::sDisabled
            : m_active            ? TvxMainMenuItemLook::sActive
                                  : TvxMainMenuItemLook::sNormal;
        auto image = [&](const TRect& source) {
            return TvxMainMenuItemLook::Image(*m_record, *m_picture, source, w, h, m_item->Caption(), state);
        };
        TBitmap look = !m_down && m_animation.ShowsFrame() && m_bar.SkinEffectsOn()
            ? image(m_animation.FrameRect(m_animation.CurrentFrame()))
            : TvxMainMenuItemLook::Choose(image, m_skin_rect, m_active_rect, m_down_rect, m_down, m_active,
                Morphing(), m_morph, m_morph_kind);
        canvas.Draw(m_rect.left, m_rect.top, look);
        return;
    }
    // The built-in look: lit like a built-in caption button, the caption moved a
    // pixel while down.
    if (m_down || m_active)
        TvxBuiltInLook::Fill(canvas, m_rect, TvxBuiltInLook::kFrame,
            m_down ? TvxBuiltInLook::kDownFill : TvxBuiltInLook::kHotFill);
    canvas.Font().Assign(m_bar.DefItemFont());
    if (!enabled)
        canvas.Font().SetColor(clGrayText);
    canvas.Brush().SetStyle(bsClear);
    TRect text = m_down ? m_rect.Offset(1, 1) : m_rect;
    canvas.DrawText(m_item->Caption(), text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    canvas.Brush().SetStyle(bsSolid);
}

void TvxSkinMainMenuBarItem::SetActive(bool active)
{
    m_active = active;
    Redraw();
}

void TvxSkinMainMenuBarItem::MouseEnter()
{
    if (TvxSkinMainMenuBarItem* open = m_bar.DownItem(); open && open != this) {
        // A menu is open: it moves here without a click.
        open->SetDown(false);
        m_mouse_in = m_active = true;
        m_morph = 1;
        m_bar.ItemEntered(*this);
        SetDown(true);
        return;
    }
    if (TvxSkinMainMenuBarItem* lit = m_bar.ActiveItem(); lit && lit != this)
        lit->MouseLeave();
    TvxMenuBarObject::MouseEnter();
    Animate();
    m_bar.ItemEntered(*this);
}

void TvxSkinMainMenuBarItem::MouseLeave()
{
    m_mouse_in = m_active = false;
    if (Morphing() && m_down)
        m_morph = 0;
    Animate();
    Redraw();
    m_bar.ItemLeft(*this);
}

void TvxSkinMainMenuBarItem::MouseDown(TMouseButtonKind button)
{
    if (button != mbLeft || !Reachable())
        return;
    m_bar.ItemPressed(*this);
}

void TvxSkinMainMenuBarItem::SetDown(bool down)
{
    m_down = down;
    if (down) {
        m_bar.Repaint();
        m_bar.OpenItemMenu(*this);
        return;
    }
    m_active = false;
    if (Morphing())
        m_morph = 1;
    Redraw();
}

} // namespace tessel
