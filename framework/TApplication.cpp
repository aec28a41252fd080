#include "tessel/framework/TApplication.h"

#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/THintWindow.h"
#include "tessel/framework/TMenuTracker.h"
#include "tessel/framework/TMouseTracker.h"
#include "tessel/framework/TPopupList.h"
#include "tessel/framework/TScreen.h"
#include "tessel/platform/TWindowManager.h"

#include <algorithm>
#include <cstdlib>

namespace tessel {

namespace {

// How far below the cursor's hot spot a hint starts.
constexpr int kCursorHeight = 20;

std::unique_ptr<THintWindow> MakeDefaultHintWindow(TComponent* owner)
{
    return std::make_unique<THintWindow>(owner);
}

void FinalizeAtExit()
{
    Application().Finalize();
}

} // namespace

std::string GetShortHint(const std::string& hint)
{
    return hint.substr(0, hint.find('|'));
}

TApplication::TApplication()
    : m_hint_window_class(MakeDefaultHintWindow)
{
    // The registries that forms and controls leave as they go are made before the
    // application, so they are still there when it frees what is left at exit.
    Wm();
    Screen();
    TMouseTracker::Instance();
    TMenuTracker::Instance();
    TPopupList::Instance();
}

TApplication::~TApplication()
{
    Finalize();
}

void TApplication::SetIcon(const TBitmap& icon)
{
    m_icon = icon;
    for (int i = 0; i < Screen().FormCount(); ++i)
        if (TCustomForm* form = Screen().Forms(i); form->HandleAllocated())
            form->Perform(WM_SETICON);
}

void TApplication::Finalize()
{
    TMouseTracker::Instance().OnChange = nullptr;
    m_hint_window.reset();
    DestroyComponents();
    m_window.reset();
    m_main_form = nullptr;
    m_hint_control = nullptr;
}

void TApplication::Initialize()
{
    Finalize();
    m_hint_control = nullptr;
    m_terminated = false;
    m_show_hint = true;
    m_hint_pause = 500;
    m_hint_short_pause = 50;
    m_hint_hide_pause = 2500;
    m_hint_color = clInfoBk;
    OnMessage = nullptr;
    m_hooks.clear();
    OnShowHint = nullptr;
    m_hint_window_class = MakeDefaultHintWindow;
    m_window = std::make_unique<TUtilityWindow>([this](TMessage& m) { return WndProc(m); });
    TMouseTracker::Instance().OnChange = [this](TControl* control) { MouseControlChanged(control); };
}

void TApplication::SetMainForm(TCustomForm* form)
{
    SetReference(m_main_form, form);
}

void TApplication::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_main_form)
        m_main_form = nullptr;
}

int TApplication::Run()
{
    if (m_main_form)
        m_main_form->Show();
    while (!m_terminated)
        HandleMessage();
    // A program may return from main (or exit) without Finalize. What it made (forms,
    // and whatever it made them with, some in static storage) is freed then, before
    // the statics made until now go: an exit handler runs before the destructors of
    // the objects made before it was registered.
    std::atexit(FinalizeAtExit);
    return 0;
}

bool TApplication::ProcessMessage(MSG& msg)
{
    if (!Wm().PeekMessage(msg))
        return false;
    if (msg.message == WM_QUIT) {
        m_terminated = true;
        return true;
    }
    bool handled = false;
    // A hook may join or leave while the message goes round: the round is over a copy.
    std::vector<std::pair<THookId, TMessageEvent>> hooks = m_hooks;
    for (auto it = hooks.rbegin(); it != hooks.rend() && !handled; ++it)
        it->second(msg, handled);
    if (OnMessage && !handled)
        OnMessage(msg, handled);
    if (handled)
        return true;
    switch (msg.message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        CancelHint();
        break;
    default:
        break;
    }
    Wm().DispatchMessage(msg);
    return true;
}

void TApplication::ProcessMessages()
{
    MSG msg;
    while (!m_terminated && ProcessMessage(msg)) { }
}

void TApplication::HandleMessage()
{
    MSG msg;
    if (!ProcessMessage(msg) && !Wm().WaitMessage())
        m_terminated = true; // nothing can ever arrive again
}

TApplication::THookId TApplication::AddMessageHook(TMessageEvent hook)
{
    m_hooks.emplace_back(m_next_hook, std::move(hook));
    return m_next_hook++;
}

void TApplication::RemoveMessageHook(THookId id)
{
    std::erase_if(m_hooks, [id](const auto& hook) { return hook.first == id; });
}

void TApplication::Terminate()
{
    Wm().PostQuitMessage(0);
}

void TApplication::Minimize()
{
    if (m_main_form && m_main_form->HandleAllocated())
        Wm().ShowWindow(m_main_form->Handle(), SW_MINIMIZE);
    if (OnMinimize)
        OnMinimize(this);
}

void TApplication::Restore()
{
    if (m_main_form && m_main_form->HandleAllocated())
        Wm().ShowWindow(m_main_form->Handle(), SW_RESTORE);
    if (OnRestore)
        OnRestore(this);
}

void TApplication::ReleaseForm(TCustomForm* form)
{
    if (m_window)
        Wm().PostMessage(m_window->Handle(), CM_RELEASE, reinterpret_cast<WPARAM>(form));
}

bool TApplication::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_RELEASE: {
        auto* form = reinterpret_cast<TCustomForm*>(message.WParam);
        // The form may have gone by other means since the notice was posted.
        for (int i = 0; i < Screen().FormCount(); ++i)
            if (Screen().Forms(i) == form) {
                if (TComponent* owner = form->Owner())
                    owner->FreeComponent(form);
                break;
            }
        return true;
    }
    case WM_TIMER:
        Wm().KillTimer(Handle(), message.WParam);
        if (message.WParam == kHintShowTimer)
            ShowHintFor(m_hint_control);
        else if (message.WParam == kHintHideTimer)
            HideHint();
        return true;
    default:
        return false;
    }
}

void TApplication::SetShowHint(bool show)
{
    m_show_hint = show;
    if (!show)
        CancelHint();
}

void TApplication::SetHintWindowClass(THintWindowClass make)
{
    HideHint();
    m_hint_window.reset();
    m_hint_window_class = make ? std::move(make) : THintWindowClass(MakeDefaultHintWindow);
}

bool TApplication::HintShowing() const
{
    return m_hint_window && m_hint_window->HandleAllocated() && m_hint_window->Visible();
}

bool TApplication::HasHint(const TControl* control) const
{
    if (!control || !m_show_hint)
        return false;
    // A control without a hint of its own shows its parent's when it takes it.
    for (const TControl* c = control; c; c = c->Parent()) {
        if (!c->Hint().empty())
            return c->ShowHint();
        if (!c->ParentShowHint())
            return false;
    }
    return false;
}

void TApplication::MouseControlChanged(TControl* control)
{
    if (control && m_hint_window && control == m_hint_window.get())
        return;
    bool was_showing = HintShowing();
    m_hint_control = control;
    if (!Handle())
        return;
    Wm().KillTimer(Handle(), kHintShowTimer);
    if (was_showing)
        HideHint();
    if (HasHint(control))
        Wm().SetTimer(Handle(), kHintShowTimer,
            static_cast<uint32_t>(std::max(1, was_showing ? m_hint_short_pause : m_hint_pause)));
}

void TApplication::ActivateHint(TPoint)
{
    ShowHintFor(TMouseTracker::Instance().Current());
}

void TApplication::ShowHintFor(TControl* control)
{
    if (!HasHint(control))
        return;
    const TControl* owner_of_hint = control;
    while (owner_of_hint->Hint().empty() && owner_of_hint->Parent())
        owner_of_hint = owner_of_hint->Parent();
    THintInfo info;
    info.HintControl = control;
    info.CursorPos = Wm().Input().CursorPos();
    info.HintPos = { info.CursorPos.x, info.CursorPos.y + kCursorHeight };
    info.HintColor = m_hint_color;
    info.HideTimeout = m_hint_hide_pause;
    info.HintStr = GetShortHint(owner_of_hint->Hint());
    bool can_show = control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) == 0;
    std::string hint = info.HintStr;
    if (OnShowHint)
        OnShowHint(hint, can_show, info);
    if (!can_show || hint.empty())
        return;
    if (!m_hint_window)
        m_hint_window = m_hint_window_class(nullptr);
    m_hint_window->SetColor(info.HintColor);
    TRect r = m_hint_window->CalcHintRect(info.HintMaxWidth, hint);
    r = { info.HintPos.x, info.HintPos.y, info.HintPos.x + r.Width(), info.HintPos.y + r.Height() };
    // Kept on the screen.
    TRect screen = Wm().Backend().ScreenRect();
    if (r.right > screen.right) {
        int dx = r.right - screen.right;
        r.left -= dx;
        r.right -= dx;
    }
    if (r.bottom > screen.bottom) {
        int h = r.Height();
        r.bottom = info.CursorPos.y;
        r.top = r.bottom - h;
    }
    m_hint_window->ActivateHint(r, hint);
    if (info.HideTimeout > 0)
        Wm().SetTimer(Handle(), kHintHideTimer, static_cast<uint32_t>(info.HideTimeout));
}

void TApplication::HideHint()
{
    if (Handle())
        Wm().KillTimer(Handle(), kHintHideTimer);
    if (m_hint_window)
        m_hint_window->ReleaseHandle();
}

void TApplication::CancelHint()
{
    if (Handle())
        Wm().KillTimer(Handle(), kHintShowTimer);
    HideHint();
}

TApplication& Application()
{
    static TApplication application;
    return application;
}

} // namespace tessel
