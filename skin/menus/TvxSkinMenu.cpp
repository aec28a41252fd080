#include "tessel/skin/menus/TvxSkinMenu.h"

#include "tessel/framework/TControl.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TMenu.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/framework/TTimer.h"
#include "tessel/framework/TUtilityWindow.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/data/SkinMessages.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/menus/TvxPopupPlacement.h"
#include "tessel/skin/menus/TvxSkinPopupWindow.h"

#include <algorithm>

namespace tessel {

namespace {

constexpr uint32_t kFreeRetired = WM_USER + 1;

TImageList* ImagesOf(const TMenuItem& item)
{
    TMenu* menu = item.GetParentMenu();
    return menu ? menu->Images() : nullptr;
}

// Runs the item through its menu's command dispatch (the item alone without a menu).
void DispatchItem(TMenuItem& item)
{
    TMenu* menu = item.GetParentMenu();
    if (!menu || !menu->DispatchCommand(item.Command()))
        item.Click();
}

} // namespace

TvxSkinMenu::TvxSkinMenu(TComponent* owner)
    : TComponent(owner)
{
    m_default_item_font.SetName("Arial");
    m_default_item_font.SetHeight(14);
    m_default_item_font.SetColor(clWindowText);
    m_wait_timer = TTimer::Stopped(kSubmenuDelay, [this] { OnWait(); });
    m_queue = std::make_unique<TUtilityWindow>([this](TMessage& m) {
        if (m.Msg != kFreeRetired)
            return false;
        m_retired.clear();
        return true;
    });
}

TvxSkinMenu::~TvxSkinMenu()
{
    m_close_handler = nullptr;
    if (m_hook)
        Application().RemoveMessageHook(m_hook);
    m_windows.clear();
    m_retired.clear();
    Refer(m_popup_control, nullptr);
    Refer(m_last_popup_control, nullptr);
    SetReference(m_skin_data, static_cast<TvxSkinData*>(nullptr));
    SetReference(m_form, static_cast<TCustomForm*>(nullptr));
}

void TvxSkinMenu::SetForm(TCustomForm* form)
{
    SetReference(m_form, form);
}

void TvxSkinMenu::Refer(TControl*& field, TControl* control)
{
    // The two control references may name one control: the free notification ends
    // only when neither does.
    TControl* old = field;
    if (old == control)
        return;
    field = control;
    if (control)
        control->FreeNotification(this);
    if (old && old != m_popup_control && old != m_last_popup_control)
        old->RemoveFreeNotification(this);
}

void TvxSkinMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_popup_control)
        m_popup_control = nullptr;
    if (component == m_last_popup_control)
        m_last_popup_control = nullptr;
    if (component == m_skin_data)
        m_skin_data = nullptr;
    if (component == m_form)
        m_form = nullptr;
}

void TvxSkinMenu::ShowMenu(
    TControl* control, TvxSkinData* data, bool above, TMenuItem& item, const TRect& anchor, int start)
{
    std::vector<TMenuItem*> items;
    for (int i = std::max(start, 0); i < item.Count(); ++i)
        if (item.Items(i)->Visible())
            items.push_back(item.Items(i));
    m_first = !m_visible;
    m_key_seen = false;
    // The control of a menu still open is told it closed before the new one takes
    // its place.
    CloseFromLevel(0);
    Refer(m_popup_control, control);
    m_work_area = Wm().Backend().WorkArea();
    SetReference(m_skin_data, data);
    if (item.Count() > 0 && start < item.Count()) {
        m_root = &item;
        m_visible = true;
        Open(std::move(items), ImagesOf(item), anchor, false, above);
        m_first = false;
    }
}

void TvxSkinMenu::ShowMenuPair(TControl* control, TvxSkinData* data, bool above, TMenuItem& first,
    TMenuItem& second, const TRect& anchor, int start)
{
    std::vector<TMenuItem*> items;
    for (TMenuItem* parent : { &first, &second })
        for (int i = 0; i < parent->Count(); ++i)
            if (parent->Items(i)->Visible())
                items.push_back(parent->Items(i));
    m_first = !m_visible;
    m_key_seen = false;
    CloseFromLevel(0);
    Refer(m_popup_control, control);
    m_work_area = Wm().Backend().WorkArea();
    SetReference(m_skin_data, data);
    if (first.Count() > 0 && start >= 0 && start < first.Count() + second.Count()) {
        items.erase(
            items.begin(), items.begin() + std::min<size_t>(static_cast<size_t>(start), items.size()));
        m_root = &first;
        m_visible = true;
        Open(std::move(items), ImagesOf(first), anchor, false, above);
        m_first = false;
    }
}

void TvxSkinMenu::Open(
    std::vector<TMenuItem*> items, TImageList* images, const TRect& anchor, bool submenu, bool above)
{
    TvxPopupContent content;
    content.items = std::move(items);
    content.images = images;
    content.frame = TvxPopupFrame::Find(m_skin_data);
    content.default_font = &m_default_item_font;
    content.use_skin_font = m_use_skin_font;
    content.default_item_height = m_default_item_height;
    content.max_items_in_window = m_max_items;
    content.work_area = m_work_area;
    auto window = std::make_unique<TvxSkinPopupWindow>(*this, content);
    TvxPopupPlacement placement;
    placement.anchor = anchor;
    placement.work_area = m_work_area;
    placement.width = window->WindowSize().x;
    placement.height = window->WindowSize().y;
    placement.submenu = submenu;
    placement.above = above;
    placement.scrollable = window->Scrollable();
    placement.limited = window->Limited();
    placement.items_top = window->ItemsRect().top;
    TvxSkinPopupWindow& shown = *window;
    m_windows.push_back(std::move(window));
    if (!m_hook)
        m_hook
            = Application().AddMessageHook([this](MSG& msg, bool& handled) { handled = HandleMessage(msg); });
    shown.ShowAt(placement.Place());
}

bool TvxSkinMenu::ClosesMenus(uint32_t msg)
{
    switch (msg) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY:
        return true;
    default:
        return false;
    }
}

int TvxSkinMenu::LevelOf(const TvxSkinPopupWindow& window) const
{
    for (size_t i = 0; i < m_windows.size(); ++i)
        if (m_windows[i].get() == &window)
            return static_cast<int>(i);
    return -1;
}

void TvxSkinMenu::Retire(std::unique_ptr<TvxSkinPopupWindow> window)
{
    if (m_pending && &m_pending->Window() == window.get()) {
        StopWait();
        m_pending = nullptr;
    }
    window->Close();
    m_retired.push_back(std::move(window));
    Wm().PostMessage(m_queue->Handle(), kFreeRetired);
}

void TvxSkinMenu::CloseFromLevel(int n)
{
    n = std::max(n, 0);
    while (LevelCount() > n) {
        std::unique_ptr<TvxSkinPopupWindow> window = std::move(m_windows.back());
        m_windows.pop_back();
        Retire(std::move(window));
    }
    if (n > 0)
        return;
    StopWait();
    if (m_hook) {
        Application().RemoveMessageHook(m_hook);
        m_hook = 0;
    }
    if (!m_visible && !m_popup_control && !m_close_handler)
        return;
    m_visible = false;
    m_root = nullptr;
    TControl* control = m_popup_control;
    Refer(m_last_popup_control, control);
    Refer(m_popup_control, nullptr);
    if (control)
        control->Perform(SkinMenuClosedNotice, 0, 0);
    std::function<void()> handler = std::move(m_close_handler);
    m_close_handler = nullptr;
    if (handler)
        handler();
}

void TvxSkinMenu::CloseMenus()
{
    bool was_open = m_visible;
    CloseFromLevel(0);
    StopWait();
    m_pending = nullptr;
    if (was_open && m_form)
        m_form->Perform(SkinMenuClosedNotice, 0, 0);
}

void TvxSkinMenu::CloseDeeperThan(const TvxSkinPopupWindow& window)
{
    int level = LevelOf(window);
    if (level >= 0)
        CloseFromLevel(level + 1);
}

void TvxSkinMenu::StopWait()
{
    m_wait_timer->SetEnabled(false);
}

void TvxSkinMenu::OnWait()
{
    StopWait();
    TvxSkinMenuItem* item = m_pending;
    m_pending = nullptr;
    if (item && LevelOf(item->Window()) >= 0)
        ItemAction(item->Window(), *item, false, true);
}

void TvxSkinMenu::ItemAction(
    TvxSkinPopupWindow& window, TvxSkinMenuItem& item, bool from_keyboard, bool execute)
{
    TMenuItem& menu_item = item.MenuItem();
    bool children = menu_item.Count() > 0;
    if (!children && !execute) {
        CloseDeeperThan(window);
        return;
    }
    if (!children) {
        StopWait();
        CloseMenus();
        DispatchItem(menu_item);
        if (m_last_popup_control)
            m_last_popup_control->Perform(SkinMenuCommandNotice, 0, 0);
        return;
    }
    if (!execute) {
        if (from_keyboard)
            return;
        CloseDeeperThan(window);
        m_pending = &item;
        m_wait_timer->SetEnabled(false);
        m_wait_timer->SetEnabled(true);
        return;
    }
    DispatchItem(menu_item);
    StopWait();
    // The click may have closed the menu or changed the item's submenu.
    if (LevelOf(window) < 0 || window.IndexOf(&item) < 0)
        return;
    CloseDeeperThan(window);
    item.SetOpen(true);
    std::vector<TMenuItem*> items;
    for (int i = 0; i < menu_item.Count(); ++i)
        if (menu_item.Items(i)->Visible())
            items.push_back(menu_item.Items(i));
    TRect anchor = item.ItemRect().Offset(window.Left(), window.Top());
    Open(std::move(items), ImagesOf(menu_item), anchor, true, false);
}

bool TvxSkinMenu::HandleMessage(MSG& msg)
{
    if (!m_visible || m_windows.empty())
        return false;
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        // Alt+F4 is the window's: the menu closes and the key goes on.
        if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4) {
            CloseMenus();
            return false;
        }
        m_key_seen = true;
        if (m_key_preview && m_key_preview(static_cast<uint16_t>(msg.wParam)))
            return true;
        if (!m_windows.empty())
            m_windows.back()->TakeKey(static_cast<uint16_t>(msg.wParam));
        return true;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return true;
    case WM_MOUSEWHEEL: {
        // The wheel turns the menu under the pointer, else the deepest one.
        const TPoint at = PointFromParam(msg.lParam);
        TvxSkinPopupWindow* turned = m_windows.back().get();
        for (const auto& window : m_windows)
            if (window->HandleAllocated() && window->BoundsRect().Contains(at))
                turned = window.get();
        turned->Wheel(static_cast<int16_t>(HiWord(msg.wParam)) / WHEEL_DELTA);
        return true;
    }
    case WM_CHAR:
    case WM_SYSCHAR:
        // The character of the key that opened the menu is not the menu's.
        if (m_key_seen)
            m_windows.back()->CharKey(static_cast<uint32_t>(msg.wParam));
        return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN: {
        // A press anywhere else in the program closes the menu and goes on.
        for (const auto& window : m_windows)
            if (window->HandleAllocated() && window->Handle() == msg.hwnd)
                return false;
        CloseMenus();
        return false;
    }
    default:
        return false;
    }
}

} // namespace tessel
