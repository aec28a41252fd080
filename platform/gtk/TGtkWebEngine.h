#pragma once

#include "platform/TWebView.h"

#include <gtk/gtk.h>
#include <list>
#include <memory>

typedef struct _WebKitWebContext WebKitWebContext;

namespace tessel {

// The process's one WebKit context: persistent data and cache folders, preferred
// languages, the program's schemes (secure, CORS-enabled). Every view after the
// first is made related to it, so all views share one web process.
class TGtkWebEngine {
public:
    explicit TGtkWebEngine(const TWebConfig& config);
    ~TGtkWebEngine();
    TGtkWebEngine(const TGtkWebEngine&) = delete;
    TGtkWebEngine& operator=(const TGtkWebEngine&) = delete;

    std::unique_ptr<TWebView> CreateView();

private:
    WebKitWebContext* m_context = nullptr;
    GtkWidget* m_first = nullptr;
    std::list<TSchemeHandler> m_handlers;
};

} // namespace tessel
