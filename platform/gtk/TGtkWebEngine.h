#pragma once

#include "tessel/platform/TWebView.h"
#include "tessel/platform/gtk/TGtkWebKit.h"

#include <memory>
#include <vector>

namespace tessel {

class TGtkWebView;

// The process's web views. Views are boxes placed at once; Start loads the WebKit
// module and puts a WebKit view into every box. The backend starts the engine once
// the first window is on the screen.
class TGtkWebEngine {
public:
    explicit TGtkWebEngine(const TWebConfig& config);
    ~TGtkWebEngine();
    TGtkWebEngine(const TGtkWebEngine&) = delete;
    TGtkWebEngine& operator=(const TGtkWebEngine&) = delete;

    std::unique_ptr<TWebView> CreateView(TWebViewKind kind);
    // Loads the module; without it (a broken installation) the views stay empty
    // and the reason goes to the standard error once.
    void Start();
    bool Started() const { return m_started; }
    // A view is going.
    void Forget(TGtkWebView* view);

private:
    void Realize(TGtkWebView& view);

    TWebConfig m_config;
    bool m_started = false;
    void* m_module = nullptr;
    std::unique_ptr<TGtkWebKit> m_kit;
    std::vector<TGtkWebView*> m_views;
};

} // namespace tessel
