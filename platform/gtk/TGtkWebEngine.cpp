#include "platform/gtk/TGtkWebEngine.h"

#include "platform/gtk/TGtkWebView.h"

#include <webkit2/webkit2.h>

namespace tessel {

namespace {

void Answer(WebKitURISchemeRequest* request, gpointer data)
{
    const auto& handler = *static_cast<const TSchemeHandler*>(data);
    TWebResponse response = handler(webkit_uri_scheme_request_get_uri(request));
    if (!response.found) {
        GError* error = g_error_new_literal(G_IO_ERROR, G_IO_ERROR_NOT_FOUND, "Not found");
        webkit_uri_scheme_request_finish_error(request, error);
        g_error_free(error);
        return;
    }
    GBytes* bytes = g_bytes_new(response.bytes.data(), response.bytes.size());
    GInputStream* stream = g_memory_input_stream_new_from_bytes(bytes);
    WebKitURISchemeResponse* answer
        = webkit_uri_scheme_response_new(stream, static_cast<gint64>(response.bytes.size()));
    webkit_uri_scheme_response_set_status(answer, 200, "OK");
    // Headers replace a content type set before, so the type goes among them (the
    // WebAssembly loader insists on application/wasm).
    SoupMessageHeaders* headers = soup_message_headers_new(SOUP_MESSAGE_HEADERS_RESPONSE);
    soup_message_headers_append(headers, "Content-Type", response.content_type.c_str());
    soup_message_headers_append(headers, "Access-Control-Allow-Origin", "*");
    webkit_uri_scheme_response_set_http_headers(answer, headers);
    webkit_uri_scheme_response_set_content_type(answer, response.content_type.c_str());
    webkit_uri_scheme_request_finish_with_response(request, answer);
    g_object_unref(answer);
    g_object_unref(stream);
    g_bytes_unref(bytes);
}

} // namespace

TGtkWebEngine::TGtkWebEngine(const TWebConfig& config)
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
        m_handlers.push_back(scheme.handler);
        webkit_web_context_register_uri_scheme(
            m_context, scheme.name.c_str(), Answer, &m_handlers.back(), nullptr);
        webkit_security_manager_register_uri_scheme_as_secure(security, scheme.name.c_str());
        webkit_security_manager_register_uri_scheme_as_cors_enabled(security, scheme.name.c_str());
    }
}

TGtkWebEngine::~TGtkWebEngine()
{
    if (m_first)
        g_object_unref(m_first);
    g_object_unref(m_context);
}

std::unique_ptr<TWebView> TGtkWebEngine::CreateView()
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
    if (!m_first)
        m_first = GTK_WIDGET(g_object_ref(view));
    return std::make_unique<TGtkWebView>(view);
}

} // namespace tessel
