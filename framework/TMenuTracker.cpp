#include "tessel/framework/TMenuTracker.h"

#include "tessel/framework/ShortCuts.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/platform/TWindowManager.h"

#include <algorithm>

namespace tessel {

namespace {

bool Selectable(const TMenuItem* item)
{
    return !item->IsLine();
}

} // namespace

TMenuTracker& TMenuTracker::Instance()
{
    static TMenuTracker tracker;
    return tracker;
}

void TMenuTracker::Open(TMenuItem& root, TImageList* images, TPoint at, TChoose choose, TClosed closed)
{
    Close();
    bool any = false;
    for (int i = 0; i < root.Count(); ++i)
        any = any || root.Items(i)->Visible();
    if (!any)
        return;
    m_root = &root;
    m_images = images;
    m_choose = std::move(choose);
    m_closed = std::move(closed);
    m_timer_window = std::make_unique<TUtilityWindow>([this](TMessage& m) {
        if (m.Msg == WM_TIMER)
            TimerFired();
        else if (m.Msg == WM_CANCELMODE)
            Close();
        else
            return false;
        return true;
    });
    auto window = std::make_unique<TMenuWindow>(root, images);
    TPoint size = window->MeasuredSize();
    TRect screen = Wm().Backend().WorkArea();
    if (at.x + size.x > screen.right)
        at.x = std::max(screen.left, screen.right - size.x);
    if (at.y + size.y > screen.bottom)
        at.y = std::max(screen.top, at.y - size.y);
    window->ShowAt(at);
    Wm().Input().SetCapture(window->Handle());
    m_levels.push_back(std::move(window));
    m_hook = Application().AddMessageHook([this](MSG& msg, bool& handled) { handled = HandleMessage(msg); });
}

void TMenuTracker::Close()
{
    if (m_levels.empty())
        return;
    Application().RemoveMessageHook(m_hook);
    m_hook = 0;
    if (Wm().Input().GetCapture() == m_levels.front()->Handle())
        Wm().Input().ReleaseCapture();
    while (!m_levels.empty())
        m_levels.pop_back();
    m_timer_window.reset();
    m_pending_level = -1;
    m_root = nullptr;
    TClosed closed = std::move(m_closed);
    m_closed = nullptr;
    m_choose = nullptr;
    if (closed)
        closed();
}

void TMenuTracker::CaptureLost(HWND window)
{
    // The windows may not go while one of them handles the notice: close from the queue.
    if (!m_levels.empty() && window == m_levels.front()->Handle() && m_timer_window)
        Wm().PostMessage(m_timer_window->Handle(), WM_CANCELMODE);
}

void TMenuTracker::MenuGone(const TMenuItem* root)
{
    if (m_root == root && root) {
        m_closed = nullptr;
        Close();
    }
}

int TMenuTracker::LevelAt(TPoint screen) const
{
    for (int i = LevelCount() - 1; i >= 0; --i)
        if (Level(i).BoundsRect().Contains(screen))
            return i;
    return -1;
}

void TMenuTracker::Select(int level, int index)
{
    // Selecting in a level closes the submenus of other items below it.
    if (level + 1 < LevelCount() && (index < 0 || &Level(level + 1).ParentItem() != Level(level).Item(index)))
        CloseFrom(level + 1);
    Level(level).SetSelected(index);
}

void TMenuTracker::Move(int level, int step)
{
    TMenuWindow& w = Level(level);
    int n = w.ItemCount();
    int index = w.Selected();
    for (int tries = 0; tries < n; ++tries) {
        index = index < 0 ? (step > 0 ? 0 : n - 1) : (index + step + n) % n;
        if (Selectable(w.Item(index))) {
            Select(level, index);
            return;
        }
    }
}

void TMenuTracker::OpenSubmenu(int level)
{
    TMenuWindow& w = Level(level);
    if (w.Selected() < 0)
        return;
    TMenuItem* item = w.Item(w.Selected());
    if (!item->Enabled() || item->Count() == 0)
        return;
    if (level + 1 < LevelCount() && &Level(level + 1).ParentItem() == item)
        return;
    CloseFrom(level + 1);
    auto sub = std::make_unique<TMenuWindow>(*item, m_images);
    bool any = sub->ItemCount() > 0;
    if (!any)
        return;
    TRect parent = w.BoundsRect();
    TRect row = w.ItemRect(w.Selected());
    TPoint size = sub->MeasuredSize();
    TPoint at { parent.right - TMenuWindow::kBorder, parent.top + row.top - TMenuWindow::kBorder };
    TRect screen = Wm().Backend().WorkArea();
    if (at.x + size.x > screen.right)
        at.x = std::max(screen.left, parent.left - size.x + TMenuWindow::kBorder);
    if (at.y + size.y > screen.bottom)
        at.y = std::max(screen.top, screen.bottom - size.y);
    sub->ShowAt(at);
    m_levels.push_back(std::move(sub));
}

void TMenuTracker::EnterSubmenu(int level)
{
    OpenSubmenu(level);
    if (LevelCount() > level + 1)
        Move(level + 1, 1);
}

void TMenuTracker::CloseFrom(int level)
{
    while (LevelCount() > std::max(level, 1))
        m_levels.pop_back();
}

void TMenuTracker::Choose(TMenuItem* item)
{
    if (!item->Enabled() || item->IsLine() || item->Count() > 0)
        return;
    TChoose choose = m_choose;
    Close();
    if (choose)
        choose(item);
}

void TMenuTracker::TimerFired()
{
    if (m_timer_window)
        Wm().KillTimer(m_timer_window->Handle(), 1);
    int level = m_pending_level;
    m_pending_level = -1;
    if (level >= 0 && level < LevelCount())
        OpenSubmenu(level);
}

bool TMenuTracker::HandleMouse(const MSG& msg)
{
    TPoint p = PointFromParam(msg.lParam);
    bool nonclient = msg.message >= WM_NCMOUSEMOVE && msg.message <= WM_NCMBUTTONDBLCLK;
    TPoint screen = nonclient ? p : Wm().ClientToScreen(msg.hwnd, p);
    int level = LevelAt(screen);
    int index = -1;
    if (level >= 0)
        index = Level(level).ItemAt(Level(level).ScreenToClient(screen));
    switch (msg.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
        if (level < 0)
            return true;
        if (index >= 0 && Selectable(Level(level).Item(index))) {
            Select(level, index);
            TMenuItem* item = Level(level).Item(index);
            bool open = level + 1 < LevelCount() && &Level(level + 1).ParentItem() == item;
            if (item->Count() > 0 && item->Enabled() && !open && m_timer_window) {
                m_pending_level = level;
                Wm().SetTimer(m_timer_window->Handle(), 1, kSubmenuDelay);
            }
        }
        return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
        if (level < 0) {
            Close();
            return true;
        }
        if (index >= 0 && Selectable(Level(level).Item(index))) {
            Select(level, index);
            OpenSubmenu(level);
        }
        return true;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        if (level >= 0 && index >= 0)
            Choose(Level(level).Item(index));
        return true;
    default:
        return true;
    }
}

bool TMenuTracker::HandleKey(const MSG& msg)
{
    int deepest = LevelCount() - 1;
    TMenuWindow& w = Level(deepest);
    switch (msg.wParam) {
    case VK_UP:
        Move(deepest, -1);
        return true;
    case VK_DOWN:
        Move(deepest, 1);
        return true;
    case VK_RIGHT:
        if (w.Selected() >= 0 && w.Item(w.Selected())->Count() > 0)
            EnterSubmenu(deepest);
        return true;
    case VK_LEFT:
        if (deepest > 0)
            CloseFrom(deepest);
        return true;
    case VK_ESCAPE:
        if (deepest > 0)
            CloseFrom(deepest);
        else
            Close();
        return true;
    case VK_RETURN:
    case VK_SPACE:
        if (w.Selected() >= 0) {
            TMenuItem* item = w.Item(w.Selected());
            if (item->Count() > 0)
                EnterSubmenu(deepest);
            else
                Choose(item);
        }
        return true;
    case VK_MENU:
    case VK_F10:
        Close();
        return true;
    default:
        return true;
    }
}

bool TMenuTracker::HandleChar(const MSG& msg)
{
    int deepest = LevelCount() - 1;
    TMenuWindow& w = Level(deepest);
    for (int i = 0; i < w.ItemCount(); ++i) {
        TMenuItem* item = w.Item(i);
        if (item->Enabled() && IsAccel(static_cast<char32_t>(msg.wParam), item->Caption())) {
            Select(deepest, i);
            if (item->Count() > 0)
                EnterSubmenu(deepest);
            else
                Choose(item);
            return true;
        }
    }
    return true;
}

bool TMenuTracker::HandleMessage(MSG& msg)
{
    if (m_levels.empty())
        return false;
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return HandleKey(msg);
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return true;
    case WM_CHAR:
    case WM_SYSCHAR:
        return HandleChar(msg);
    default:
        break;
    }
    if ((msg.message >= WM_MOUSEMOVE && msg.message <= WM_MBUTTONDBLCLK)
        || (msg.message >= WM_NCMOUSEMOVE && msg.message <= WM_NCMBUTTONDBLCLK))
        return HandleMouse(msg);
    return false;
}

} // namespace tessel
