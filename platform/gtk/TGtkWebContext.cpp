#include "tessel/platform/gtk/TGtkWebContext.h"

#include "tessel/platform/gtk/TGtkWebPolicy.h"

#include <csignal>
#include <dlfcn.h>
#include <webkit2/webkit2.h>

namespace tessel {

namespace {

void Refuse(WebKitURISchemeRequest* request, int code, const char* text)
{
    GError* error = g_error_new_literal(G_IO_ERROR, code, text);
    webkit_uri_scheme_request_finish_error(request, error);
    g_error_free(error);
}

// The answer's bytes: a mapping of its file, or a copy of the few bytes made here.
GBytes* ResponseBytes(TWebResponse& response)
{
    if (response.file.empty())
        return g_bytes_new(response.bytes.data(), response.bytes.size());
    GMappedFile* mapped = g_mapped_file_new(response.file.c_str(), FALSE, nullptr);
    if (!mapped)
        return nullptr;
    GBytes* bytes = g_mapped_file_get_bytes(mapped);
    g_mapped_file_unref(mapped);
    return bytes;
}

} // namespace

TGtkWebContext::TGtkWebContext(const TWebConfig& config, TOpenOutside open_outside)
    : m_open_outside(std::move(open_outside))
{
    WebKitWebsiteDataManager* data = webkit_website_data_manager_new("base-data-directory",
        config.data_folder.empty() ? nullptr : config.data_folder.c_str(), "base-cache-directory",
        config.cache_folder.empty() ? nullptr : config.cache_folder.c_str(), nullptr);
    m_context = webkit_web_context_new_with_website_data_manager(data);
    g_object_unref(data);
    std::vector<const char*> languages;
    for (const std::string& l : config.languages)
        languages.push_back(l.c_str());
    languages.push_back(nullptr);
    webkit_web_context_set_preferred_languages(m_context, languages.data());
    WebKitSecurityManager* security = webkit_web_context_get_security_manager(m_context);
    for (const TWebConfig::Scheme& scheme : config.schemes) {
        m_schemes.push_back({ this, scheme.handler });
        m_scheme_names.push_back(scheme.name);
        webkit_web_context_register_uri_scheme(
            m_context, scheme.name.c_str(), Answer, &m_schemes.back(), nullptr);
        webkit_security_manager_register_uri_scheme_as_secure(security, scheme.name.c_str());
    }
}

TGtkWebContext::~TGtkWebContext()
{
    for (auto& [view, place] : m_views)
        g_signal_handlers_disconnect_by_data(view, this);
    m_views.clear();
    if (m_first)
        g_object_unref(m_first);
    g_object_unref(m_context);
}

void TGtkWebContext::Answer(WebKitURISchemeRequest* request, gpointer data)
{
    const auto& scheme = *static_cast<const TScheme*>(data);
    // Pages of other origins (a web panel's) get nothing of the program's.
    if (!scheme.context->IsProgramView(webkit_uri_scheme_request_get_web_view(request))) {
        Refuse(request, G_IO_ERROR_PERMISSION_DENIED, "Not allowed");
        return;
    }
    TWebResponse response = scheme.handler(webkit_uri_scheme_request_get_uri(request));
    GBytes* bytes = response.found ? ResponseBytes(response) : nullptr;
    if (!bytes) {
        Refuse(request, G_IO_ERROR_NOT_FOUND, "Not found");
        return;
    }
    GInputStream* stream = g_memory_input_stream_new_from_bytes(bytes);
    WebKitURISchemeResponse* answer
        = webkit_uri_scheme_response_new(stream, static_cast<gint64>(g_bytes_get_size(bytes)));
    webkit_uri_scheme_response_set_status(answer, 200, "OK");
    // Headers replace a content type set before, so the type goes among them (the
    // WebAssembly loader insists on application/wasm).
    SoupMessageHeaders* headers = soup_message_headers_new(SOUP_MESSAGE_HEADERS_RESPONSE);
    soup_message_headers_append(headers, "Content-Type", response.content_type.c_str());
    webkit_uri_scheme_response_set_http_headers(answer, headers);
    webkit_uri_scheme_response_set_content_type(answer, response.content_type.c_str());
    webkit_uri_scheme_request_finish_with_response(request, answer);
    g_object_unref(answer);
    g_object_unref(stream);
    g_bytes_unref(bytes);
}

bool TGtkWebContext::IsProgramView(WebKitWebView* view) const
{
    auto it = m_views.find(GTK_WIDGET(view));
    return it != m_views.end() && it->second.kind == TWebViewKind::Program;
}

GtkWidget* TGtkWebContext::NewView(TWebViewKind kind)
{
    // Sound and video may start without a click.
    WebKitWebsitePolicies* policies
        = webkit_website_policies_new_with_policies("autoplay", WEBKIT_AUTOPLAY_ALLOW, nullptr);
    GtkWidget* view = m_first ? GTK_WIDGET(g_object_new(WEBKIT_TYPE_WEB_VIEW, "related-view", m_first,
                          "website-policies", policies, nullptr))
                              : GTK_WIDGET(g_object_new(WEBKIT_TYPE_WEB_VIEW, "web-context", m_context,
                                  "website-policies", policies, nullptr));
    g_object_unref(policies);
    g_object_ref_sink(view);
    WebKitSettings* settings = webkit_web_view_get_settings(WEBKIT_WEB_VIEW(view));
    webkit_settings_set_enable_webgl(settings, TRUE);
    // TESSEL_WEB_CONSOLE=1 shows what pages (and the movie player) write to their
    // console, on standard output: for those who make collections.
    if (const char* console = g_getenv("TESSEL_WEB_CONSOLE"); console && g_strcmp0(console, "1") == 0)
        webkit_settings_set_enable_write_console_messages_to_stdout(settings, TRUE);
    webkit_settings_set_media_playback_requires_user_gesture(settings, FALSE);
    // Pages open windows only through the view's policy (the desktop's opener).
    webkit_settings_set_javascript_can_open_windows_automatically(settings, FALSE);
    if (!m_first)
        m_first = GTK_WIDGET(g_object_ref(view));
    m_views[view] = { kind, std::make_unique<TGtkWebPolicy>(view, kind, m_scheme_names, m_open_outside), {} };
    g_signal_connect(view, "load-changed", G_CALLBACK(OnLoadChanged), this);
    return view;
}

void TGtkWebContext::LoadUri(GtkWidget* view, const std::string& uri)
{
    webkit_web_view_load_uri(WEBKIT_WEB_VIEW(view), uri.c_str());
}

void TGtkWebContext::RunScript(GtkWidget* view, const std::string& script)
{
    webkit_web_view_evaluate_javascript(WEBKIT_WEB_VIEW(view), script.c_str(),
        static_cast<gssize>(script.size()), nullptr, nullptr, nullptr, nullptr, nullptr);
}

void TGtkWebContext::SetLoadFinished(GtkWidget* view, std::function<void()> handler)
{
    auto it = m_views.find(view);
    if (it != m_views.end())
        it->second.load_finished = std::move(handler);
}

void TGtkWebContext::OnLoadChanged(GtkWidget* view, int event, gpointer self)
{
    auto& views = static_cast<TGtkWebContext*>(self)->m_views;
    auto it = views.find(view);
    if (event == WEBKIT_LOAD_FINISHED && it != views.end() && it->second.load_finished)
        it->second.load_finished();
}

void TGtkWebContext::ForgetView(GtkWidget* view)
{
    g_signal_handlers_disconnect_by_data(view, this);
    m_views.erase(view);
}

} // namespace tessel

extern "C" __attribute__((visibility("default"))) tessel::TGtkWebKit* TesselCreateWebKit(
    const tessel::TWebConfig& config, tessel::TOpenOutside open_outside)
{
    // WebKit's JavaScript engine suspends its threads with a signal, SIGUSR1 unless
    // told another before it starts; the program leaves SIGUSR1 to the user (it
    // ignores it). The call is the engine's own (JSBasePrivate.h), looked up so that
    // a build without it still runs.
    using TConfigureSignal = void (*)(int);
    if (auto configure = reinterpret_cast<TConfigureSignal>(::dlsym(RTLD_DEFAULT, "JSConfigureSignalForGC")))
        configure(SIGRTMAX - 2);
    return new tessel::TGtkWebContext(config, std::move(open_outside));
}
