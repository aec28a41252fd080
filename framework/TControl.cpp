#include "tessel/framework/TControl.h"

#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TMouseTracker.h"
#include "tessel/framework/TPopupMenu.h"
#include "tessel/framework/TWinControl.h"
#include "tessel/platform/TWindowManager.h"

namespace tessel {

TControl::TControl(TComponent* owner)
    : TComponent(owner)
    , m_window_proc([this](TMessage& m) { WndProc(m); })
{
    m_font.OnChange = [this] {
        m_parent_font = false;
        Perform(CM_FONTCHANGED);
    };
}

TControl::~TControl()
{
    TMouseTracker::Instance().Forget(this);
    if (m_parent)
        m_parent->RemoveControl(this);
}

LRESULT TControl::Perform(uint32_t msg, WPARAM wparam, LPARAM lparam)
{
    TMessage message { msg, wparam, lparam, 0 };
    m_window_proc(message);
    return message.Result;
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == m_parent)
        return;
    if (m_parent)
        m_parent->RemoveControl(this);
    if (parent) {
        parent->InsertControl(this);
        if (m_parent_font)
            ParentFontChanged();
        if (m_parent_color)
            ParentColorChanged();
    }
}

TCustomForm* TControl::GetParentForm() const
{
    const TControl* c = this;
    while (c->m_parent)
        c = c->m_parent;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (left == m_left && top == m_top && width == m_width && height == m_height)
        return;
    TRect old = BoundsRect();
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    BoundsChanged(old);
    UpdateAnchorRules();
    if (old.Width() != width || old.Height() != height)
        Resize();
    RequestAlign();
}

void TControl::BoundsChanged(const TRect& old_bounds)
{
    // A window-less control is part of its parent's picture: both places repaint,
    // the one it left with the parent's background.
    if (m_parent && m_visible) {
        m_parent->InvalidateBackground(old_bounds);
        m_parent->InvalidateRect(BoundsRect());
    }
}

TPoint TControl::ClientOrigin() const
{
    TPoint p { m_left, m_top };
    if (m_parent) {
        TPoint parent = m_parent->ClientOrigin();
        p.x += parent.x;
        p.y += parent.y;
    }
    return p;
}

TPoint TControl::ClientToScreen(TPoint p) const
{
    TPoint origin = ClientOrigin();
    return { p.x + origin.x, p.y + origin.y };
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    TPoint origin = ClientOrigin();
    return { p.x - origin.x, p.y - origin.y };
}

void TControl::SetAlign(TAlign align)
{
    if (align == m_align)
        return;
    TAlign old = m_align;
    m_align = align;
    // Aligned controls keep their sides at the parent's; anchors follow.
    switch (align) {
    case alTop:
        m_anchors = akLeft | akTop | akRight;
        break;
    case alBottom:
        m_anchors = akLeft | akRight | akBottom;
        break;
    case alLeft:
        m_anchors = akLeft | akTop | akBottom;
        break;
    case alRight:
        m_anchors = akRight | akTop | akBottom;
        break;
    case alClient:
        m_anchors = akLeft | akTop | akRight | akBottom;
        break;
    default:
        if (old != alNone)
            m_anchors = kDefaultAnchors;
        break;
    }
    RequestAlign();
}

void TControl::SetAnchors(TAnchors anchors)
{
    m_anchors = anchors;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules()
{
    // While the parent lays its children out the distances stay as they were.
    if (!m_parent || m_parent->m_aligning)
        return;
    TRect client = m_parent->ClientRect();
    m_anchor_rules = { client.Width() - (m_left + m_width), client.Height() - (m_top + m_height), true };
}

void TControl::Loaded()
{
    TComponent::Loaded();
    UpdateAnchorRules();
}

void TControl::RequestAlign()
{
    if (m_parent)
        m_parent->AlignControl(this);
}

void TControl::SetVisible(bool visible)
{
    if (visible == m_visible)
        return;
    if (m_parent && m_visible)
        m_parent->InvalidateRect(BoundsRect());
    m_visible = visible;
    VisibleChanged();
    Perform(CM_VISIBLECHANGED, visible);
    if (!visible)
        TMouseTracker::Instance().Forget(this);
    RequestAlign();
}

void TControl::VisibleChanged()
{
    if (m_parent && m_visible)
        m_parent->InvalidateRect(BoundsRect());
}

bool TControl::Showing() const
{
    return m_visible && m_parent && m_parent->Showing();
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    Perform(CM_ENABLEDCHANGED);
    Invalidate();
}

void TControl::SetCaption(const std::string& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    Perform(CM_TEXTCHANGED);
}

void TControl::SetParentFont(bool parent_font)
{
    m_parent_font = parent_font;
    if (parent_font && m_parent)
        ParentFontChanged();
}

void TControl::ParentFontChanged()
{
    if (!m_parent)
        return;
    auto change = std::move(m_font.OnChange);
    m_font.Assign(m_parent->Font());
    m_font.OnChange = std::move(change);
    Perform(CM_FONTCHANGED);
}

void TControl::SetColor(TColor color)
{
    if (color == m_color && !m_parent_color)
        return;
    m_color = color;
    m_parent_color = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool parent_color)
{
    m_parent_color = parent_color;
    if (parent_color && m_parent)
        ParentColorChanged();
}

void TControl::ParentColorChanged()
{
    if (!m_parent)
        return;
    m_color = m_parent->Color();
    Perform(CM_COLORCHANGED);
}

void TControl::SetCursor(TCursor cursor)
{
    m_cursor = cursor;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetShowHint(bool show)
{
    m_show_hint = show;
    m_parent_show_hint = false;
}

void TControl::SetParentShowHint(bool parent)
{
    m_parent_show_hint = parent;
    if (parent && m_parent)
        m_show_hint = m_parent->ShowHint();
}

void TControl::SetPopupMenu(TPopupMenu* menu)
{
    SetReference(m_popup_menu, menu);
}

void TControl::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_popup_menu)
        m_popup_menu = nullptr;
}

void TControl::Invalidate()
{
    if (m_parent && m_visible)
        m_parent->InvalidateRect(BoundsRect());
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::Update()
{
    if (m_parent)
        m_parent->Update();
}

void TControl::BringToFront()
{
    if (m_parent)
        m_parent->ChangeOrder(this, TWinControl::TOrder::kFront);
}

void TControl::SendToBack()
{
    if (m_parent)
        m_parent->ChangeOrder(this, TWinControl::TOrder::kBack);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

void TControl::MouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TControl::MouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TControl::WndProc(TMessage& message)
{
    Dispatch(message);
}

void TControl::HandleMouse(TMessage& message)
{
    TPoint p = PointFromParam(message.LParam);
    TShiftState shift = MouseKeysToShiftState(message.WParam);
    auto button_of = [](uint32_t msg) {
        switch (msg) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
            return mbRight;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            return mbMiddle;
        default:
            return mbLeft;
        }
    };
    TMouseButtonKind button = button_of(message.Msg);
    switch (message.Msg) {
    case WM_MOUSEMOVE:
        MouseMove(shift, p.x, p.y);
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (m_control_style & csClickEvents)
            m_control_state |= csClicked;
        m_control_state |= csLButtonDown;
        if (message.Msg == WM_LBUTTONDBLCLK) {
            if (m_control_style & csDoubleClicks)
                DblClick();
            shift |= ssDouble;
        }
        MouseDown(button, shift, p.x, p.y);
        return;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        MouseDown(button, shift, p.x, p.y);
        return;
    case WM_LBUTTONUP: {
        bool clicked
            = (m_control_state & csClicked) && p.x >= 0 && p.y >= 0 && p.x < m_width && p.y < m_height;
        m_control_state &= ~(csClicked | csLButtonDown);
        if (clicked)
            Click();
        MouseUp(button, shift, p.x, p.y);
        return;
    }
    case WM_RBUTTONUP:
        MouseUp(button, shift, p.x, p.y);
        if (m_popup_menu && m_popup_menu->AutoPopup()) {
            TPoint screen = ClientToScreen(p);
            m_popup_menu->SetPopupComponent(this);
            m_popup_menu->Popup(screen.x, screen.y);
        }
        return;
    case WM_MBUTTONUP:
        MouseUp(button, shift, p.x, p.y);
        return;
    default:
        return;
    }
}

void TControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        HandleMouse(message);
        DefaultHandler(message);
        return;
    case CM_MOUSEENTER:
        m_mouse_in_control = true;
        MouseEnter();
        return;
    case CM_MOUSELEAVE:
        m_mouse_in_control = false;
        MouseLeave();
        return;
    case CM_PARENTFONTCHANGED:
        if (m_parent_font)
            ParentFontChanged();
        return;
    case CM_PARENTCOLORCHANGED:
        if (m_parent_color)
            ParentColorChanged();
        return;
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
    case CM_TEXTCHANGED:
        Invalidate();
        return;
    default:
        DefaultHandler(message);
        return;
    }
}

void TControl::DefaultHandler(TMessage&)
{ }

} // namespace tessel
