#include "tessel/framework/TCustomForm.h"

#include "tessel/framework/TApplication.h"
#include "tessel/framework/TMainMenu.h"
#include "tessel/framework/TScreen.h"
#include "tessel/platform/TWindowManager.h"

namespace tessel {

namespace {

bool Contains(const TControl* outer, const TControl* inner)
{
    for (const TControl* c = inner; c; c = c->Parent())
        if (c == outer)
            return true;
    return false;
}

} // namespace

TCustomForm::TCustomForm(TComponent* owner)
    : TWinControl(owner)
{
    InitVisible(false);
    SetParentColor(false);
    SetParentFont(false);
    SetBounds(0, 0, 320, 240);
    Screen().AddForm(this);
}

TCustomForm::~TCustomForm()
{
    Destroying();
    if (OnDestroy)
        OnDestroy(this);
    DestroyComponents();
    if (TCustomForm* parent = MDIParent()) {
        std::erase(parent->m_mdi_children, this);
        TellMDIParent();
    }
    DestroyHandle();
    Screen().RemoveForm(this);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style)
{
    m_border_style = style;
    UpdateWindowStyle();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons)
{
    m_border_icons = icons;
    UpdateWindowStyle();
}

void TCustomForm::SetIcon(const TBitmap& icon)
{
    m_icon = icon;
    if (HandleAllocated())
        Perform(WM_SETICON);
}

void TCustomForm::UpdateWindowStyle()
{
    if (!HandleAllocated())
        return;
    TCreateParams params;
    CreateParams(params);
    uint32_t keep = Wm().GetStyle(Handle()) & (WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE | WS_DISABLED);
    Wm().SetStyle(Handle(), (params.style & ~WS_VISIBLE) | keep);
    Wm().SetWindowPos(
        Handle(), {}, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

TWindowState TCustomForm::WindowState() const
{
    if (!HandleAllocated())
        return m_window_state;
    HWND h = const_cast<TCustomForm*>(this)->Handle();
    return Wm().IsIconic(h) ? wsMinimized : Wm().IsZoomed(h) ? wsMaximized : wsNormal;
}

void TCustomForm::SetWindowState(TWindowState state)
{
    m_window_state = state;
    if (!HandleAllocated() || !Visible())
        return;
    Wm().ShowWindow(Handle(),
        state == wsMaximized       ? SW_SHOWMAXIMIZED
            : state == wsMinimized ? SW_SHOWMINIMIZED
                                   : SW_RESTORE);
}

void TCustomForm::SetFormStyle(TFormStyle style)
{
    m_form_style = style;
    JoinMDIParent();
    UpdateWindowStyle();
}

void TCustomForm::JoinMDIParent()
{
    TCustomForm* parent = MDIParent();
    if (parent
        && std::find(parent->m_mdi_children.begin(), parent->m_mdi_children.end(), this)
            == parent->m_mdi_children.end())
        parent->m_mdi_children.push_back(this);
}

TCustomForm* TCustomForm::MDIParent() const
{
    if (m_form_style != fsMDIChild)
        return nullptr;
    TCustomForm* main = Application().MainForm();
    return main && main != this && main->m_form_style == fsMDIForm ? main : nullptr;
}

TCustomForm* TCustomForm::ActiveMDIChild() const
{
    if (!m_client_handle)
        return nullptr;
    for (HWND h : Wm().Children(m_client_handle))
        if (auto* form = dynamic_cast<TCustomForm*>(FindControl(h)); form && form->Visible())
            return form;
    return nullptr;
}

void TCustomForm::SetClientWidth(int width)
{
    // Before the window exists its frame is unknown: the size is kept and given
    // again once the window has its frame.
    SetWidth(width + (Width() - ClientWidth()));
    if (!HandleAllocated())
        m_client_wanted = { width, m_client_wanted.y, Width(), m_client_wanted.height };
}

void TCustomForm::SetClientHeight(int height)
{
    SetHeight(height + (Height() - ClientHeight()));
    if (!HandleAllocated())
        m_client_wanted = { m_client_wanted.x, height, m_client_wanted.width, Height() };
}

void TCustomForm::SetActiveControl(TWinControl* control)
{
    m_active_control = control;
    if (control && m_active && control->CanFocus())
        control->SetFocus();
}

void TCustomForm::SetActiveControlFromFocus(TWinControl* control)
{
    m_active_control = control;
    Screen().SetActiveControl(control);
    // Every control hears where the focus went (a default button keeps its look);
    // not while the form or the focus is going away.
    if (control && !HasState(csDestroying) && !control->HasState(csDestroying)) {
        TMessage changed { CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control), 0 };
        Broadcast(changed);
    }
}

void TCustomForm::ControlRemoved(TControl* control)
{
    if (m_active_control && Contains(control, m_active_control))
        m_active_control = nullptr;
    Screen().ControlRemoved(control);
}

void TCustomForm::SetMenu(TMainMenu* menu)
{
    SetReference(m_menu, menu);
}

void TCustomForm::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_menu)
        m_menu = nullptr;
}

void TCustomForm::VisibleChanged()
{
    if (Visible()) {
        HWND h = Handle();
        if (!h)
            return;
        int command = m_window_state == wsMaximized ? SW_SHOWMAXIMIZED
            : m_window_state == wsMinimized         ? SW_SHOWMINIMIZED
                                                    : SW_SHOWNORMAL;
        Wm().ShowWindow(h, command);
        if (OnShow)
            OnShow(this);
    } else if (HandleAllocated()) {
        Wm().ShowWindow(Handle(), SW_HIDE);
        if (OnHide)
            OnHide(this);
    }
    TellMDIParent();
}

void TCustomForm::TellMDIParent()
{
    if (TCustomForm* parent = MDIParent()) {
        TMessage changed { CM_MDICHILDCHANGED, 0, reinterpret_cast<LPARAM>(this), 0 };
        parent->Broadcast(changed);
    }
}

void TCustomForm::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.style &= ~(WS_CHILD | WS_VISIBLE);
    params.ex_style = 0;
    switch (m_border_style) {
    case bsNone:
        params.style |= WS_POPUP;
        break;
    case bsSingle:
    case bsToolWindow:
        params.style |= WS_CAPTION | WS_BORDER;
        break;
    case bsSizeable:
    case bsSizeToolWin:
        params.style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case bsDialog:
        params.style |= WS_POPUP | WS_CAPTION;
        break;
    }
    if (m_border_style != bsNone && (m_border_icons & biSystemMenu)) {
        params.style |= WS_SYSMENU;
        if (m_border_style != bsDialog && m_border_style != bsToolWindow && m_border_style != bsSizeToolWin) {
            if (m_border_icons & biMinimize)
                params.style |= WS_MINIMIZEBOX;
            if (m_border_icons & biMaximize)
                params.style |= WS_MAXIMIZEBOX;
        }
    }
    if (m_border_style == bsToolWindow || m_border_style == bsSizeToolWin)
        params.ex_style |= WS_EX_TOOLWINDOW;
    if (m_form_style == fsStayOnTop)
        params.ex_style |= WS_EX_TOPMOST;
    if (Application().MainFormOnTaskBar() && Application().MainForm() == this)
        params.ex_style |= WS_EX_APPWINDOW;
    params.class_style |= CS_DBLCLKS;
    params.wnd_parent = 0;
    if (TCustomForm* parent = MDIParent()) {
        params.style |= WS_CHILD;
        params.wnd_parent = parent->Handle() ? parent->m_client_handle : 0;
    }
}

void TCustomForm::CreateWnd()
{
    TWinControl::CreateWnd();
    // A client size set before the window existed holds inside the frame it has now,
    // unless the outer size was set since.
    TClientWanted wanted = m_client_wanted;
    m_client_wanted = {};
    if (HandleAllocated() && wanted.x >= 0 && wanted.width == Width())
        SetClientWidth(wanted.x);
    if (HandleAllocated() && wanted.y >= 0 && wanted.height == Height())
        SetClientHeight(wanted.y);
    if (m_form_style == fsMDIForm && HandleAllocated()) {
        TWindowParams client;
        client.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
        client.parent = Handle();
        client.rect = ClientRect();
        // The client paints a workspace grey where no child lies.
        client.proc = [](HWND hwnd, uint32_t msg, WPARAM wparam, LPARAM lparam) -> LRESULT {
            TWindowManager& wm = TWindowManager::Instance();
            if (msg != WM_PAINT)
                return wm.DefWindowProc(hwnd, msg, wparam, lparam);
            TRegion update = wm.BeginPaint(hwnd);
            if (auto dc = update.IsEmpty() ? nullptr : wm.GetDC(hwnd, &update))
                dc->FillRect(wm.GetClientRect(hwnd), ColorToArgb(clBtnShadow));
            return 0;
        };
        m_client_handle = Wm().CreateWindowEx(client);
        // Below the form's other child windows (tool bars, tabs), which it must not cover.
        Wm().SetWindowPos(m_client_handle, HWND_BOTTOM, {}, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        Realign();
    }
    JoinMDIParent();
}

void TCustomForm::AlignControls(TControl* control, TRect& rect)
{
    TWinControl::AlignControls(control, rect);
    // The MDI client window takes what the aligned controls leave.
    if (m_client_handle)
        Wm().SetWindowPos(m_client_handle, rect, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomForm::Close()
{
    TCloseAction action = caHide;
    if (m_form_style == fsMDIChild)
        action = (m_border_icons & biMinimize) ? caMinimize : caNone;
    if (OnClose)
        OnClose(this, action);
    if (action == caNone)
        return;
    if (Application().MainForm() == this) {
        Application().Terminate();
        return;
    }
    switch (action) {
    case caHide:
        Hide();
        break;
    case caMinimize:
        SetWindowState(wsMinimized);
        break;
    case caFree:
        Release();
        break;
    default:
        break;
    }
}

void TCustomForm::Release()
{
    if (m_modal) {
        // Freed only after ShowModal has returned, never under its loop.
        m_release_after_modal = true;
        if (m_modal_result == mrNone)
            m_modal_result = mrCancel;
        return;
    }
    Application().ReleaseForm(this);
}

TModalResult TCustomForm::ShowModal()
{
    if (m_modal)
        return mrNone;
    std::vector<HWND> disabled;
    for (int i = 0; i < Screen().FormCount(); ++i) {
        TCustomForm* form = Screen().Forms(i);
        if (form == this || !form->HandleAllocated())
            continue;
        HWND h = form->Handle();
        if (Wm().IsWindowVisible(h) && Wm().IsWindowEnabled(h)) {
            Wm().EnableWindow(h, false);
            disabled.push_back(h);
        }
    }
    m_modal = true;
    m_modal_result = mrNone;
    Show();
    while (m_modal_result == mrNone && !Application().Terminated()) {
        Application().HandleMessage();
        if (m_modal_result == mrNone && !Visible())
            m_modal_result = mrCancel;
    }
    m_modal = false;
    for (HWND h : disabled)
        if (Wm().IsWindow(h))
            Wm().EnableWindow(h, true);
    Hide();
    TModalResult result = m_modal_result;
    if (m_release_after_modal) {
        m_release_after_modal = false;
        Application().ReleaseForm(this);
    }
    return result;
}

bool TCustomForm::IsShortCut(TWMKey& message)
{
    bool handled = false;
    if (OnShortCut)
        OnShortCut(message, handled);
    if (!handled && m_menu)
        handled = m_menu->IsShortCut(message);
    return handled;
}

void TCustomForm::DoCreate()
{
    if (OnCreate)
        OnCreate(this);
}

void TCustomForm::Activated(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (active) {
        Screen().FormActivated(this);
        if (OnActivate)
            OnActivate(this);
    } else if (OnDeactivate) {
        OnDeactivate(this);
    }
}

void TCustomForm::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_CLOSE:
        Close();
        return;
    case WM_ACTIVATE:
        Activated(LoWord(message.WParam) != WA_INACTIVE);
        DefaultHandler(message);
        if (m_active && m_active_control && m_active_control->CanFocus())
            m_active_control->SetFocus();
        return;
    case WM_COMMAND:
        if (m_menu && m_menu->DispatchCommand(static_cast<uint16_t>(LoWord(message.WParam))))
            return;
        DefaultHandler(message);
        return;
    case CM_TEXTCHANGED:
        TWinControl::Dispatch(message);
        TellMDIParent();
        return;
    default:
        TWinControl::Dispatch(message);
        return;
    }
}

} // namespace tessel
