#include "media/TWebViewHost.h"

#include "media/TMediaServer.h"
#include "platform/TDeviceContext.h"
#include "platform/TWindowManager.h"

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

void TWebViewHost::PaintWindow(TDeviceContext& dc)
{
    // What shows until the view covers the client area (and in the headless backend).
    dc.FillRect(ClientRect(), ColorToArgb(Color()));
}

} // namespace tessel
