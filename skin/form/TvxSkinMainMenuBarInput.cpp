#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TMainMenu.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/framework/TTimer.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/data/SkinMessages.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/form/TvxSkinMainMenuBar.h"
#include "tessel/skin/form/TvxSkinMainMenuBarButton.h"
#include "tessel/skin/form/TvxSkinMainMenuBarItem.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tessel/skin/menus/TvxSkinMenu.h"

namespace tessel {

// The bar's mouse, its menus and its part in the controller's menu mode.

TvxSkinMainMenuBarItem* TvxSkinMainMenuBar::DownItem() const
{
    for (TvxSkinMainMenuBarItem* item : m_items)
        if (item->Down())
            return item;
    return nullptr;
}

TvxSkinMainMenuBarItem* TvxSkinMainMenuBar::ActiveItem() const
{
    for (TvxSkinMainMenuBarItem* item : m_items)
        if (item->Active())
            return item;
    return nullptr;
}

bool TvxSkinMainMenuBar::SkinEffectsOn() const
{
    const TvxSkinData* data = SkinData();
    return data && data->EnableSkinEffects();
}

void TvxSkinMainMenuBar::StartMorph()
{
    m_morph_timer->SetEnabled(true);
}

void TvxSkinMainMenuBar::OnMorph()
{
    bool due = false;
    for (const auto& object : m_objects)
        if (object->MorphDue()) {
            object->MorphStep();
            due = due || object->MorphDue();
        }
    if (!due)
        m_morph_timer->SetEnabled(false);
    Invalidate();
}

void TvxSkinMainMenuBar::StartAnimation()
{
    m_animation_timer->SetEnabled(true);
}

void TvxSkinMainMenuBar::OnAnimate()
{
    bool running = false, moved_any = false;
    for (TvxSkinMainMenuBarItem* item : m_items) {
        bool moved = false;
        running = item->AnimationStep(moved) || running;
        moved_any = moved_any || moved;
    }
    if (moved_any)
        Invalidate();
    if (!running)
        m_animation_timer->SetEnabled(false);
}

int TvxSkinMainMenuBar::ObjectAt(TPoint p) const
{
    for (size_t i = 0; i < m_objects.size(); ++i) {
        const TvxMenuBarObject& o = *m_objects[i];
        const bool shown = i >= m_items.size() || m_items[i]->Shown();
        if (o.Visible() && shown && o.Enabled() && o.ObjectRect().Contains(p))
            return static_cast<int>(i);
    }
    return -1;
}

void TvxSkinMainMenuBar::SetHot(int index)
{
    if (index == m_hot)
        return;
    const int old = m_hot;
    m_hot = index;
    if (old >= 0 && old < static_cast<int>(m_objects.size()))
        m_objects[static_cast<size_t>(old)]->MouseLeave();
    if (index >= 0)
        m_objects[static_cast<size_t>(index)]->MouseEnter();
}

void TvxSkinMainMenuBar::Track(TPoint p)
{
    const bool inside = TRect { 0, 0, Width(), Height() }.Contains(p);
    const bool more = inside && m_more_rect.Contains(p);
    if (more != m_more_hot) {
        m_more_hot = more;
        Invalidate();
    }
    if (m_captured >= 0)
        return;
    int index = inside ? ObjectAt(p) : -1;
    // In the menu mode the lit entry stays lit while the mouse is over no other.
    if (index < 0 && (m_menu_mode || DownItem()))
        return;
    SetHot(index);
    if (!inside)
        m_hover_timer->SetEnabled(false);
}

void TvxSkinMainMenuBar::OnHover()
{
    if (!HandleAllocated()) {
        m_hover_timer->SetEnabled(false);
        return;
    }
    Track(Wm().ScreenToClient(Handle(), Wm().Input().CursorPos()));
}

void TvxSkinMainMenuBar::MouseMove(TShiftState shift, int x, int y)
{
    TvxSkinCustomControl::MouseMove(shift, x, y);
    Track({ x, y });
    m_hover_timer->SetEnabled(true);
}

void TvxSkinMainMenuBar::MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    TvxSkinCustomControl::MouseDown(button, shift, x, y);
    SyncItems();
    Track({ x, y });
    if (button == mbLeft && m_more_rect.Contains({ x, y })) {
        ShowMore();
        return;
    }
    if (m_hot < 0)
        return;
    TvxMenuBarObject& object = *m_objects[static_cast<size_t>(m_hot)];
    if (m_closed_by_press && &object == static_cast<TvxMenuBarObject*>(m_closed_by_press)) {
        // The press closed this entry's menu: it does not open it again.
        m_closed_by_press = nullptr;
        return;
    }
    m_closed_by_press = nullptr;
    m_captured = m_hot;
    if (shift & ssDouble)
        object.DblClick();
    object.MouseDown(button);
}

void TvxSkinMainMenuBar::MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    TvxSkinCustomControl::MouseUp(button, shift, x, y);
    const int captured = m_captured;
    m_captured = -1;
    if (captured >= 0 && captured < static_cast<int>(m_objects.size())) {
        TvxMenuBarObject& object = *m_objects[static_cast<size_t>(captured)];
        object.MouseUp(button, object.ObjectRect().Contains({ x, y }));
    }
    Track({ x, y });
}

void TvxSkinMainMenuBar::Dispatch(TMessage& message)
{
    if (message.Msg == SkinMenuClosedNotice) {
        if (m_switching)
            return;
        // A press on the open entry closed its menu: that press ends there.
        TvxSkinMainMenuBarItem* open = DownItem();
        const TPoint at
            = HandleAllocated() ? Wm().ScreenToClient(Handle(), Wm().Input().CursorPos()) : TPoint {};
        m_closed_by_press
            = open && Wm().Input().IsKeyDown(VK_LBUTTON) && open->ObjectRect().Contains(at) ? open : nullptr;
        ReleasePressed();
        if (TvxVeneer* veneer = Veneer())
            veneer->LeaveSkinnedMenu();
        LeaveMenuMode();
        return;
    }
    if (message.Msg == CM_MOUSELEAVE && !m_menu_mode && !DownItem())
        SetHot(-1);
    TvxSkinCustomControl::Dispatch(message);
}

void TvxSkinMainMenuBar::ItemEntered(TvxSkinMainMenuBarItem& item)
{
    SetHint(item.MenuItem().Hint());
    if (OnItemMouseEnter)
        OnItemMouseEnter(this, &item.MenuItem());
}

void TvxSkinMainMenuBar::ItemLeft(TvxSkinMainMenuBarItem& item)
{
    if (OnItemMouseLeave)
        OnItemMouseLeave(this, &item.MenuItem());
}

void TvxSkinMainMenuBar::ItemPressed(TvxSkinMainMenuBarItem& item)
{
    if (OnMainMenuItemClick)
        OnMainMenuItemClick(this, item.IDName());
    if (item.MenuItem().Count() > 0) {
        m_menu_mode = true;
        item.SetDown(true);
        return;
    }
    // An entry without a submenu runs its command; the menu mode ends first, as the
    // command may change the menu.
    if (TvxVeneer* veneer = Veneer()) {
        veneer->LeaveMainMenuMode();
        veneer->LeaveSkinnedMenu();
    }
    LeaveMenuMode();
    m_captured = -1;
    Invalidate();
    item.MenuItem().Click();
}

void TvxSkinMainMenuBar::OpenItemMenu(TvxSkinMainMenuBarItem& item)
{
    TvxVeneer* veneer = Veneer();
    if (!veneer || !HandleAllocated())
        return;
    const TRect r = item.ObjectRect();
    const TPoint top_left = Wm().ClientToScreen(Handle(), { r.left, r.top });
    const TRect anchor = r.Offset(top_left.x - r.left, top_left.y - r.top);
    TvxSkinMenu& engine = veneer->SkinMenu();
    veneer->MainMenuOpened();
    m_switching = true;
    engine.ShowMenu(
        this, SkinData() ? SkinData() : veneer->MenusSkinData(), m_popup_to_up, item.MenuItem(), anchor, 0);
    m_switching = false;
    if (!engine.Visible())
        engine.CloseFromLevel(0);
}

void TvxSkinMainMenuBar::ShowMore()
{
    TvxVeneer* veneer = Veneer();
    if (!veneer || !m_main_menu || !HandleAllocated())
        return;
    // The popup lists the top-level items from the first hidden one on.
    int start = -1;
    for (TvxSkinMainMenuBarItem* item : m_items)
        if (!item->Shown()) {
            start = item->MenuItem().MenuIndex();
            break;
        }
    if (start < 0)
        return;
    const TPoint top_left = Wm().ClientToScreen(Handle(), { m_more_rect.left, m_more_rect.top });
    const TRect anchor = m_more_rect.Offset(top_left.x - m_more_rect.left, top_left.y - m_more_rect.top);
    veneer->EnterSkinnedMenu();
    veneer->SkinMenu().ShowMenu(this, SkinData() ? SkinData() : veneer->MenusSkinData(), m_popup_to_up,
        m_main_menu->Items(), anchor, start);
    if (!veneer->SkinMenu().Visible())
        veneer->SkinMenu().CloseFromLevel(0);
}

void TvxSkinMainMenuBar::EnterMenuMode()
{
    SyncItems();
    m_menu_mode = true;
    TvxMainMenuKeys::Enter(Entries());
}

void TvxSkinMainMenuBar::LeaveMenuMode()
{
    m_menu_mode = false;
    // Entries the keyboard lit go out; the one under the mouse stays lit.
    const TvxMenuBarObject* hot = m_hot >= 0 && m_hot < static_cast<int>(m_objects.size())
        ? m_objects[static_cast<size_t>(m_hot)].get()
        : nullptr;
    for (TvxSkinMainMenuBarItem* item : m_items)
        if (item->Active() && !item->Down() && item != hot)
            item->MouseLeave();
    Invalidate();
}

void TvxSkinMainMenuBar::ReleasePressed()
{
    if (TvxSkinMainMenuBarItem* open = DownItem())
        open->SetDown(false);
}

void TvxSkinMainMenuBar::ButtonCommand(TvxSkinMainMenuBarButton& button)
{
    TCustomForm* child = m_child;
    if (!child)
        return;
    TvxVeneer* child_veneer = TvxVeneer::Of(*child);
    switch (button.Command()) {
    case vxmbClose:
        child->Close();
        return;
    case vxmbMaximize:
    case vxmbMinimize: {
        const bool min = button.Command() == vxmbMinimize;
        if (child_veneer)
            child_veneer->SetFrameState(min ? TvxFrameState::Minimized : TvxFrameState::Normal);
        else
            child->SetWindowState(min ? wsMinimized : wsNormal);
        return;
    }
    case vxmbSystemMenu:
        if (child_veneer && HandleAllocated()) {
            const TRect r = button.ObjectRect();
            const TPoint at = Wm().ClientToScreen(Handle(), { r.left, r.top });
            child_veneer->ShowSystemMenu(r.Offset(at.x - r.left, at.y - r.top));
            button.MouseUp(mbLeft, false);
        }
        return;
    }
}

void TvxSkinMainMenuBar::CloseMaximizedChild()
{
    if (m_child)
        m_child->Close();
}

} // namespace tessel
