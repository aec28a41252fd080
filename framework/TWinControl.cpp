#include "tessel/framework/TWinControl.h"

#include "tessel/framework/TControlAligner.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TMouseTracker.h"
#include "tessel/framework/TScreen.h"
#include "tessel/platform/TDeviceContext.h"
#include "tessel/platform/TWindowManager.h"

#include <algorithm>
#include <map>

namespace tessel {

namespace {

std::map<HWND, TWinControl*>& Registry()
{
    // Never destroyed: controls that outlive it (freed at exit) still leave it.
    static auto& registry = *new std::map<HWND, TWinControl*>;
    return registry;
}

bool IsMouseMessage(uint32_t msg)
{
    return msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK;
}

} // namespace

TWinControl::TWinControl(TComponent* owner)
    : TControl(owner)
{ }

TWinControl::~TWinControl()
{
    // Children outlive this window only as parentless controls; their owner frees them.
    for (TControl* child : std::vector<TControl*>(m_controls)) {
        if (auto* win = dynamic_cast<TWinControl*>(child))
            win->DestroyHandle();
        child->m_parent = nullptr;
    }
    m_controls.clear();
    m_tab_list.clear();
    DestroyHandle();
}

TWinControl* TWinControl::FindControl(HWND hwnd)
{
    auto it = Registry().find(hwnd);
    return it == Registry().end() ? nullptr : it->second;
}

HWND TWinControl::Handle()
{
    if (!m_handle)
        CreateHandle();
    return m_handle;
}

void TWinControl::CreateHandle()
{
    if (m_handle || HasState(csDestroying))
        return;
    if (Parent())
        Parent()->HandleNeeded();
    CreateWnd();
    if (!m_handle)
        return;
    for (TControl* child : std::vector<TControl*>(m_controls))
        if (auto* win = dynamic_cast<TWinControl*>(child))
            win->CreateHandle();
    UpdateWindowOrder();
    // The window's frame decides the client area only now.
    Realign();
}

void TWinControl::CreateParams(TCreateParams& params)
{
    params.caption = Caption();
    params.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (Visible())
        params.style |= WS_VISIBLE;
    if (!Enabled())
        params.style |= WS_DISABLED;
    params.x = Left();
    params.y = Top();
    params.width = Width();
    params.height = Height();
    params.wnd_parent = Parent() ? Parent()->m_handle : 0;
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    if ((params.style & WS_CHILD) && !params.wnd_parent)
        return;
    TWindowParams window;
    window.style = params.style;
    window.ex_style = params.ex_style;
    window.class_style = params.class_style;
    window.text = params.caption;
    window.rect = { params.x, params.y, params.x + params.width, params.y + params.height };
    window.parent = (params.style & WS_CHILD) ? params.wnd_parent : 0;
    window.proc = [this](HWND hwnd, uint32_t msg, WPARAM wparam, LPARAM lparam) -> LRESULT {
        if (!m_handle && msg != WM_NCDESTROY) {
            m_handle = hwnd;
            Registry()[hwnd] = this;
        }
        TMessage message { msg, wparam, lparam, 0 };
        WindowProc()(message);
        if (msg == WM_NCDESTROY) {
            Registry().erase(hwnd);
            if (m_handle == hwnd)
                m_handle = 0;
        }
        return message.Result;
    };
    HWND hwnd = Wm().CreateWindowEx(window);
    if (hwnd && !m_handle) {
        m_handle = hwnd;
        Registry()[hwnd] = this;
    }
    if (m_handle && m_pending_shape)
        Wm().SetWindowRgn(m_handle, std::move(m_pending_shape));
}

void TWinControl::SetWindowShape(std::unique_ptr<TRegion> shape)
{
    m_has_shape = shape != nullptr;
    if (m_handle) {
        Wm().SetWindowRgn(m_handle, std::move(shape));
        m_pending_shape.reset();
    } else {
        m_pending_shape = std::move(shape);
    }
}

void TWinControl::PaintImageUnder(const TControl& child, TDeviceContext& dc)
{
    // Restores the context and the mark whatever a painter does.
    struct TRestore {
        TWinControl& control;
        TDeviceContext& dc;
        TRegion clip;
        uint32_t state;
        TPoint shift;
        ~TRestore()
        {
            dc.OffsetOrigin(-shift.x, -shift.y);
            dc.RestoreClip(clip);
            control.SetControlState(state);
        }
    } restore { *this, dc, dc.Clip(), ControlState(), { -child.Left(), -child.Top() } };
    SetControlState(ControlState() | csPaintCopy);
    dc.OffsetOrigin(restore.shift.x, restore.shift.y);
    dc.IntersectClipRect(ClientRect());
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc));
    if (!dynamic_cast<TCustomForm*>(this))
        PaintWindow(dc);
    TRect under = child.BoundsRect();
    TRegion inside = dc.Clip();
    for (TControl* c : m_controls) {
        if (c == &child)
            break;
        TRect bounds = c->BoundsRect();
        if (dynamic_cast<TWinControl*>(c) || !c->Visible() || bounds.Intersect(under).IsEmpty())
            continue;
        dc.IntersectClipRect(bounds);
        dc.OffsetOrigin(bounds.left, bounds.top);
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&dc));
        dc.OffsetOrigin(-bounds.left, -bounds.top);
        dc.RestoreClip(inside);
    }
}

void TWinControl::DestroyHandle()
{
    if (m_handle)
        DestroyWnd();
}

void TWinControl::DestroyWnd()
{
    HWND hwnd = m_handle;
    if (m_capture_control && Wm().Input().GetCapture() == hwnd)
        Wm().Input().ReleaseCapture();
    m_capture_control = nullptr;
    Wm().DestroyWindow(hwnd);
    Registry().erase(hwnd);
    m_handle = 0;
}

void TWinControl::InsertControl(TControl* control)
{
    if (!control || ContainsControl(control))
        return;
    control->m_parent = this;
    m_controls.push_back(control);
    if (auto* win = dynamic_cast<TWinControl*>(control)) {
        m_tab_list.push_back(win);
        if (m_handle)
            win->CreateHandle();
    } else {
        control->Invalidate();
    }
    control->UpdateAnchorRules();
    AlignControl(control);
}

void TWinControl::RemoveControl(TControl* control)
{
    if (!ContainsControl(control))
        return;
    if (m_capture_control == control) {
        m_capture_control = nullptr;
        if (m_handle && Wm().Input().GetCapture() == m_handle)
            Wm().Input().ReleaseCapture();
    }
    TMouseTracker::Instance().Forget(control);
    if (TCustomForm* form = GetParentForm())
        form->ControlRemoved(control);
    if (control->Visible())
        InvalidateRect(control->BoundsRect());
    std::erase(m_controls, control);
    if (auto* win = dynamic_cast<TWinControl*>(control)) {
        std::erase(m_tab_list, win);
        win->DestroyHandle();
    }
    control->m_parent = nullptr;
    Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    return std::find(m_controls.begin(), m_controls.end(), control) != m_controls.end();
}

void TWinControl::ChangeOrder(TControl* control, TOrder order)
{
    if (!ContainsControl(control))
        return;
    std::erase(m_controls, control);
    if (order == TOrder::kFront)
        m_controls.push_back(control);
    else
        m_controls.insert(m_controls.begin(), control);
    UpdateWindowOrder();
    control->Invalidate();
}

void TWinControl::UpdateWindowOrder()
{
    // Windows of children lie front to back as the list orders them back to front.
    if (!m_handle)
        return;
    for (TControl* child : m_controls)
        if (auto* win = dynamic_cast<TWinControl*>(child); win && win->m_handle)
            Wm().SetWindowPos(win->m_handle, HWND_TOP, {}, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allow_disabled, bool allow_windowed) const
{
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        TControl* c = *it;
        bool windowed = dynamic_cast<TWinControl*>(c) != nullptr;
        if (windowed && !allow_windowed)
            continue;
        if (!c->Visible() || (!c->Enabled() && !allow_disabled))
            continue;
        TRect r = c->BoundsRect();
        if (p.x >= r.left && p.y >= r.top && p.x < r.right && p.y < r.bottom)
            return c;
    }
    return nullptr;
}

void TWinControl::AlignControl(TControl* control)
{
    if (HasState(csLoading) || HasState(csDestroying) || m_align_disabled > 0) {
        SetControlState(ControlState() | csAlignmentNeeded);
        return;
    }
    if (m_aligning)
        return;
    TRect rect = ClientRect();
    AlignControls(control, rect);
}

void TWinControl::Realign()
{
    AlignControl(nullptr);
}

void TWinControl::EnableAlign()
{
    if (m_align_disabled > 0 && --m_align_disabled == 0 && (ControlState() & csAlignmentNeeded))
        Realign();
}

void TWinControl::AlignControls(TControl* control, TRect& rect)
{
    SetControlState(ControlState() & ~csAlignmentNeeded);
    m_aligning = true;
    TControlAligner(*this).Align(control, rect);
    m_aligning = false;
}

void TWinControl::AdjustClientRect(TRect&) const
{ }

TRect TWinControl::ClientRect() const
{
    if (m_handle)
        return Wm().GetClientRect(m_handle);
    return TControl::ClientRect();
}

TPoint TWinControl::ClientOrigin() const
{
    if (m_handle)
        return Wm().ClientToScreen(m_handle, { 0, 0 });
    return TControl::ClientOrigin();
}

bool TWinControl::Showing() const
{
    if (m_handle)
        return Wm().IsWindowVisible(m_handle);
    return false;
}

void TWinControl::BoundsChanged(const TRect&)
{
    if (m_handle && !m_updating_bounds)
        Wm().SetWindowPos(m_handle, BoundsRect(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::UpdateBounds()
{
    if (!m_handle)
        return;
    TRect r = Wm().GetWindowRect(m_handle);
    if (HWND parent = Wm().GetParent(m_handle)) {
        TPoint p = Wm().ScreenToClient(parent, { r.left, r.top });
        r = { p.x, p.y, p.x + r.Width(), p.y + r.Height() };
    }
    m_updating_bounds = true;
    TControl::SetBounds(r.left, r.top, r.Width(), r.Height());
    m_updating_bounds = false;
}

void TWinControl::VisibleChanged()
{
    if (m_handle)
        Wm().ShowWindow(m_handle, Visible() ? SW_SHOWNA : SW_HIDE);
    else if (Visible() && Parent() && Parent()->HandleAllocated())
        CreateHandle();
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    if (ControlState() & csAlignmentNeeded)
        Realign();
}

void TWinControl::InvalidateRect(const TRect& rect)
{
    if (m_handle)
        Wm().InvalidateRect(m_handle, &rect, false);
}

void TWinControl::InvalidateBackground(const TRect& rect)
{
    if (m_handle)
        Wm().InvalidateRect(m_handle, &rect, !(ControlStyle() & csOpaque));
}

void TWinControl::Invalidate()
{
    if (m_handle)
        Wm().InvalidateRect(m_handle, nullptr, !(ControlStyle() & csOpaque));
}

void TWinControl::Update()
{
    if (m_handle)
        Wm().UpdateWindow(m_handle);
}

void TWinControl::Repaint()
{
    Invalidate();
    Update();
}

void TWinControl::PaintControls(TDeviceContext& dc, TControl* first)
{
    auto start = m_controls.begin();
    if (first)
        start = std::find(m_controls.begin(), m_controls.end(), first);
    TRegion saved = dc.Clip();
    for (auto it = start; it != m_controls.end(); ++it) {
        TControl* c = *it;
        if (dynamic_cast<TWinControl*>(c) || !c->Visible() || c->Width() <= 0 || c->Height() <= 0)
            continue;
        TRect bounds = c->BoundsRect();
        dc.IntersectClipRect(bounds);
        if (!dc.Clip().IsEmpty()) {
            dc.OffsetOrigin(bounds.left, bounds.top);
            c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&dc));
            dc.OffsetOrigin(-bounds.left, -bounds.top);
        }
        dc.RestoreClip(saved);
    }
}

void TWinControl::PaintWindow(TDeviceContext&)
{ }

void TWinControl::PaintHandler(TMessage& message)
{
    if (message.WParam) {
        auto& dc = *reinterpret_cast<TDeviceContext*>(message.WParam);
        PaintWindow(dc);
        PaintControls(dc, nullptr);
        return;
    }
    if (!m_handle)
        return;
    TRegion update = Wm().BeginPaint(m_handle);
    if (update.IsEmpty())
        return;
    auto dc = Wm().GetDC(m_handle, &update);
    if (!dc)
        return;
    PaintWindow(*dc);
    PaintControls(*dc, nullptr);
}

int TWinControl::TabOrder() const
{
    if (!Parent())
        return -1;
    const auto& list = Parent()->m_tab_list;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order)
{
    if (!Parent())
        return;
    auto& list = Parent()->m_tab_list;
    std::erase(list, this);
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

bool TWinControl::CanFocus() const
{
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const
{
    return m_handle && Wm().GetFocus() == m_handle;
}

void TWinControl::SetFocus()
{
    if (!CanFocus())
        return;
    Wm().SetFocus(Handle());
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward) const
{
    // Every focusable tab stop below this control, in tab order, depth first.
    std::vector<TWinControl*> order;
    std::function<void(const TWinControl*)> collect = [&](const TWinControl* parent) {
        for (TWinControl* c : parent->m_tab_list) {
            if (c->m_tab_stop && c->CanFocus())
                order.push_back(c);
            collect(c);
        }
    };
    collect(this);
    if (order.empty())
        return nullptr;
    auto it = std::find(order.begin(), order.end(), current);
    if (it == order.end())
        return forward ? order.front() : order.back();
    auto index = it - order.begin();
    auto n = static_cast<long>(order.size());
    return order[static_cast<size_t>((index + (forward ? 1 : n - 1)) % n)];
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

void TWinControl::KeyDown(uint16_t& key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(uint16_t& key, TShiftState shift)
{
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

LRESULT TWinControl::Broadcast(TMessage& message)
{
    // A handler may add or remove controls: the list as it was, each still there.
    const std::vector<TControl*> controls = m_controls;
    for (TControl* control : controls) {
        if (std::find(m_controls.begin(), m_controls.end(), control) == m_controls.end())
            continue;
        message.Result = control->Perform(message.Msg, message.WParam, message.LParam);
        if (message.Result)
            return message.Result;
        if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && windowed->Broadcast(message))
            return message.Result;
    }
    return 0;
}

bool TWinControl::DoKeyDown(TMessage& message)
{
    TCustomForm* form = GetParentForm();
    TWMKey key { message.Msg, static_cast<uint16_t>(message.WParam), message.LParam, 0 };
    if (form && form->IsShortCut(key))
        return true;
    if (form && form != this && form->KeyPreview()) {
        uint16_t code = static_cast<uint16_t>(message.WParam);
        form->KeyDown(code, KeyDataToShiftState(message.LParam));
        if (code == 0)
            return true;
    }
    if (message.WParam == VK_TAB && form && message.Msg == WM_KEYDOWN) {
        bool back = TWindowManager::Instance().Input().IsKeyDown(VK_SHIFT);
        if (TWinControl* next = form->FindNextControl(this, !back)) {
            next->SetFocus();
            return true;
        }
    }
    // Enter and Escape go to the form's default and cancel buttons first.
    if (form && message.Msg == WM_KEYDOWN && (message.WParam == VK_RETURN || message.WParam == VK_ESCAPE)) {
        TMessage dialog { CM_DIALOGKEY, message.WParam, message.LParam, 0 };
        if (form->Broadcast(dialog))
            return true;
    }
    return false;
}

bool TWinControl::ChildHandlesMouse(TMessage& message)
{
    TPoint p = PointFromParam(message.LParam);
    TControl* target = m_capture_control;
    if (!target)
        target = ControlAtPos(p);
    if (!target) {
        if (message.Msg == WM_MOUSEMOVE)
            TMouseTracker::Instance().Enter(this);
        return false;
    }
    if (message.Msg == WM_MOUSEMOVE && (!m_capture_control || ControlAtPos(p) == m_capture_control))
        TMouseTracker::Instance().Enter(target);
    if ((message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK)
        && (target->ControlStyle() & csCaptureMouse)) {
        m_capture_control = target;
        Wm().Input().SetCapture(m_handle);
    }
    TPoint local { p.x - target->Left(), p.y - target->Top() };
    target->Perform(message.Msg, message.WParam, MakePointParam(local));
    if (message.Msg == WM_LBUTTONUP && m_capture_control == target) {
        m_capture_control = nullptr;
        if (Wm().Input().GetCapture() == m_handle)
            Wm().Input().ReleaseCapture();
    }
    return true;
}

void TWinControl::Dispatch(TMessage& message)
{
    uint32_t msg = message.Msg;
    if (IsMouseMessage(msg)) {
        if (ChildHandlesMouse(message))
            return;
        if ((msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) && (ControlStyle() & csCaptureMouse)
            && m_handle)
            Wm().Input().SetCapture(m_handle);
        if (msg == WM_LBUTTONUP && m_handle && Wm().Input().GetCapture() == m_handle)
            Wm().Input().ReleaseCapture();
        TControl::Dispatch(message);
        return;
    }
    switch (msg) {
    case WM_PAINT:
        PaintHandler(message);
        return;
    case WM_ERASEBKGND:
        if (message.WParam && m_handle) {
            auto& dc = *reinterpret_cast<TDeviceContext*>(message.WParam);
            dc.FillRect(ClientRect(), ColorToArgb(Color()));
        }
        message.Result = 1;
        return;
    case WM_WINDOWPOSCHANGED:
        UpdateBounds();
        DefaultHandler(message);
        return;
    case WM_SIZE:
        Realign();
        DefaultHandler(message);
        return;
    case WM_NCMOUSEMOVE:
        // The pointer on a control's frame is over that control.
        TMouseTracker::Instance().Enter(this);
        DefaultHandler(message);
        return;
    case WM_NCMOUSELEAVE:
        TMouseTracker::Instance().Leave(this);
        DefaultHandler(message);
        return;
    case WM_MOUSELEAVE: {
        TControl* current = TMouseTracker::Instance().Current();
        if (current == this || (current && current->Parent() == this && !dynamic_cast<TWinControl*>(current)))
            TMouseTracker::Instance().Leave(current);
        DefaultHandler(message);
        return;
    }
    case WM_SETCURSOR:
        if (LoWord(static_cast<uintptr_t>(message.LParam)) == HTCLIENT) {
            TCursor cursor = Screen().Cursor();
            if (cursor == crDefault) {
                TPoint p = ScreenToClient(Wm().Input().CursorPos());
                TControl* under = ControlAtPos(p);
                cursor = under ? under->Cursor() : Cursor();
            }
            if (cursor != crDefault) {
                Wm().Input().SetCursor(CursorToIdc(cursor));
                message.Result = 1;
                return;
            }
        }
        DefaultHandler(message);
        return;
    case WM_SETFOCUS:
        if (TCustomForm* form = GetParentForm(); form && form != this)
            form->SetActiveControlFromFocus(this);
        DoEnter();
        DefaultHandler(message);
        return;
    case WM_KILLFOCUS:
        DoExit();
        DefaultHandler(message);
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        if (DoKeyDown(message))
            return;
        uint16_t key = static_cast<uint16_t>(message.WParam);
        KeyDown(key, KeyDataToShiftState(message.LParam));
        if (key == 0)
            return;
        DefaultHandler(message);
        return;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        uint16_t key = static_cast<uint16_t>(message.WParam);
        KeyUp(key, KeyDataToShiftState(message.LParam));
        if (key != 0)
            DefaultHandler(message);
        return;
    }
    case WM_CHAR: {
        char32_t key = static_cast<char32_t>(message.WParam);
        KeyPress(key);
        if (key != 0)
            DefaultHandler(message);
        return;
    }
    case WM_SYSCHAR:
        // Alt+letter goes to the controls whose caption it accelerates before the
        // window's menu.
        if (TCustomForm* form = GetParentForm()) {
            TMessage dialog { CM_DIALOGCHAR, message.WParam, message.LParam, 0 };
            if (form->Broadcast(dialog))
                return;
        }
        DefaultHandler(message);
        return;
    case CM_FONTCHANGED:
        for (TControl* c : m_controls)
            c->Perform(CM_PARENTFONTCHANGED);
        Invalidate();
        return;
    case CM_COLORCHANGED:
        for (TControl* c : m_controls)
            c->Perform(CM_PARENTCOLORCHANGED);
        Invalidate();
        return;
    case CM_TEXTCHANGED:
        if (m_handle)
            Wm().SetText(m_handle, Caption());
        Invalidate();
        return;
    case CM_ENABLEDCHANGED:
        if (m_handle)
            Wm().EnableWindow(m_handle, Enabled());
        return;
    default:
        TControl::Dispatch(message);
        return;
    }
}

void TWinControl::DefaultHandler(TMessage& message)
{
    if (m_handle && message.Msg < CM_BASE)
        message.Result = Wm().DefWindowProc(m_handle, message.Msg, message.WParam, message.LParam);
}

} // namespace tessel
