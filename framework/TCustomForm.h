#pragma once

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TMainMenu.h"
#include "tessel/framework/TWinControl.h"

#include <functional>
#include <vector>

namespace tessel {

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = uint8_t;
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
// How a modal form ended; mrNone keeps it running.
using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7;

using TCloseEvent = std::function<void(TComponent* sender, TCloseAction& action)>;
using TShortCutEvent = std::function<void(TWMKey& message, bool& handled)>;

// A form: a top-level window with a frame, listed by the screen from its creation to
// its destruction. Its window is made when it is first shown (or its handle asked
// for); a form description (TFormReader) fills it in and ends with OnCreate.
class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* owner = nullptr);
    ~TCustomForm() override;

    TFormBorderStyle BorderStyle() const { return m_border_style; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return m_border_icons; }
    void SetBorderIcons(TBorderIcons icons);
    TWindowState WindowState() const;
    void SetWindowState(TWindowState state);
    TFormStyle FormStyle() const { return m_form_style; }
    void SetFormStyle(TFormStyle style);
    // Sets the width or height so that the client area gets that size.
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    bool Active() const { return m_active; }
    TWinControl* ActiveControl() const { return m_active_control; }
    void SetActiveControl(TWinControl* control);
    bool KeyPreview() const { return m_key_preview; }
    void SetKeyPreview(bool preview) { m_key_preview = preview; }
    TMainMenu* Menu() const { return m_menu; }
    void SetMenu(TMainMenu* menu);
    // The form's own icon; empty when the form shows the program's.
    const TBitmap& Icon() const { return m_icon; }
    // Tells the window (WM_SETICON) so that a frame showing the icon follows it.
    void SetIcon(const TBitmap& icon);
    bool AutoSize() const { return m_auto_size; }
    void SetAutoSize(bool auto_size) { m_auto_size = auto_size; }
    bool AutoScroll() const { return m_auto_scroll; }
    void SetAutoScroll(bool auto_scroll) { m_auto_scroll = auto_scroll; }

    // MDI: the client window of an MDI form that holds its children, and the children.
    HWND ClientHandle() const { return m_client_handle; }
    int MDIChildCount() const { return static_cast<int>(m_mdi_children.size()); }
    TCustomForm* MDIChildren(int index) const { return m_mdi_children.at(static_cast<size_t>(index)); }
    TCustomForm* ActiveMDIChild() const;

    // Asks OnClose what to do and does it; closing the main form ends the application.
    void Close();
    // Frees the form once the messages now waiting have been handled (a modal one
    // once its loop has ended).
    void Release();
    // Shows the form with every other shown form disabled and handles messages until
    // ModalResult is set (closing or hiding the form sets mrCancel); returns it.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return m_modal_result; }
    void SetModalResult(TModalResult result) { m_modal_result = result; }
    // The form's shortcut handling: OnShortCut, then the main menu's items.
    virtual bool IsShortCut(TWMKey& message);
    void SetActiveControlFromFocus(TWinControl* control);
    // Ends the loading protocol: OnCreate runs.
    virtual void DoCreate();

    const char* ClassName() const override { return "TCustomForm"; }

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;
    TShortCutEvent OnShortCut;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    friend class TWinControl;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Dispatch(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    void VisibleChanged() override;
    void AlignControls(TControl* control, TRect& rect) override;
    // A control of the form is going: the form forgets it as its active control.
    void ControlRemoved(TControl* control);

private:
    void UpdateWindowStyle();
    // An MDI child tells its MDI form's controls that it changed (CM_MDICHILDCHANGED).
    void TellMDIParent();
    void Activated(bool active);
    TCustomForm* MDIParent() const;
    // An MDI child is listed by the main MDI form once.
    void JoinMDIParent();

    TFormBorderStyle m_border_style = bsSizeable;
    // A client size asked for before the window existed, and the outer size it gave.
    struct TClientWanted {
        int x = -1, y = -1, width = -1, height = -1;
    } m_client_wanted;
    TBorderIcons m_border_icons = biSystemMenu | biMinimize | biMaximize;
    TBitmap m_icon;
    TWindowState m_window_state = wsNormal;
    TFormStyle m_form_style = fsNormal;
    bool m_active = false;
    TWinControl* m_active_control = nullptr;
    bool m_key_preview = false;
    TMainMenu* m_menu = nullptr;
    bool m_auto_size = false;
    bool m_auto_scroll = true;
    HWND m_client_handle = 0;
    std::vector<TCustomForm*> m_mdi_children;
    TModalResult m_modal_result = mrNone;
    bool m_modal = false;
    bool m_release_after_modal = false;
};

} // namespace tessel
