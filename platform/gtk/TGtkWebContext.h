#pragma once

#include "tessel/platform/gtk/TGtkWebKit.h"

#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

typedef struct _WebKitWebContext WebKitWebContext;
typedef struct _WebKitWebView WebKitWebView;
typedef struct _WebKitURISchemeRequest WebKitURISchemeRequest;

namespace tessel {

class TGtkWebPolicy;

// The process's one WebKit context: persistent data and cache folders, preferred
// languages, the program's schemes (secure; answered only to the program's own
// views, files served from a mapping). Every view after the first is made related to
// it, so all views share one web process.
class TGtkWebContext : public TGtkWebKit {
public:
    TGtkWebContext(const TWebConfig& config, TOpenOutside open_outside);
    ~TGtkWebContext() override;
    TGtkWebContext(const TGtkWebContext&) = delete;
    TGtkWebContext& operator=(const TGtkWebContext&) = delete;

    GtkWidget* NewView(TWebViewKind kind) override;
    void LoadUri(GtkWidget* view, const std::string& uri) override;
    void RunScript(GtkWidget* view, const std::string& script) override;
    void SetLoadFinished(GtkWidget* view, std::function<void()> handler) override;
    void ForgetView(GtkWidget* view) override;

private:
    struct TScheme {
        TGtkWebContext* context;
        TSchemeHandler handler;
    };
    struct TView {
        TWebViewKind kind;
        std::unique_ptr<TGtkWebPolicy> policy;
        std::function<void()> load_finished;
    };
    static void OnLoadChanged(GtkWidget* view, int event, gpointer self);
    // Whether the view asking is one of the program's own.
    bool IsProgramView(WebKitWebView* view) const;
    static void Answer(WebKitURISchemeRequest* request, gpointer scheme);

    WebKitWebContext* m_context = nullptr;
    GtkWidget* m_first = nullptr;
    std::list<TScheme> m_schemes;
    std::vector<std::string> m_scheme_names;
    std::map<GtkWidget*, TView> m_views;
    TOpenOutside m_open_outside;
};

} // namespace tessel
