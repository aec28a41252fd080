#include "tessel/media/TWebViewHost.h"

#include "tessel/media/TMediaServer.h"
#include "tessel/platform/TDeviceContext.h"
#include "tessel/platform/TWindowManager.h"

namespace tessel {

namespace {

// Views are made only after the web set-up, which the first view fixes for all.
std::unique_ptr<TWebView> MakeView(TWebViewKind kind)
{
    TBackend& backend = TWindowManager::Instance().Backend();
    TMediaServer::Instance().Install(backend);
    return backend.CreateWebView(kind);
}

} // namespace

TWebViewHost::TWebViewHost(TComponent* owner, TWebViewKind kind)
    : TWinControl(owner)
    , m_view(MakeView(kind))
{
    SetColor(clBlack);
    // The view tells its double clicks from inside the window system's event
    // handling; they come to the control through the message queue, as input does.
    if (m_view)
        m_view->SetDoubleClicked([this](const TViewModifiers& held) {
            if (!HandleAllocated())
                return;
            const TShiftState shift = static_cast<TShiftState>(
                ssDouble | (held.shift ? ssShift : 0) | (held.ctrl ? ssCtrl : 0) | (held.alt ? ssAlt : 0));
            TWindowManager::Instance().PostMessage(Handle(), CM_VIEWDBLCLICK, shift);
        });
}

TWebViewHost::~TWebViewHost()
{
    Detach();
}

void TWebViewHost::CreateWnd()
{
    TWinControl::CreateWnd();
    if (m_view && HandleAllocated() && !m_attached) {
        TWindowManager::Instance().NativeViews().Attach(
            m_view->Native(), Handle(), [this](bool shown) { ShownChanged(shown); });
        m_attached = true;
    }
}

void TWebViewHost::DestroyWnd()
{
    Detach();
    TWinControl::DestroyWnd();
}

void TWebViewHost::Detach()
{
    if (m_attached) {
        TWindowManager::Instance().NativeViews().Detach(m_view->Native());
        m_attached = false;
    }
}

void TWebViewHost::RequestFullScreen(bool on)
{
    if (HandleAllocated())
        TWindowManager::Instance().PostMessage(Handle(), CM_VIEWFULLSCREEN, on ? 1 : 0);
}

void TWebViewHost::Dispatch(TMessage& message)
{
    if (message.Msg == CM_VIEWDBLCLICK) {
        if (OnViewDblClick)
            OnViewDblClick(this, static_cast<TShiftState>(message.WParam));
        return;
    }
    if (message.Msg == CM_VIEWFULLSCREEN) {
        if (OnViewFullScreen)
            OnViewFullScreen(this, message.WParam != 0);
        return;
    }
    TWinControl::Dispatch(message);
}

void TWebViewHost::PaintWindow(TDeviceContext& dc)
{
    // What shows until the view covers the client area (and in the headless backend).
    dc.FillRect(ClientRect(), ColorToArgb(Color()));
}

} // namespace tessel
