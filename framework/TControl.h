#pragma once

#include "tessel/framework/ControlTypes.h"
#include "tessel/framework/TComponent.h"
#include "tessel/framework/TFont.h"
#include "tessel/framework/TPopupMenu.h"
#include "tessel/platform/TMessage.h"
#include "tessel/platform/TRect.h"

#include <functional>
#include <string>

namespace tessel {

class TCustomForm; // complete in <tessel/framework/TCustomForm.h>
class TWinControl; // complete in <tessel/framework/TWinControl.h>

// A control: something with bounds on a parent that paints and takes the mouse.
// Messages go to WindowProc, which a component may replace (saving the old one to
// chain to); the default WindowProc is WndProc, which hands the message to
// Dispatch. A control class handles the messages it knows in Dispatch and passes the
// rest to its parent class, down to DefaultHandler.
class TControl : public TComponent {
public:
    using TWndMethod = std::function<void(TMessage&)>;

    explicit TControl(TComponent* owner = nullptr);
    ~TControl() override;

    LRESULT Perform(uint32_t msg, WPARAM wparam = 0, LPARAM lparam = 0);
    const TWndMethod& WindowProc() const { return m_window_proc; }
    void SetWindowProc(TWndMethod proc) { m_window_proc = std::move(proc); }

    TWinControl* Parent() const { return m_parent; }
    virtual void SetParent(TWinControl* parent);
    // The form the control lies on, or null.
    TCustomForm* GetParentForm() const;

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetLeft(int left) { SetBounds(left, m_top, m_width, m_height); }
    void SetTop(int top) { SetBounds(m_left, top, m_width, m_height); }
    void SetWidth(int width) { SetBounds(m_left, m_top, width, m_height); }
    void SetHeight(int height) { SetBounds(m_left, m_top, m_width, height); }
    TRect BoundsRect() const { return { m_left, m_top, m_left + m_width, m_top + m_height }; }
    void SetBoundsRect(const TRect& r) { SetBounds(r.left, r.top, r.Width(), r.Height()); }
    virtual void SetBounds(int left, int top, int width, int height);
    // The client area in the control's own coordinates.
    virtual TRect ClientRect() const { return { 0, 0, m_width, m_height }; }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    // The client area's origin in the parent's client coordinates (for window-less
    // controls the bounds' top-left, for windowed ones where their client lies).
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    TAlign Align() const { return m_align; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return m_anchors; }
    void SetAnchors(TAnchors anchors);

    bool Visible() const { return m_visible; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible itself and every parent up to a shown window.
    virtual bool Showing() const;
    bool Enabled() const { return m_enabled; }
    virtual void SetEnabled(bool enabled);

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    TFont& Font() { return m_font; }
    const TFont& Font() const { return m_font; }
    bool ParentFont() const { return m_parent_font; }
    void SetParentFont(bool parent_font);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    bool ParentColor() const { return m_parent_color; }
    void SetParentColor(bool parent_color);
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor cursor);
    const std::string& Hint() const { return m_hint; }
    void SetHint(std::string hint) { m_hint = std::move(hint); }
    bool ShowHint() const { return m_show_hint; }
    void SetShowHint(bool show);
    bool ParentShowHint() const { return m_parent_show_hint; }
    void SetParentShowHint(bool parent);
    TPopupMenu* PopupMenu() const { return m_popup_menu; }
    void SetPopupMenu(TPopupMenu* menu);
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    uint32_t ControlState() const { return m_control_state; }
    void SetControlState(uint32_t state) { m_control_state = state; }
    uint32_t ControlStyle() const { return m_control_style; }
    void SetControlStyle(uint32_t style) { m_control_style = style; }
    // Whether the mouse is over the control (between mouse enter and mouse leave).
    bool MouseInControl() const { return m_mouse_in_control; }

    virtual void Invalidate();
    // Invalidates and paints at once.
    virtual void Repaint();
    virtual void Update();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();
    // Simulates a click: runs OnClick.
    virtual void Click();

    void Loaded() override;
    const char* ClassName() const override { return "TControl"; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    virtual void WndProc(TMessage& message);
    virtual void Dispatch(TMessage& message);
    virtual void DefaultHandler(TMessage& message);
    void Notification(TComponent* component, TOperation operation) override;

    virtual void DblClick();
    virtual void MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void Resize();
    // The framework's mouse-enter and mouse-leave notices arrive as CM_MOUSEENTER and
    // CM_MOUSELEAVE; these run the events.
    virtual void MouseEnter();
    virtual void MouseLeave();
    // Asks the parent to lay its children out again after this one changed.
    void RequestAlign();
    // The bounds changed: what follows in subclasses (windows move, graphic controls repaint).
    virtual void BoundsChanged(const TRect& old_bounds);
    virtual void VisibleChanged();
    // Remembers the distances the anchors keep, against the parent's client size now.
    void UpdateAnchorRules();
    // Sets the flag alone, for constructors of controls that start hidden.
    void InitVisible(bool visible) { m_visible = visible; }

private:
    friend class TWinControl;
    friend class TControlAligner;
    struct AnchorRules {
        int right = 0; // parent client width - right edge
        int bottom = 0;
        bool valid = false;
    };

    void HandleMouse(TMessage& message);
    void ParentFontChanged();
    void ParentColorChanged();

    TWndMethod m_window_proc;
    TWinControl* m_parent = nullptr;
    int m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    TAlign m_align = alNone;
    TAnchors m_anchors = kDefaultAnchors;
    AnchorRules m_anchor_rules;
    bool m_visible = true;
    bool m_enabled = true;
    std::string m_caption;
    TFont m_font;
    bool m_parent_font = true;
    TColor m_color = clBtnFace;
    bool m_parent_color = true;
    TCursor m_cursor = crDefault;
    std::string m_hint;
    bool m_show_hint = false;
    bool m_parent_show_hint = true;
    TPopupMenu* m_popup_menu = nullptr;
    int m_tag = 0;
    uint32_t m_control_state = 0;
    uint32_t m_control_style = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    bool m_mouse_in_control = false;
};

} // namespace tessel
