#include "tessel/platform/gtk/TGtkWebEngine.h"

#include "tessel/platform/TShell.h"
#include "tessel/platform/gtk/TGtkSessionBus.h"
#include "tessel/platform/gtk/TGtkWebView.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <string>

namespace tessel {

TGtkWebEngine::TGtkWebEngine(const TWebConfig& config)
    : m_config(config)
{ }

TGtkWebEngine::~TGtkWebEngine()
{
    for (TGtkWebView* view : m_views)
        view->ForgetEngine();
    m_kit.reset();
    // The module stays mapped: WebKit keeps threads and types of its own until the
    // process ends.
}

void TGtkWebEngine::Start()
{
    if (m_started)
        return;
    m_started = true;
    TGtkSessionBus::Provide();
    // The web process's pictures come to the window through shared memory, not
    // through GL buffers: the program itself then loads no GL driver, whose threads
    // (its shader cache's runs at the lowest priority) held the program's end for
    // seconds on a busy machine, and whose compiler took 50 MB. A desktop that sets
    // the variable keeps its choice.
    ::setenv("WEBKIT_DISABLE_DMABUF_RENDERER", "1", 0);
    // Found beside the program or in the build's library folder (the program's run path).
    m_module = ::dlopen("libtessel-webkit.so", RTLD_NOW | RTLD_LOCAL);
    auto create
        = m_module ? reinterpret_cast<TCreateWebKit>(::dlsym(m_module, kCreateWebKitSymbol)) : nullptr;
    if (!create) {
        std::fprintf(stderr, "tessel: no web views: %s\n", ::dlerror());
        return;
    }
    m_kit.reset(create(m_config, [](const std::string& uri) { TShell::Open(uri); }));
    for (TGtkWebView* view : m_views)
        Realize(*view);
}

void TGtkWebEngine::Realize(TGtkWebView& view)
{
    GtkWidget* real = m_kit->NewView(view.Kind());
    view.Realize(real, *m_kit);
    g_object_unref(real);
}

std::unique_ptr<TWebView> TGtkWebEngine::CreateView(TWebViewKind kind)
{
    auto view = std::make_unique<TGtkWebView>(this, kind);
    m_views.push_back(view.get());
    if (m_kit)
        Realize(*view);
    return view;
}

void TGtkWebEngine::Forget(TGtkWebView* view)
{
    std::erase(m_views, view);
}

} // namespace tessel
