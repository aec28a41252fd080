#pragma once

#include "tessel/platform/TWebView.h"

#include <functional>
#include <gtk/gtk.h>
#include <memory>
#include <string>

namespace tessel {

// The WebKit side of the desktop's web views. It lives in a module of its own
// (libtessel-webkit.so) that the backend loads once the first window is on the
// screen, so the program starts, and shows its window, without WebKit's libraries.
class TGtkWebKit {
public:
    virtual ~TGtkWebKit() = default;

    // A new WebKit view for a view of the kind, with its policy; the caller holds
    // one reference.
    virtual GtkWidget* NewView(TWebViewKind kind) = 0;
    virtual void LoadUri(GtkWidget* view, const std::string& uri) = 0;
    virtual void RunScript(GtkWidget* view, const std::string& script) = 0;
    // Calls back when the view's main frame has finished loading, or failed to.
    virtual void SetLoadFinished(GtkWidget* view, std::function<void()> handler) = 0;
    // The view is going; its policy goes with it.
    virtual void ForgetView(GtkWidget* view) = 0;
};

// Opens an address with the desktop's opener.
using TOpenOutside = std::function<void(const std::string&)>;

// The module's one entry point, looked up by this name.
constexpr const char* kCreateWebKitSymbol = "TesselCreateWebKit";
using TCreateWebKit = TGtkWebKit* (*)(const TWebConfig& config, TOpenOutside open_outside);

} // namespace tessel
