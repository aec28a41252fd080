#include "tessel/media/TWebBrowser.h"

#include "tessel/media/TMediaServer.h"
#include "tessel/media/TUri.h"
#include "tessel/platform/TWindowManager.h"

namespace tessel {

TWebBrowser::TWebBrowser(TComponent* owner)
    : TWebViewHost(owner)
{
    SetColor(clWhite);
    if (TWebView* view = View())
        view->SetLoadFinished([this] {
            if (OnDocumentComplete)
                OnDocumentComplete(this);
        });
}

void TWebBrowser::Navigate(const std::string& address)
{
    std::optional<std::string> uri = address.empty() ? "about:blank" : TUri::Normalize(address);
    if (!uri)
        throw EWebBrowserError("Cannot navigate to \"" + address + "\": not a valid address");
    TWebView* view = View();
    if (view && !view->LoadUri(*uri))
        throw EWebBrowserError("Cannot navigate to \"" + address + "\"");
    m_location = *uri;
}

} // namespace tessel
