#pragma once

#include "tessel/framework/TControl.h"
#include "tessel/platform/TWindow.h"

#include <memory>
#include <string>
#include <vector>

namespace tessel {

class TDeviceContext;
class TRegion;

// What a windowed control's window is made with; CreateParams fills it in.
struct TCreateParams {
    std::string caption;
    uint32_t style = 0;
    uint32_t ex_style = 0;
    uint32_t class_style = 0;
    int x = 0, y = 0, width = 0, height = 0;
    HWND wnd_parent = 0;

    // A top-level popup in front of the rest that never takes the activation, with
    // a drop shadow: what hints and menus are.
    void SetFloatingPopup()
    {
        style = WS_POPUP;
        ex_style = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
        class_style = CS_SAVEBITS | CS_DROPSHADOW;
        wnd_parent = 0;
    }
};

// A control with a window of its own that holds other controls. Its window is made
// when first needed (a handle asked for, a shown form, a parent whose window exists)
// with what CreateParams says; messages from the window system run through the
// control's WindowProc. Window-less children are painted on its window, in order,
// after its own painting, and get their mouse messages through it.
class TWinControl : public TControl {
public:
    enum class TOrder { kFront, kBack };

    explicit TWinControl(TComponent* owner = nullptr);
    ~TWinControl() override;

    HWND Handle();
    bool HandleAllocated() const { return m_handle != 0; }
    void HandleNeeded() { Handle(); }
    void DestroyHandle();
    // The windowed control a window belongs to, or null.
    static TWinControl* FindControl(HWND hwnd);

    // Children back to front (the last is in front).
    int ControlCount() const { return static_cast<int>(m_controls.size()); }
    TControl* Controls(int index) const { return m_controls.at(static_cast<size_t>(index)); }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool ContainsControl(const TControl* control) const;
    void ChangeOrder(TControl* control, TOrder order);
    // The visible child under a client point, front first; null when none.
    TControl* ControlAtPos(TPoint p, bool allow_disabled = false, bool allow_windowed = false) const;

    // Lays out the aligned and anchored children again.
    void Realign();
    void DisableAlign() { ++m_align_disabled; }
    void EnableAlign();
    // The rectangle aligned children share; subclasses take borders and captions off it.
    virtual void AdjustClientRect(TRect& rect) const;
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    bool Showing() const override;

    void InvalidateRect(const TRect& rect);
    // The same with the background erased first (where a window-less child was).
    void InvalidateBackground(const TRect& rect);
    void Invalidate() override;
    void Update() override;
    void Repaint() override;
    // Paints the visible window-less children from first on (all when first is null)
    // onto a context whose origin is this control's client origin.
    void PaintControls(TDeviceContext& dc, TControl* first);
    // Paints what this control shows beneath one of its children onto a context
    // whose origin is the child's top-left: the background, the control's own image
    // (a form's own image excepted) and the window-less children before the child
    // that overlap it. The control is marked csPaintCopy meanwhile.
    void PaintImageUnder(const TControl& child, TDeviceContext& dc);

    // The window's shape (window coordinates), or none for the whole rectangle; kept
    // until the window exists.
    void SetWindowShape(std::unique_ptr<TRegion> shape);
    bool HasWindowShape() const { return m_has_shape; }

    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return m_tab_stop; }
    void SetTabStop(bool tab_stop) { m_tab_stop = tab_stop; }
    virtual bool CanFocus() const;
    // Performs the message on every control inside, depth first, until one answers
    // with a result other than 0; that result.
    LRESULT Broadcast(TMessage& message);
    bool Focused() const;
    virtual void SetFocus();
    // The windowed children in tab order.
    const std::vector<TWinControl*>& TabList() const { return m_tab_list; }
    // The next child (at any depth) in tab order after current, wrapping; null when none.
    TWinControl* FindNextControl(TWinControl* current, bool forward) const;

    void Loaded() override;
    const char* ClassName() const override { return "TWinControl"; }

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    friend class TControl;
    friend class TControlAligner;

    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // Called for the control's window procedure's default, by DefaultHandler.
    void DefaultHandler(TMessage& message) override;
    void Dispatch(TMessage& message) override;
    // Paints the control itself into the context (nothing here).
    virtual void PaintWindow(TDeviceContext& dc);
    virtual void KeyDown(uint16_t& key, TShiftState shift);
    virtual void KeyUp(uint16_t& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    // Handles keys the control and its form may want first: shortcuts and Tab.
    virtual bool DoKeyDown(TMessage& message);
    virtual void AlignControls(TControl* control, TRect& rect);
    void AlignControl(TControl* control);
    void BoundsChanged(const TRect& old_bounds) override;
    void VisibleChanged() override;
    // The window's rectangle as the control's bounds, after the window system moved it.
    void UpdateBounds();
    virtual void DoEnter();
    virtual void DoExit();

private:
    void CreateHandle();
    void PaintHandler(TMessage& message);
    void MouseToChild(TMessage& message);
    bool ChildHandlesMouse(TMessage& message);
    void UpdateWindowOrder();

    HWND m_handle = 0;
    std::unique_ptr<TRegion> m_pending_shape;
    bool m_has_shape = false;
    std::vector<TControl*> m_controls;
    std::vector<TWinControl*> m_tab_list;
    TControl* m_capture_control = nullptr;
    int m_align_disabled = 0;
    bool m_aligning = false;
    bool m_tab_stop = false;
    bool m_updating_bounds = false;
};

} // namespace tessel
