#include "tessel/platform/gtk/TGtkWebView.h"

#include "tessel/platform/gtk/TGtkWebEngine.h"
#include "tessel/platform/gtk/TGtkWebKit.h"

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
        if (m_kit)
            m_kit->ForgetView(m_view);
        g_object_unref(m_view);
    }
    gtk_widget_destroy(m_box);
    g_object_unref(m_box);
}

void TGtkWebView::Realize(GtkWidget* view, TGtkWebKit& kit)
{
    m_kit = &kit;
    m_view = GTK_WIDGET(g_object_ref(view));
    g_signal_connect(m_view, "notify::title", G_CALLBACK(OnTitle), this);
    g_signal_connect(m_view, "button-press-event", G_CALLBACK(OnButtonPress), this);
    g_signal_connect(m_view, "enter-fullscreen", G_CALLBACK(OnEnterFullScreen), this);
    m_kit->SetLoadFinished(m_view, [this] {
        if (m_load_finished)
            m_load_finished();
    });
    gtk_box_pack_start(GTK_BOX(m_box), m_view, TRUE, TRUE, 0);
    if (gtk_widget_get_visible(m_box))
        gtk_widget_show(m_view);
    if (!m_pending_uri.empty())
        m_kit->LoadUri(m_view, m_pending_uri);
    m_pending_uri.clear();
    if (m_pending_focus)
        gtk_widget_grab_focus(m_view);
    m_pending_focus = false;
}

bool TGtkWebView::LoadUri(const std::string& uri)
{
    if (!g_uri_is_valid(uri.c_str(), G_URI_FLAGS_ENCODED, nullptr))
        return false;
    if (m_view && m_kit)
        m_kit->LoadUri(m_view, uri);
    else
        m_pending_uri = uri;
    return true;
}

void TGtkWebView::RunScript(const std::string& script)
{
    // Before the view exists there is no page for a script to run in.
    if (m_view && m_kit)
        m_kit->RunScript(m_view, script);
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

void TGtkWebView::SetLoadFinished(std::function<void()> handler)
{
    m_load_finished = std::move(handler);
}

void TGtkWebView::SetDoubleClicked(std::function<void(const TViewModifiers&)> handler)
{
    m_double_clicked = std::move(handler);
}

gboolean TGtkWebView::OnEnterFullScreen(GtkWidget*, gpointer)
{
    // Handled, and so refused: WebKit would make the whole top-level window full
    // screen, skinned frame and all. The player's page makes its own full screen.
    return TRUE;
}

gboolean TGtkWebView::OnButtonPress(GtkWidget*, GdkEventButton* event, gpointer self)
{
    // GTK tells a double click as a third event after the two presses, which the
    // page has had; this one is the program's to see.
    auto* me = static_cast<TGtkWebView*>(self);
    if (event->type == GDK_2BUTTON_PRESS && event->button == 1 && me->m_double_clicked)
        me->m_double_clicked({ (event->state & GDK_CONTROL_MASK) != 0, (event->state & GDK_SHIFT_MASK) != 0,
            (event->state & GDK_MOD1_MASK) != 0 });
    return FALSE;
}

void TGtkWebView::OnTitle(GObject* view, GParamSpec*, gpointer self)
{
    auto* me = static_cast<TGtkWebView*>(self);
    gchar* title = nullptr;
    g_object_get(view, "title", &title, nullptr);
    if (me->m_title_changed)
        me->m_title_changed(title ? title : "");
    g_free(title);
}

} // namespace tessel
