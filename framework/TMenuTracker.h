#pragma once

#include "tessel/framework/TApplication.h"
#include "tessel/framework/TMenuWindow.h"
#include "tessel/framework/TUtilityWindow.h"
#include "tessel/platform/TRect.h"

#include <functional>
#include <memory>
#include <vector>

namespace tessel {

class TImageList;
class TMenuItem;
struct MSG;

// The framework's default popup menu at work: a cascade of menu windows, the mouse
// captured and the keys taken through the application's message hook while it is
// open. Arrow keys move and open and close submenus, Enter or an accelerator runs
// an item, Escape closes a level; hovering an item with sub-items opens them after
// a short delay, a click on an item runs it and a click outside closes the menu.
// Running an item closes every level first and then hands the item to choose.
class TMenuTracker {
public:
    using TChoose = std::function<void(TMenuItem*)>;
    using TClosed = std::function<void()>;

    static TMenuTracker& Instance();

    void Open(TMenuItem& root, TImageList* images, TPoint at, TChoose choose, TClosed closed = nullptr);
    void Close();
    bool Active() const { return !m_levels.empty(); }
    int LevelCount() const { return static_cast<int>(m_levels.size()); }
    TMenuWindow& Level(int index) const { return *m_levels.at(static_cast<size_t>(index)); }
    // A menu whose items are shown is going away: close without running anything.
    void MenuGone(const TMenuItem* root);
    // A menu window lost the mouse capture to another window: the menu closes.
    void CaptureLost(HWND window);

    static constexpr uint32_t kSubmenuDelay = 300;

private:
    TMenuTracker() = default;
    bool HandleMessage(MSG& msg);
    bool HandleMouse(const MSG& msg);
    bool HandleKey(const MSG& msg);
    bool HandleChar(const MSG& msg);
    // The deepest level whose window holds the screen point, or -1.
    int LevelAt(TPoint screen) const;
    void Select(int level, int index);
    void Move(int level, int step);
    void OpenSubmenu(int level);
    // Opens the selected item's submenu and selects its first item (keyboard entry).
    void EnterSubmenu(int level);
    void CloseFrom(int level);
    void Choose(TMenuItem* item);
    void TimerFired();

    std::vector<std::unique_ptr<TMenuWindow>> m_levels;
    TMenuItem* m_root = nullptr;
    TImageList* m_images = nullptr;
    TChoose m_choose;
    TClosed m_closed;
    TApplication::THookId m_hook = 0;
    std::unique_ptr<TUtilityWindow> m_timer_window;
    int m_pending_level = -1;
};

} // namespace tessel
