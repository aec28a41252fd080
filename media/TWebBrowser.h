#pragma once

#include "tessel/framework/ControlTypes.h"
#include "tessel/framework/Exception.h"
#include "tessel/media/TWebViewHost.h"

#include <string>

namespace tessel {

// A page address the browser cannot go to.
class EWebBrowserError : public Exception {
    using Exception::Exception;
};

// The web panel: a web view showing one page at a time.
class TWebBrowser : public TWebViewHost {
public:
    explicit TWebBrowser(TComponent* owner = nullptr);

    // Shows the page. An address is taken as a browser takes it (TUri::Normalize);
    // an empty one shows a blank page; one that nothing can load, or that the view
    // refuses, raises EWebBrowserError.
    void Navigate(const std::string& address);
    const std::string& LocationURL() const { return m_location; }

    // The page has finished loading, or failed to.
    TNotifyEvent OnDocumentComplete;

private:
    std::string m_location;
};

} // namespace tessel
