#pragma once

#include "platform/TWebView.h"

#include <gtk/gtk.h>
#include <list>
#include <memory>
#include <string>
#include <vector>

typedef struct _WebKitWebContext WebKitWebContext;
typedef struct _WebKitWebView WebKitWebView;
typedef struct _WebKitURISchemeRequest WebKitURISchemeRequest;

namespace tessel {

class TGtkWebView;

// The process's one WebKit context: persistent data and cache folders, preferred
// languages, the program's schemes (secure; answered only to the program's own
// views, files served from a mapping). Every view after the first is made related to
// it, so all views share one web process. The context and the WebKit views are made
// at Start, which the backend calls once the first window is on the screen: WebKit
// starts its processes after the window has its first picture.
class TGtkWebEngine {
public:
    explicit TGtkWebEngine(const TWebConfig& config);
    ~TGtkWebEngine();
    TGtkWebEngine(const TGtkWebEngine&) = delete;
    TGtkWebEngine& operator=(const TGtkWebEngine&) = delete;

    std::unique_ptr<TWebView> CreateView(TWebViewKind kind);
    void Start();
    bool Started() const { return m_context != nullptr; }
    // A view is going.
    void Forget(TGtkWebView* view);
    std::vector<std::string> SchemeNames() const;

private:
    struct TScheme {
        TGtkWebEngine* engine;
        TSchemeHandler handler;
    };
    GtkWidget* NewWebKitView();
    void Realize(TGtkWebView& view);
    // Whether the view asking is one of the program's own.
    bool IsProgramView(WebKitWebView* view) const;
    static void Answer(WebKitURISchemeRequest* request, gpointer scheme);

    TWebConfig m_config;
    WebKitWebContext* m_context = nullptr;
    GtkWidget* m_first = nullptr;
    std::list<TScheme> m_schemes;
    std::vector<TGtkWebView*> m_views;
};

} // namespace tessel
