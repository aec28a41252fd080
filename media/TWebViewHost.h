#pragma once

#include "tessel/framework/TWinControl.h"
#include "tessel/platform/TWebView.h"

#include <memory>

namespace tessel {

// A windowed control that shows an embedded web view over its client area. The
// view is made with the control, shown once the control has its window, and
// follows it (moved, sized, hidden) through the window system's native views.
class TWebViewHost : public TWinControl {
public:
    explicit TWebViewHost(TComponent* owner = nullptr, TWebViewKind kind = TWebViewKind::Page);
    ~TWebViewHost() override;

    // The view; null when the backend has no web views.
    TWebView* View() { return m_view.get(); }

    // A double click in the view, with the modifier keys that were held.
    std::function<void(TComponent* sender, TShiftState shift)> OnViewDblClick;
    // The page asked for full screen (on) or left it.
    std::function<void(TComponent* sender, bool on)> OnViewFullScreen;

protected:
    // The view came on the screen or left it (its window shown or hidden,
    // minimised or restored).
    virtual void ShownChanged(bool) { }
    // The page asked for full screen, or left it: OnViewFullScreen is told through
    // the message queue, outside the view's own event handling.
    void RequestFullScreen(bool on);
    void CreateWnd() override;
    void DestroyWnd() override;
    void PaintWindow(TDeviceContext& dc) override;
    void Dispatch(TMessage& message) override;

private:
    void Detach();

    std::unique_ptr<TWebView> m_view;
    bool m_attached = false;
};

} // namespace tessel
