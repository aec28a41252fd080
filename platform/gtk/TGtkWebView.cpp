#include "platform/gtk/TGtkWebView.h"

#include <webkit2/webkit2.h>

namespace tessel {

TGtkWebView::TGtkWebView(GtkWidget* view)
    : m_view(view)
{
    g_signal_connect(m_view, "notify::title", G_CALLBACK(OnTitle), this);
}

TGtkWebView::~TGtkWebView()
{
    g_signal_handlers_disconnect_by_data(m_view, this);
    gtk_widget_destroy(m_view);
    g_object_unref(m_view);
}

bool TGtkWebView::LoadUri(const std::string& uri)
{
    if (!g_uri_is_valid(uri.c_str(), G_URI_FLAGS_NONE, nullptr))
        return false;
    webkit_web_view_load_uri(WEBKIT_WEB_VIEW(m_view), uri.c_str());
    return true;
}

void TGtkWebView::RunScript(const std::string& script)
{
    webkit_web_view_evaluate_javascript(WEBKIT_WEB_VIEW(m_view), script.c_str(),
        static_cast<gssize>(script.size()), nullptr, nullptr, nullptr, nullptr, nullptr);
}

void TGtkWebView::Focus()
{
    gtk_widget_grab_focus(m_view);
}

void TGtkWebView::SetTitleChanged(std::function<void(const std::string&)> handler)
{
    m_title_changed = std::move(handler);
}

void TGtkWebView::OnTitle(GObject* view, GParamSpec*, gpointer self)
{
    auto* me = static_cast<TGtkWebView*>(self);
    const char* title = webkit_web_view_get_title(WEBKIT_WEB_VIEW(view));
    if (me->m_title_changed)
        me->m_title_changed(title ? title : "");
}

} // namespace tessel
