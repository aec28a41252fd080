#include "platform/gtk/TGtkWebView.h"

#include "platform/gtk/TGtkWebEngine.h"
#include "platform/gtk/TGtkWebPolicy.h"

#include <webkit2/webkit2.h>

namespace tessel {

TGtkWebView::TGtkWebView(TGtkWebEngine* engine, TWebViewKind kind)
    : m_engine(engine)
    , m_kind(kind)
{
    m_box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    g_object_ref_sink(m_box);
}

TGtkWebView::~TGtkWebView()
{
    if (m_engine)
        m_engine->Forget(this);
    if (m_view) {
        g_signal_handlers_disconnect_by_data(m_view, this);
        m_policy.reset();
        g_object_unref(m_view);
    }
    gtk_widget_destroy(m_box);
    g_object_unref(m_box);
}

WebKitWebView* TGtkWebView::View() const
{
    return m_view ? WEBKIT_WEB_VIEW(m_view) : nullptr;
}

void TGtkWebView::Realize(GtkWidget* view)
{
    m_view = GTK_WIDGET(g_object_ref(view));
    g_signal_connect(m_view, "notify::title", G_CALLBACK(OnTitle), this);
    m_policy = std::make_unique<TGtkWebPolicy>(
        m_view, m_kind, m_engine ? m_engine->SchemeNames() : std::vector<std::string> {});
    gtk_box_pack_start(GTK_BOX(m_box), m_view, TRUE, TRUE, 0);
    if (gtk_widget_get_visible(m_box))
        gtk_widget_show(m_view);
    if (!m_pending_uri.empty())
        webkit_web_view_load_uri(View(), m_pending_uri.c_str());
    m_pending_uri.clear();
    if (m_pending_focus)
        gtk_widget_grab_focus(m_view);
    m_pending_focus = false;
}

bool TGtkWebView::LoadUri(const std::string& uri)
{
    if (!g_uri_is_valid(uri.c_str(), G_URI_FLAGS_ENCODED, nullptr))
        return false;
    if (m_view)
        webkit_web_view_load_uri(View(), uri.c_str());
    else
        m_pending_uri = uri;
    return true;
}

void TGtkWebView::RunScript(const std::string& script)
{
    // Before the view exists there is no page for a script to run in.
    if (m_view)
        webkit_web_view_evaluate_javascript(View(), script.c_str(), static_cast<gssize>(script.size()),
            nullptr, nullptr, nullptr, nullptr, nullptr);
}

void TGtkWebView::Focus()
{
    if (m_view)
        gtk_widget_grab_focus(m_view);
    else
        m_pending_focus = true;
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
