#include "tessel/framework/ShortCuts.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/framework/TTimer.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/data/TvxDataSkinMenuItem.h"
#include "tessel/skin/menus/TvxSkinMenu.h"
#include "tessel/skin/menus/TvxSkinPopupWindow.h"

#include <algorithm>
#include <cstdlib>

namespace tessel {

// The popup window's mouse, keys and item effects.

void TvxSkinPopupWindow::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_MOUSEMOVE:
        m_last_cursor = Wm().Input().CursorPos();
        HoverAt(PointFromParam(message.LParam));
        return;
    case WM_LBUTTONUP:
        ReleaseAt(PointFromParam(message.LParam));
        return;
    default:
        TvxFloatingPopup::Dispatch(message);
    }
}

void TvxSkinPopupWindow::OnPollTimer()
{
    TPoint cursor = Wm().Input().CursorPos();
    if (cursor == m_last_cursor || m_closed)
        return;
    m_last_cursor = cursor;
    if (Wm().WindowFromPoint(cursor) == Handle()) {
        HoverAt(Wm().ScreenToClient(Handle(), cursor));
    } else if (m_scrollable && m_marker != mkNone) {
        m_marker = mkNone;
        m_scroll_timer->SetEnabled(false);
        Redraw();
    }
}

void TvxSkinPopupWindow::OnScrollTimer()
{
    if (m_marker == mkNone) {
        m_scroll_timer->SetEnabled(false);
        return;
    }
    int before = m_first_visible;
    Scroll(m_marker == mkUp ? -1 : 1, false);
    if (before == m_first_visible)
        m_scroll_timer->SetEnabled(false);
}

void TvxSkinPopupWindow::HoverAt(TPoint p)
{
    if (m_closed)
        return;
    if (m_scrollable) {
        bool on_up = UpMarker().Contains(p), on_down = DownMarker().Contains(p);
        TMarker wanted = mkNone;
        if (on_up && m_first_visible > 0)
            wanted = mkUp;
        else if (on_down && m_first_visible < LastStart())
            wanted = mkDown;
        if (wanted != mkNone && m_marker == mkNone) {
            m_marker = wanted;
            Redraw();
            m_engine.CloseDeeperThan(*this);
            m_scroll_timer->SetEnabled(false);
            m_scroll_timer->SetEnabled(true);
        } else if (!on_up && !on_down && m_marker != mkNone) {
            m_marker = mkNone;
            Redraw();
            m_scroll_timer->SetEnabled(false);
        }
        if (on_up || on_down)
            return;
    }
    int hit = -1;
    for (int i = 0; i < ItemCount(); ++i)
        if (Item(i).InView() && Item(i).ItemRect().Contains(p)) {
            hit = i;
            break;
        }
    if (hit < 0)
        return;
    TvxSkinMenuItem& item = Item(hit);
    if (hit == m_selected) {
        if (item.Preselected()) {
            item.SetPreselected(false);
            if (item.MenuItem().Count() > 0)
                EnterItem(item, false);
        }
        return;
    }
    Select(hit, false);
}

void TvxSkinPopupWindow::Select(int index, bool from_keyboard)
{
    if (TvxSkinMenuItem* old = SelectedItem(); old && old->Selectable())
        LeaveItem(*old);
    m_selected = index;
    if (TvxSkinMenuItem* item = SelectedItem(); item && item->Selectable())
        EnterItem(*item, from_keyboard);
}

void TvxSkinPopupWindow::ReleaseAt(TPoint p)
{
    bool over = false;
    for (const auto& item : m_items)
        over = over || (item->InView() && item->ItemRect().Contains(p));
    if (!over || m_selected < 0)
        return;
    HoverAt(p);
    if (TvxSkinMenuItem* item = SelectedItem(); item && !item->Separator())
        ClickItem(*item);
}

void TvxSkinPopupWindow::EnterItem(TvxSkinMenuItem& item, bool from_keyboard)
{
    item.SetActive(true);
    if (item.CanAnimate())
        item.SetFrame(0);
    for (const auto& other : m_items)
        if (other.get() != &item && other->Open()) {
            other->SetOpen(false);
            RestartEffect(*other);
        }
    SetHint(item.MenuItem().Hint());
    if (item.Preselected() && !from_keyboard) {
        RestartEffect(item);
        return;
    }
    if (item.Open()) {
        int level = m_engine.LevelOf(*this);
        m_engine.CloseFromLevel(level + 2);
        if (level + 1 < m_engine.LevelCount())
            m_engine.Level(level + 1).ClearOpen();
        return;
    }
    RestartEffect(item);
    m_engine.ItemAction(*this, item, from_keyboard, false);
}

void TvxSkinPopupWindow::LeaveItem(TvxSkinMenuItem& item)
{
    item.SetPreselected(false);
    item.SetActive(false);
    if (item.CanAnimate())
        item.SetFrame(m_frame.ItemRecord()->framecount + 1);
    if (!item.Open())
        RestartEffect(item);
    if (m_engine.PendingItem() == &item) {
        m_engine.StopWait();
        m_engine.ClearPending();
    }
}

void TvxSkinPopupWindow::ClickItem(TvxSkinMenuItem& item)
{
    item.SetPreselected(false);
    if (!item.Open() && item.MenuItem().Enabled())
        m_engine.ItemAction(*this, item, false, true);
}

void TvxSkinPopupWindow::ClearOpen()
{
    for (const auto& item : m_items)
        if (item->Open()) {
            item->SetOpen(false);
            RestartEffect(*item);
        }
}

bool TvxSkinPopupWindow::CharKey(uint32_t ch)
{
    for (int i = 0; i < ItemCount(); ++i) {
        TvxSkinMenuItem& item = Item(i);
        if (item.Separator() || !IsAccel(static_cast<char32_t>(ch), item.MenuItem().Caption()))
            continue;
        // A disabled item is highlighted but not run.
        if (TvxSkinMenuItem* old = SelectedItem(); old && old != &item && old->Selectable())
            LeaveItem(*old);
        m_selected = i;
        EnterItem(item, true);
        ClickItem(item);
        return true;
    }
    return false;
}

bool TvxSkinPopupWindow::TakeKey(uint16_t key)
{
    int level = m_engine.LevelOf(*this);
    TvxSkinMenuItem* selected = SelectedItem();
    switch (key) {
    case VK_RETURN:
        if (selected && !selected->Separator())
            ClickItem(*selected);
        return true;
    case VK_ESCAPE:
    case VK_LEFT:
        if (key == VK_LEFT && m_engine.LevelCount() < 2)
            return true;
        if (level <= 0) {
            m_engine.CloseMenus();
        } else {
            m_engine.CloseFromLevel(level);
            TvxSkinPopupWindow& parent = m_engine.Level(level - 1);
            if (TvxSkinMenuItem* item = parent.SelectedItem()) {
                item->SetOpen(false);
                parent.RestartEffect(*item);
            }
        }
        return true;
    case VK_RIGHT:
        if (selected && selected->MenuItem().Count() > 0)
            ClickItem(*selected);
        return true;
    case VK_UP:
    case VK_DOWN: {
        int step = key == VK_UP ? -1 : 1;
        int n = ItemCount();
        int index = m_selected;
        for (int tries = 0; tries < n; ++tries) {
            index = index < 0 ? (step > 0 ? 0 : n - 1) : (index + step + n) % n;
            if (Item(index).Selectable())
                break;
        }
        if (index < 0 || index >= n || !Item(index).Selectable() || index == m_selected)
            return true;
        Select(index, true);
        // The window follows the selection, round the ends as well.
        for (int tries = 0; tries < n && m_marker == mkNone && !Item(index).InView(); ++tries)
            Scroll(step, true);
        return true;
    }
    case VK_PRIOR:
    case VK_NEXT: {
        // A page: as many items as show, no further than the ends.
        const int step = key == VK_PRIOR ? -1 : 1;
        int shown = 0;
        for (const auto& item : m_items)
            shown += item->InView() ? 1 : 0;
        const int from = m_selected >= 0 ? m_selected : (step > 0 ? -1 : ItemCount());
        const int target = std::clamp(from + step * std::max(shown - 1, 1), 0, ItemCount() - 1);
        // The selectable item at the target or, past a separator, the nearest one
        // back towards the selection; beyond the target when that is no move.
        int index = SelectableFrom(target, -step);
        if (index < 0 || (m_selected >= 0 && (index - m_selected) * step <= 0))
            index = SelectableFrom(target, step);
        if (index >= 0)
            SelectInView(index);
        return true;
    }
    case VK_HOME:
    case VK_END:
        if (int index = key == VK_HOME ? SelectableFrom(0, 1) : SelectableFrom(ItemCount() - 1, -1);
            index >= 0)
            SelectInView(index);
        return true;
    default:
        return true;
    }
}

int TvxSkinPopupWindow::SelectableFrom(int index, int direction) const
{
    for (; index >= 0 && index < ItemCount(); index += direction)
        if (Item(index).Selectable())
            return index;
    return -1;
}

void TvxSkinPopupWindow::SelectInView(int index)
{
    if (index != m_selected)
        Select(index, true);
    if (m_marker != mkNone)
        return;
    const int direction = index < m_first_visible ? -1 : 1;
    for (int tries = 0; tries < ItemCount() && !Item(index).InView(); ++tries) {
        const int before = m_first_visible;
        Scroll(direction, false);
        if (m_first_visible == before)
            break;
    }
}

void TvxSkinPopupWindow::Wheel(int notches)
{
    if (!m_scrollable || notches == 0)
        return;
    const int direction = notches > 0 ? -1 : 1;
    for (int i = 0; i < 3 * std::abs(notches); ++i)
        Scroll(direction, false);
    if (m_selected < 0 || Item(m_selected).InView())
        return;
    // A selection the view left behind moves to the nearest item showing.
    int first = -1, last = -1;
    for (int i = 0; i < ItemCount(); ++i)
        if (Item(i).InView() && Item(i).Selectable()) {
            first = first < 0 ? i : first;
            last = i;
        }
    if (int index = m_selected < first ? first : last; index >= 0)
        Select(index, true);
}

void TvxSkinPopupWindow::RestartEffect(TvxSkinMenuItem& item)
{
    const TvxDataSkinMenuItem* rec = m_frame.ItemRecord();
    if (item.CanAnimate()) {
        if (!item.Active() && !rec->inactiveanimation) {
            item.SetFrame(0);
            Redraw();
            return;
        }
        m_effect_timer->SetInterval(static_cast<uint32_t>(std::max(rec->animateinterval, 1)));
        m_effect_timer->SetEnabled(true);
        return;
    }
    if (item.CanMorph()) {
        m_effect_timer->SetInterval(20);
        m_effect_timer->SetEnabled(true);
        return;
    }
    Redraw();
}

void TvxSkinPopupWindow::OnEffectTimer()
{
    bool changed = false;
    for (const auto& item : m_items)
        if (item->InView())
            changed = item->EffectStep() || changed;
    if (changed)
        Redraw();
    else
        m_effect_timer->SetEnabled(false);
}

} // namespace tessel
