#include "tessel/platform/gtk/TGtkWebPolicy.h"

#include "tessel/platform/TLinkPolicy.h"

#include <cstdio>
#include <webkit2/webkit2.h>

namespace tessel {

TGtkWebPolicy::TGtkWebPolicy(
    GtkWidget* view, TWebViewKind kind, std::vector<std::string> program_schemes, TOpenOutside open_outside)
    : m_view(view)
    , m_kind(kind)
    , m_program_schemes(std::move(program_schemes))
    , m_open_outside(std::move(open_outside))
{
    g_signal_connect(m_view, "decide-policy", G_CALLBACK(OnDecide), this);
    g_signal_connect(m_view, "create", G_CALLBACK(OnCreate), this);
    g_signal_connect(m_view, "script-dialog", G_CALLBACK(OnDialog), this);
    g_signal_connect(m_view, "button-press-event", G_CALLBACK(OnButton), this);
    g_signal_connect(m_view, "button-release-event", G_CALLBACK(OnButton), this);
}

gboolean TGtkWebPolicy::OnButton(GtkWidget*, GdkEvent*, gpointer self)
{
    static_cast<TGtkWebPolicy*>(self)->m_last_click = g_get_monotonic_time();
    // The view has the click all the same.
    return FALSE;
}

TGtkWebPolicy::~TGtkWebPolicy()
{
    g_signal_handlers_disconnect_by_data(m_view, this);
    if (m_alert)
        gtk_widget_destroy(m_alert);
}

bool TGtkWebPolicy::IsProgramAddress(const char* uri) const
{
    const char* peeked = uri ? g_uri_peek_scheme(uri) : nullptr;
    std::string scheme = peeked ? peeked : "";
    if (scheme == "about")
        return true;
    for (const std::string& s : m_program_schemes)
        if (g_ascii_strcasecmp(s.c_str(), scheme.c_str()) == 0)
            return true;
    return false;
}

void TGtkWebPolicy::OpenOutside(WebKitNavigationAction* action) const
{
    if (!action)
        return;
    // In the program's own view, a movie's link counts as asked for while the click
    // that ran it is fresh.
    constexpr gint64 kClickLasts = 1000 * 1000;
    const bool asked = webkit_navigation_action_is_user_gesture(action)
        && (m_kind != TWebViewKind::Program || g_get_monotonic_time() - m_last_click <= kClickLasts);
    const char* uri = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
    const std::string_view address = uri ? uri : "";
    switch (JudgeLink(address, asked)) {
    case TLinkVerdict::Open:
        if (m_open_outside)
            m_open_outside(uri);
        break;
    case TLinkVerdict::TooLong:
        std::fprintf(stderr, "tessel: a link of %zu bytes is not opened\n", address.size());
        break;
    case TLinkVerdict::NotAsked:
    case TLinkVerdict::NotWeb:
        break;
    }
}

gboolean TGtkWebPolicy::OnDecide(WebKitWebView*, WebKitPolicyDecision* decision, int type, gpointer self)
{
    auto* me = static_cast<TGtkWebPolicy*>(self);
    if (type == WEBKIT_POLICY_DECISION_TYPE_RESPONSE)
        return FALSE;
    WebKitNavigationAction* action = webkit_navigation_policy_decision_get_navigation_action(
        WEBKIT_NAVIGATION_POLICY_DECISION(decision));
    if (type == WEBKIT_POLICY_DECISION_TYPE_NEW_WINDOW_ACTION) {
        me->OpenOutside(action);
        webkit_policy_decision_ignore(decision);
        return TRUE;
    }
    if (me->m_kind == TWebViewKind::Program) {
        const char* uri = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
        if (!me->IsProgramAddress(uri)) {
            me->OpenOutside(action);
            webkit_policy_decision_ignore(decision);
            return TRUE;
        }
    }
    return FALSE;
}

GtkWidget* TGtkWebPolicy::OnCreate(WebKitWebView*, WebKitNavigationAction* action, gpointer self)
{
    static_cast<TGtkWebPolicy*>(self)->OpenOutside(action);
    return nullptr;
}

gboolean TGtkWebPolicy::OnDialog(WebKitWebView*, WebKitScriptDialog* dialog, gpointer self)
{
    auto* me = static_cast<TGtkWebPolicy*>(self);
    switch (webkit_script_dialog_get_dialog_type(dialog)) {
    case WEBKIT_SCRIPT_DIALOG_ALERT:
        me->ShowAlert(webkit_script_dialog_get_message(dialog));
        break;
    case WEBKIT_SCRIPT_DIALOG_CONFIRM:
        webkit_script_dialog_confirm_set_confirmed(dialog, FALSE);
        break;
    case WEBKIT_SCRIPT_DIALOG_BEFORE_UNLOAD_CONFIRM:
        webkit_script_dialog_confirm_set_confirmed(dialog, TRUE);
        break;
    default:
        // A prompt left unanswered reads as cancelled.
        break;
    }
    // Handled: the page goes on at once.
    return TRUE;
}

void TGtkWebPolicy::ShowAlert(const char* text)
{
    GtkWidget* top = gtk_widget_get_toplevel(m_view);
    GtkWindow* parent = GTK_IS_WINDOW(top) ? GTK_WINDOW(top) : nullptr;
    if (m_alert) {
        // One dialog a view: a later message replaces the text.
        g_object_set(m_alert, "text", text ? text : "", nullptr);
        gtk_window_present(GTK_WINDOW(m_alert));
        return;
    }
    m_alert = gtk_message_dialog_new(
        parent, GTK_DIALOG_DESTROY_WITH_PARENT, GTK_MESSAGE_INFO, GTK_BUTTONS_CLOSE, "%s", text ? text : "");
    gtk_window_set_title(GTK_WINDOW(m_alert), "Message from the page");
    gtk_window_set_modal(GTK_WINDOW(m_alert), FALSE);
    g_signal_connect(m_alert, "response", G_CALLBACK(gtk_widget_destroy), nullptr);
    g_signal_connect(m_alert, "destroy",
        G_CALLBACK(+[](GtkWidget*, gpointer self) { static_cast<TGtkWebPolicy*>(self)->m_alert = nullptr; }),
        this);
    gtk_widget_show_all(m_alert);
}

} // namespace tessel
