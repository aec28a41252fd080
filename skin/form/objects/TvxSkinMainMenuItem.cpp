#include "tessel/skin/form/objects/TvxSkinMainMenuItem.h"

#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/skin/data/TvxDataSkinMainMenuItem.h"
#include "tessel/skin/form/TvxMainMenuItemLook.h"
#include "tessel/skin/form/objects/TvxFrameObjectHost.h"
#include "tessel/skin/form/objects/TvxMainMenuHost.h"

namespace tessel {

TvxSkinMainMenuItem::TvxSkinMainMenuItem(
    TvxFrameObjectHost& host, TvxMainMenuHost& menus, const TvxDataSkinMainMenuItem& record, TMenuItem& item)
    : TvxActiveSkinObject(host, record)
    , m_menus(menus)
    , m_record(record)
    , m_item(&item)
    , m_down_rect(record.downrect)
    , m_animation(record.animateskinrect, record.framecount, record.animateinterval, record.inactiveanimation,
          record.skinrect.Height())
{
    m_id_name = item.Name();
    m_hint = item.Hint();
    if (m_down_rect.IsEmpty())
        m_down_rect = m_active_rect.IsEmpty() ? m_skin_rect : m_active_rect;
    // Without an active look there is nothing to morph to.
    if (m_active_rect.IsEmpty())
        m_morphing = false;
}

bool TvxSkinMainMenuItem::Reachable() const
{
    return m_shown && Visible() && m_item->Enabled();
}

int TvxSkinMainMenuItem::NaturalWidth() const
{
    TBitmap scratch(1, 1);
    TvxMainMenuItemLook::UseFont(scratch.Canvas(), m_record);
    return TvxMainMenuItemLook::Width(scratch.Canvas(), m_record, m_item->Caption());
}

void TvxSkinMainMenuItem::SetShown(bool shown)
{
    m_shown = shown;
    SetVisible(shown);
}

bool TvxSkinMainMenuItem::AnimationStep()
{
    if (!m_animation.Exists() || !m_host.SkinEffects())
        return false;
    bool moved = false;
    const bool running = m_animation.Step(m_active, moved);
    if (moved)
        m_host.DrawObjectNow(*this);
    return running;
}

bool TvxSkinMainMenuItem::CanMorphing() const
{
    return !m_down && TvxActiveSkinObject::CanMorphing();
}

void TvxSkinMainMenuItem::Draw(TCanvas& canvas, bool)
{
    const TBitmap* picture = ActivePicture();
    const int w = m_object_rect.Width(), h = m_object_rect.Height();
    if (!SkinLoaded() || !picture || !m_shown || m_skin_rect.IsEmpty() || m_record.textrect.IsEmpty()
        || w <= 0)
        return;
    const auto state = m_down ? TvxMainMenuItemLook::sDown
        : !m_item->Enabled()  ? TvxMainMenuItemLook::sDisabled
        : m_active            ? TvxMainMenuItemLook::sActive
                              : TvxMainMenuItemLook::sNormal;
    auto image = [&](const TRect& source) {
        return TvxMainMenuItemLook::Image(m_record, *picture, source, w, h, m_item->Caption(), state);
    };
    TBitmap look = !m_down && m_animation.ShowsFrame() && m_host.SkinEffects()
        ? image(m_animation.FrameRect(m_animation.CurrentFrame()))
        : TvxMainMenuItemLook::Choose(image, m_skin_rect, m_active_rect, m_down_rect, m_down, m_active,
            MorphingEnabled(), m_morph_factor, m_morph_kind);
    canvas.Draw(m_object_rect.left, m_object_rect.top, look);
}

void TvxSkinMainMenuItem::SetActive(bool active)
{
    m_active = active;
    Redraw();
}

void TvxSkinMainMenuItem::MouseEnter()
{
    if (TvxSkinMainMenuItem* open = m_menus.DownMainMenuItem(); open && open != this) {
        // A menu is open: it moves here without a click.
        open->SetDown(false);
        m_mouse_in = m_active = true;
        SetMorphFactor(1);
        SetDown(true);
        RaiseMouseEnter();
        return;
    }
    if (TvxSkinMainMenuItem* lit = m_menus.ActiveMainMenuItem(); lit && lit != this)
        lit->MouseLeave();
    m_mouse_in = m_active = true;
    Animate();
    Redraw();
    RaiseMouseEnter();
}

void TvxSkinMainMenuItem::Animate()
{
    if (!m_animation.Exists() || !m_host.SkinEffects())
        return;
    m_animation.Start(m_active);
    m_host.StartAnimationTimer();
}

void TvxSkinMainMenuItem::MouseLeave()
{
    m_mouse_in = m_active = false;
    if (MorphingEnabled() && m_down)
        SetMorphFactor(0);
    Animate();
    Redraw();
    RaiseMouseLeave();
}

void TvxSkinMainMenuItem::MouseDown(int x, int y, TMouseButtonKind button)
{
    if (button == mbLeft && Reachable() && !m_menus.PressClosedMenuOf(*this)) {
        if (m_item->Count() > 0) {
            SetDown(true);
        } else {
            SetDown(false);
            m_menus.RunMainMenuItem(*this);
            return; // the command may have changed the menu, and this entry with it
        }
    }
    TvxActiveSkinObject::MouseDown(x, y, button);
}

void TvxSkinMainMenuItem::SetDown(bool down)
{
    m_down = down;
    if (down) {
        m_host.DrawObjectNow(*this);
        m_menus.OpenMainMenuItem(*this);
        return;
    }
    m_active = false;
    if (MorphingEnabled())
        SetMorphFactor(1);
    Redraw();
}

} // namespace tessel
