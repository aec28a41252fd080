#pragma once

#include "tessel/framework/ControlTypes.h"
#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TComponent.h"
#include "tessel/framework/TImageList.h"
#include "tessel/framework/TUtilityWindow.h"
#include "tessel/skin/menus/TvxSkinPopupMenu.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tessel {

class TCustomForm;
class TTimer;

// One icon in the desktop's notification area: its mouse becomes the component's
// events (a single click one double-click time after the press, a double click alone),
// it pops a skinned menu, cycles through an image list, and hides the application to
// the tray when the application is minimised with MinimizeToTray on. Without a tray
// host the calls do nothing and the properties keep their values.
class TvxTrayIcon : public TComponent {
public:
    explicit TvxTrayIcon(TComponent* owner = nullptr);
    ~TvxTrayIcon() override;

    static constexpr uint32_t kCallbackMessage = 2048;
    static constexpr size_t kMaxTip = 127;

    const TBitmap& Icon() const { return m_icon; }
    void SetIcon(const TBitmap& icon);
    bool IconVisible() const { return m_icon_visible; }
    void SetIconVisible(bool value);
    TImageList* IconList() const { return m_icon_list; }
    void SetIconList(TImageList* list);
    int IconIndex() const { return m_icon_index; }
    void SetIconIndex(int index);
    bool CycleIcons() const { return m_cycle_icons; }
    void SetCycleIcons(bool value);
    uint32_t AnimateTimerInterval() const { return m_animate_interval; }
    void SetAnimateTimerInterval(uint32_t ms);
    const std::string& Hint() const { return m_hint; }
    void SetHint(std::string hint);
    bool ShowHint() const { return m_show_hint; }
    void SetShowHint(bool value);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value) { m_enabled = value; }
    TvxSkinPopupMenu* PopupMenu() const { return m_popup_menu; }
    void SetPopupMenu(TvxSkinPopupMenu* menu);
    bool PopupByLeftButton() const { return m_popup_by_left_button; }
    void SetPopupByLeftButton(bool value) { m_popup_by_left_button = value; }
    bool MinimizedOnStart() const { return m_minimized_on_start; }
    void SetMinimizedOnStart(bool value) { m_minimized_on_start = value; }
    bool MinimizeToTray() const { return m_minimize_to_tray; }
    void SetMinimizeToTray(bool value) { m_minimize_to_tray = value; }

    // The tooltip the tray gets: the hint cut to 127 characters, or none.
    std::string Tip() const;
    // The icon's window, which hears the tray's callback messages.
    HWND Handle() const { return m_window->Handle(); }
    // The main form and the application hidden, or shown again.
    void HideMainForm();
    void ShowMainForm();
    // The application was minimised: with MinimizeToTray the program goes to the tray.
    void ApplicationMinimized();
    // Pops PopupMenu at the cursor.
    void PopupAtCursor();
    // After the form is loaded: MinimizedOnStart puts the program in the tray.
    void Loaded();

    TNotifyEvent OnClick, OnDblClick, OnBalloonHintClick;
    TMouseEvent OnMouseDown, OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    std::function<void(TComponent* sender, int next_index)> OnCycle;

    const char* ClassName() const override { return "TvxTrayIcon"; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool WindowProc(TMessage& message);
    void IconMessage(uint32_t mouse);
    // NIM_ADD, NIM_MODIFY or NIM_DELETE with the icon and tip as they are now.
    bool Notify(uint32_t message);
    void Modify();
    void ClickTimer();
    void CycleStep();

    TBitmap m_icon;
    bool m_icon_visible = true;
    TImageList* m_icon_list = nullptr;
    int m_icon_index = 0;
    bool m_cycle_icons = false;
    uint32_t m_animate_interval = 0;
    std::string m_hint;
    bool m_show_hint = true;
    bool m_enabled = true;
    TvxSkinPopupMenu* m_popup_menu = nullptr;
    bool m_popup_by_left_button = false;
    bool m_minimized_on_start = false;
    bool m_minimize_to_tray = false;

    bool m_left_down = false, m_click_pending = false, m_double_clicked = false;
    bool m_click_timer_ran_out = false;
    uint32_t m_taskbar_created = 0;
    std::vector<TCustomForm*> m_hidden_forms;
    std::unique_ptr<TUtilityWindow> m_window;
    std::unique_ptr<TTimer> m_click_timer, m_cycle_timer;
};

} // namespace tessel
