#pragma once

#include "tessel/framework/ControlTypes.h"
#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TColor.h"
#include "tessel/framework/TComponent.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/THintWindow.h"
#include "tessel/framework/TUtilityWindow.h"
#include "tessel/platform/TRect.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace tessel {

class TControl;
struct MSG;

// What a hint is about to show; OnShowHint and the control (CM_HINTSHOW) may change it.
struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint CursorPos;
    TPoint HintPos; // screen position of the hint window's top-left
    int HintMaxWidth = 300;
    TColor HintColor = clInfoBk;
    int HideTimeout = 2500;
    std::string HintStr;
};

using TMessageEvent = std::function<void(MSG& msg, bool& handled)>;
using TShowHintEvent = std::function<void(std::string& hint, bool& can_show, THintInfo& info)>;
using THintWindowClass = std::function<std::unique_ptr<THintWindow>(TComponent* owner)>;

// The program: its forms (it owns those it creates), the main form whose closing
// ends it, the message loop with its hook, and the hints shown when the mouse rests
// on a control with a hint.
class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    // Starts (or starts again) with no main form and the default settings.
    void Initialize();
    // Frees the forms, the hint window and the application's window. A program may
    // call it after Run; when it does not, it runs as the program exits (returning
    // from main, or exit), before the framework's own statics go. A second call
    // does nothing.
    void Finalize();
    bool MainFormOnTaskBar() const { return m_main_form_on_task_bar; }
    void SetMainFormOnTaskBar(bool on) { m_main_form_on_task_bar = on; }
    const std::string& Title() const { return m_title; }
    void SetTitle(std::string title) { m_title = std::move(title); }
    // The program's icon; empty when it sets none.
    const TBitmap& Icon() const { return m_icon; }
    // Every form's window is told (WM_SETICON).
    void SetIcon(const TBitmap& icon);

    // Creates a form owned by the application; the first becomes the main form.
    template<class T, class... Args> T& CreateForm(Args&&... args)
    {
        T& form = Add<T>(std::forward<Args>(args)...);
        if (!m_main_form)
            SetMainForm(&form);
        return form;
    }
    TCustomForm* MainForm() const { return m_main_form; }
    void SetMainForm(TCustomForm* form);

    // Shows the main form and handles messages until Terminate; returns the exit code.
    int Run();
    // Handles every message that is waiting.
    void ProcessMessages();
    // Handles one message, or waits for one when none is waiting.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return m_terminated; }
    void Minimize();
    void Restore();
    // Frees a form once the messages now waiting have been handled.
    void ReleaseForm(TCustomForm* form);
    // The application's own hidden window.
    HWND Handle() const { return m_window ? m_window->Handle() : 0; }

    bool ShowHint() const { return m_show_hint; }
    void SetShowHint(bool show);
    int HintPause() const { return m_hint_pause; }
    void SetHintPause(int ms) { m_hint_pause = ms; }
    int HintShortPause() const { return m_hint_short_pause; }
    void SetHintShortPause(int ms) { m_hint_short_pause = ms; }
    int HintHidePause() const { return m_hint_hide_pause; }
    void SetHintHidePause(int ms) { m_hint_hide_pause = ms; }
    TColor HintColor() const { return m_hint_color; }
    void SetHintColor(TColor color) { m_hint_color = color; }
    const THintWindowClass& HintWindowClass() const { return m_hint_window_class; }
    // None brings back the plain hint window.
    void SetHintWindowClass(THintWindowClass make);
    // The hint window showing now, or null.
    THintWindow* HintWindow() const { return m_hint_window.get(); }
    bool HintShowing() const;
    // Shows the hint of the control under the cursor at once.
    void ActivateHint(TPoint cursor);
    void CancelHint();

    const char* ClassName() const override { return "TApplication"; }

    // Parties that see every message before it is dispatched (an open menu, a form's
    // behaviour) join the list and leave it again; the one that joined last sees a
    // message first, and the first that handles it ends its round. OnMessage comes
    // after them.
    using THookId = int;
    THookId AddMessageHook(TMessageEvent hook);
    void RemoveMessageHook(THookId id);

    TMessageEvent OnMessage;
    TShowHintEvent OnShowHint;
    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    enum TimerId : uintptr_t { kHintShowTimer = 1, kHintHideTimer = 2 };

    bool ProcessMessage(MSG& msg);
    bool WndProc(TMessage& message);
    void MouseControlChanged(TControl* control);
    void ShowHintFor(TControl* control);
    void HideHint();
    bool HasHint(const TControl* control) const;

    std::unique_ptr<TUtilityWindow> m_window;
    std::vector<std::pair<THookId, TMessageEvent>> m_hooks;
    THookId m_next_hook = 1;
    TCustomForm* m_main_form = nullptr;
    bool m_main_form_on_task_bar = false;
    bool m_terminated = false;
    std::string m_title;
    TBitmap m_icon;
    bool m_show_hint = true;
    int m_hint_pause = 500;
    int m_hint_short_pause = 50;
    int m_hint_hide_pause = 2500;
    TColor m_hint_color = clInfoBk;
    THintWindowClass m_hint_window_class;
    std::unique_ptr<THintWindow> m_hint_window;
    TControl* m_hint_control = nullptr;
};

// The one application of the program.
TApplication& Application();

// The part of a hint before "|".
std::string GetShortHint(const std::string& hint);

} // namespace tessel
