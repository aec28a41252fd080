#include "tessel/skin/tray/TvxTrayIcon.h"

#include "tessel/framework/TApplication.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TImageList.h"
#include "tessel/framework/TScreen.h"
#include "tessel/framework/TTimer.h"
#include "tessel/platform/Messages.h"
#include "tessel/platform/TShellNotify.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/menus/TvxSkinPopupMenu.h"

#include <algorithm>

namespace tessel {

namespace {

TShiftState KeyShiftState()
{
    const TInput& input = Wm().Input();
    TShiftState shift = 0;
    if (input.IsKeyDown(VK_SHIFT))
        shift |= ssShift;
    if (input.IsKeyDown(VK_CONTROL))
        shift |= ssCtrl;
    if (input.IsKeyDown(VK_MENU))
        shift |= ssAlt;
    return shift;
}

// The icons alive now; the first chains the application's OnMinimize for all of them
// and the last puts back what it found.
std::vector<TvxTrayIcon*>& LiveIcons()
{
    // Never destroyed, as the handler below: icons freed at exit still leave them.
    static auto& icons = *new std::vector<TvxTrayIcon*>;
    return icons;
}

TNotifyEvent& PreviousMinimize()
{
    static auto& previous = *new TNotifyEvent;
    return previous;
}

} // namespace

TvxTrayIcon::TvxTrayIcon(TComponent* owner)
    : TComponent(owner)
    , m_icon(Application().Icon())
    , m_window(std::make_unique<TUtilityWindow>([this](TMessage& message) { return WindowProc(message); }))
    , m_click_timer(TTimer::Stopped(Wm().Backend().DoubleClickTime(), [this] { ClickTimer(); }))
    , m_cycle_timer(TTimer::Stopped(0, [this] { CycleStep(); }))
{
    m_taskbar_created = Wm().RegisterWindowMessage("TaskbarCreated");
    // Minimising the application hides it to the tray while MinimizeToTray is on.
    std::vector<TvxTrayIcon*>& icons = LiveIcons();
    if (icons.empty()) {
        PreviousMinimize() = std::move(Application().OnMinimize);
        Application().OnMinimize = [](TComponent* sender) {
            if (PreviousMinimize())
                PreviousMinimize()(sender);
            for (TvxTrayIcon* icon : std::vector<TvxTrayIcon*>(LiveIcons()))
                icon->ApplicationMinimized();
        };
    }
    icons.push_back(this);
}

TvxTrayIcon::~TvxTrayIcon()
{
    Notify(NIM_DELETE);
    std::vector<TvxTrayIcon*>& icons = LiveIcons();
    std::erase(icons, this);
    if (icons.empty())
        Application().OnMinimize = std::move(PreviousMinimize());
}

void TvxTrayIcon::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_popup_menu)
        m_popup_menu = nullptr;
    if (component == m_icon_list) {
        m_icon_list = nullptr;
        m_icon_index = 0;
    }
}

std::string TvxTrayIcon::Tip() const
{
    if (m_hint.empty() || !m_show_hint)
        return {};
    return m_hint.substr(0, std::min(m_hint.size(), kMaxTip));
}

bool TvxTrayIcon::Notify(uint32_t message)
{
    NOTIFYICONDATA data;
    data.hWnd = m_window->Handle();
    data.uID = 1;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = m_icon.Surface();
    data.szTip = Tip();
    return TShellNotify::NotifyIcon(message, data);
}

void TvxTrayIcon::Modify()
{
    if (m_icon_visible)
        Notify(NIM_MODIFY);
}

void TvxTrayIcon::SetIcon(const TBitmap& icon)
{
    m_icon = icon;
    Modify();
}

void TvxTrayIcon::SetIconVisible(bool value)
{
    if (value)
        Notify(NIM_ADD);
    else
        Notify(NIM_DELETE);
    m_icon_visible = value;
}

void TvxTrayIcon::SetIconList(TImageList* list)
{
    SetReference(m_icon_list, list);
    SetIconIndex(0);
}

void TvxTrayIcon::SetIconIndex(int index)
{
    if (!m_icon_list || m_icon_list->Count() == 0) {
        m_icon_index = 0;
        return;
    }
    m_icon_index = std::clamp(index, 0, m_icon_list->Count() - 1);
    TBitmap image;
    if (m_icon_list->GetBitmap(m_icon_index, image))
        m_icon = image;
    Modify();
}

void TvxTrayIcon::SetCycleIcons(bool value)
{
    m_cycle_icons = value;
    if (value)
        SetIconIndex(0);
    m_cycle_timer->SetInterval(m_animate_interval);
    m_cycle_timer->SetEnabled(value && m_animate_interval > 0);
}

void TvxTrayIcon::SetAnimateTimerInterval(uint32_t ms)
{
    m_animate_interval = ms;
    m_cycle_timer->SetInterval(ms);
    m_cycle_timer->SetEnabled(m_cycle_icons && ms > 0);
}

void TvxTrayIcon::SetHint(std::string hint)
{
    m_hint = std::move(hint);
    Modify();
}

void TvxTrayIcon::SetShowHint(bool value)
{
    m_show_hint = value;
    Modify();
}

void TvxTrayIcon::SetPopupMenu(TvxSkinPopupMenu* menu)
{
    SetReference(m_popup_menu, menu);
}

void TvxTrayIcon::CycleStep()
{
    if (!m_icon_list || m_icon_list->Count() == 0)
        return;
    int count = m_icon_list->Count();
    m_icon_index = std::clamp(m_icon_index, 0, count - 1);
    TBitmap image;
    if (m_icon_list->GetBitmap(m_icon_index, image))
        m_icon = image;
    int next = m_icon_index + 1 < count ? m_icon_index + 1 : 0;
    if (OnCycle)
        OnCycle(this, next);
    Modify();
    m_icon_index = next;
}

void TvxTrayIcon::HideMainForm()
{
    TCustomForm* main = Application().MainForm();
    if (!dynamic_cast<TCustomForm*>(Owner()) || !main)
        return;
    // The program leaves the screen: its other shown forms go with the main one.
    for (int i = 0; i < Screen().FormCount(); ++i)
        if (TCustomForm* form = Screen().Forms(i); form != main && form->Visible())
            m_hidden_forms.push_back(form);
    main->SetVisible(false);
    for (TCustomForm* form : m_hidden_forms)
        form->SetVisible(false);
}

void TvxTrayIcon::ShowMainForm()
{
    Application().Restore();
    TCustomForm* main = Application().MainForm();
    if (!main)
        return;
    main->SetVisible(true);
    if (main->WindowState() == wsMinimized)
        main->SetWindowState(wsNormal);
    // Forms freed meanwhile are no longer on the screen's list.
    std::vector<TCustomForm*> hidden = std::move(m_hidden_forms);
    m_hidden_forms.clear();
    for (int i = 0; i < Screen().FormCount(); ++i)
        if (TCustomForm* form = Screen().Forms(i);
            std::find(hidden.begin(), hidden.end(), form) != hidden.end())
            form->SetVisible(true);
    TCustomForm* front = dynamic_cast<TCustomForm*>(Owner());
    if (!front || !front->Visible())
        front = main;
    if (front->HandleAllocated())
        Wm().SetActiveWindow(front->Handle());
}

void TvxTrayIcon::ApplicationMinimized()
{
    if (!m_minimize_to_tray)
        return;
    HideMainForm();
    SetIconVisible(true);
}

void TvxTrayIcon::Loaded()
{
    if (m_minimized_on_start && dynamic_cast<TCustomForm*>(Owner())) {
        m_icon_visible = true;
        m_minimize_to_tray = true;
        HideMainForm();
    }
    SetIconVisible(m_icon_visible);
}

void TvxTrayIcon::PopupAtCursor()
{
    if (!m_popup_menu || !m_popup_menu->AutoPopup())
        return;
    Application().ProcessMessages();
    TPoint at = Wm().Input().CursorPos();
    if (auto* form = dynamic_cast<TCustomForm*>(Owner()); form && form->HandleAllocated())
        Wm().SetActiveWindow(form->Handle());
    m_popup_menu->SetPopupComponent(this);
    m_popup_menu->Popup(at.x, at.y);
    if (auto* form = dynamic_cast<TCustomForm*>(Owner()); form && form->HandleAllocated())
        Wm().PostMessage(form->Handle(), WM_NULL);
}

void TvxTrayIcon::ClickTimer()
{
    m_click_timer->SetEnabled(false);
    if (!m_double_clicked && m_click_pending) {
        m_click_pending = false;
        if (OnClick)
            OnClick(this);
    }
    m_double_clicked = false;
}

bool TvxTrayIcon::WindowProc(TMessage& message)
{
    if (message.Msg == kCallbackMessage) {
        if (m_enabled)
            IconMessage(static_cast<uint32_t>(message.LParam));
        return true;
    }
    if (message.Msg == m_taskbar_created) {
        // A new tray host holds none of the old icons.
        if (m_icon_visible)
            Notify(NIM_ADD);
        return true;
    }
    return false;
}

void TvxTrayIcon::IconMessage(uint32_t mouse)
{
    TPoint at = Wm().Input().CursorPos();
    TShiftState shift = KeyShiftState();
    auto down = [&](TMouseButtonKind button) {
        if (OnMouseDown)
            OnMouseDown(this, button, shift, at.x, at.y);
    };
    auto up = [&](TMouseButtonKind button) {
        if (OnMouseUp)
            OnMouseUp(this, button, shift, at.x, at.y);
    };
    switch (mouse) {
    case WM_MOUSEMOVE:
        if (OnMouseMove)
            OnMouseMove(this, shift, at.x, at.y);
        break;
    case WM_LBUTTONDOWN:
        m_click_timer->SetEnabled(false);
        m_click_timer->SetInterval(Wm().Backend().DoubleClickTime());
        m_click_timer->SetEnabled(true);
        down(mbLeft);
        m_left_down = true;
        if (m_popup_by_left_button)
            PopupAtCursor();
        break;
    case WM_LBUTTONUP:
        if (m_left_down) {
            m_click_pending = true;
            if (!m_click_timer->Enabled()) {
                m_click_pending = m_double_clicked = false;
                if (OnClick)
                    OnClick(this);
            }
        }
        m_left_down = false;
        up(mbLeft);
        break;
    case WM_LBUTTONDBLCLK:
        m_click_pending = false;
        m_double_clicked = true;
        if (OnDblClick)
            OnDblClick(this);
        if (m_popup_menu && m_popup_menu->AutoPopup() && !m_popup_by_left_button)
            for (int i = 0; i < m_popup_menu->Items().Count(); ++i)
                if (TMenuItem* item = m_popup_menu->Items().Items(i); item->Default()) {
                    item->Click();
                    break;
                }
        break;
    case WM_RBUTTONDOWN:
        down(mbRight);
        PopupAtCursor();
        break;
    case WM_RBUTTONUP:
        up(mbRight);
        break;
    case WM_MBUTTONDOWN:
        down(mbMiddle);
        break;
    case WM_MBUTTONUP:
        up(mbMiddle);
        break;
    case NIN_BALLOONUSERCLICK:
        if (OnBalloonHintClick)
            OnBalloonHintClick(this);
        break;
    default:
        break;
    }
}

} // namespace tessel
