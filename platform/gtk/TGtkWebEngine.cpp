#include "platform/gtk/TGtkWebEngine.h"

#include "platform/gtk/TGtkWebView.h"

#include <algorithm>
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

TGtkWebEngine::TGtkWebEngine(const TWebConfig& config)
    : m_config(config)
{ }

TGtkWebEngine::~TGtkWebEngine()
{
    for (TGtkWebView* view : m_views)
        view->ForgetEngine();
    if (m_first)
        g_object_unref(m_first);
    if (m_context)
        g_object_unref(m_context);
}

std::vector<std::string> TGtkWebEngine::SchemeNames() const
{
    std::vector<std::string> names;
    for (const TWebConfig::Scheme& scheme : m_config.schemes)
        names.push_back(scheme.name);
    return names;
}

void TGtkWebEngine::Answer(WebKitURISchemeRequest* request, gpointer data)
{
    const auto& scheme = *static_cast<const TScheme*>(data);
    // Pages of other origins (a web panel's) get nothing of the program's.
    if (!scheme.engine->IsProgramView(webkit_uri_scheme_request_get_web_view(request))) {
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

bool TGtkWebEngine::IsProgramView(WebKitWebView* view) const
{
    return std::any_of(m_views.begin(), m_views.end(),
        [&](TGtkWebView* v) { return v->View() == view && v->Kind() == TWebViewKind::Program; });
}

void TGtkWebEngine::Start()
{
    if (m_context)
        return;
    WebKitWebsiteDataManager* data = webkit_website_data_manager_new("base-data-directory",
        m_config.data_folder.empty() ? nullptr : m_config.data_folder.c_str(), "base-cache-directory",
        m_config.cache_folder.empty() ? nullptr : m_config.cache_folder.c_str(), nullptr);
    m_context = webkit_web_context_new_with_website_data_manager(data);
    g_object_unref(data);
    std::vector<const char*> languages;
    for (const std::string& l : m_config.languages)
        languages.push_back(l.c_str());
    languages.push_back(nullptr);
    webkit_web_context_set_preferred_languages(m_context, languages.data());
    WebKitSecurityManager* security = webkit_web_context_get_security_manager(m_context);
    for (const TWebConfig::Scheme& scheme : m_config.schemes) {
        m_schemes.push_back({ this, scheme.handler });
        webkit_web_context_register_uri_scheme(
            m_context, scheme.name.c_str(), Answer, &m_schemes.back(), nullptr);
        webkit_security_manager_register_uri_scheme_as_secure(security, scheme.name.c_str());
    }
    for (TGtkWebView* view : m_views)
        Realize(*view);
}

void TGtkWebEngine::Realize(TGtkWebView& view)
{
    GtkWidget* real = NewWebKitView();
    view.Realize(real);
    g_object_unref(real);
}

GtkWidget* TGtkWebEngine::NewWebKitView()
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
    webkit_settings_set_media_playback_requires_user_gesture(settings, FALSE);
    // Pages open windows only through the view's policy (the desktop's opener).
    webkit_settings_set_javascript_can_open_windows_automatically(settings, FALSE);
    if (!m_first)
        m_first = GTK_WIDGET(g_object_ref(view));
    return view;
}

std::unique_ptr<TWebView> TGtkWebEngine::CreateView(TWebViewKind kind)
{
    auto view = std::make_unique<TGtkWebView>(this, kind);
    m_views.push_back(view.get());
    if (m_context)
        Realize(*view);
    return view;
}

void TGtkWebEngine::Forget(TGtkWebView* view)
{
    std::erase(m_views, view);
}

} // namespace tessel
