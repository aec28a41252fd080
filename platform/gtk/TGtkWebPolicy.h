#pragma once

#include "tessel/platform/gtk/TGtkWebKit.h"

#include <gtk/gtk.h>
#include <string>
#include <vector>

typedef struct _WebKitNavigationAction WebKitNavigationAction;
typedef struct _WebKitPolicyDecision WebKitPolicyDecision;
typedef struct _WebKitScriptDialog WebKitScriptDialog;
typedef struct _WebKitWebView WebKitWebView;

namespace tessel {

// What one WebKit view's pages may do beyond their own frame. No page opens a
// window: one the user asked for (a click) goes to the desktop's opener when it is a
// web or mail address, anything else goes nowhere. In the program's own view only a
// mouse click on it counts as asking: a movie that opens a link as it starts, just
// after a key chose it, opens nothing. The program's own view navigates
// only within the program's schemes. A page's alert shows as a small desktop dialog
// above the program's window, confirm and prompt are answered "cancel"; none of them
// waits for the user, so a page never stalls the views that share its process.
class TGtkWebPolicy {
public:
    TGtkWebPolicy(GtkWidget* view, TWebViewKind kind, std::vector<std::string> program_schemes,
        TOpenOutside open_outside);
    ~TGtkWebPolicy();
    TGtkWebPolicy(const TGtkWebPolicy&) = delete;
    TGtkWebPolicy& operator=(const TGtkWebPolicy&) = delete;

private:
    static gboolean OnDecide(WebKitWebView*, WebKitPolicyDecision* decision, int type, gpointer self);
    static GtkWidget* OnCreate(WebKitWebView*, WebKitNavigationAction* action, gpointer self);
    static gboolean OnDialog(WebKitWebView*, WebKitScriptDialog* dialog, gpointer self);
    static gboolean OnButton(GtkWidget*, GdkEvent*, gpointer self);
    void OpenOutside(WebKitNavigationAction* action) const;
    bool IsProgramAddress(const char* uri) const;
    void ShowAlert(const char* text);

    GtkWidget* m_view;
    TWebViewKind m_kind;
    std::vector<std::string> m_program_schemes;
    TOpenOutside m_open_outside;
    GtkWidget* m_alert = nullptr;
    // When a mouse button last went down or up over the view (monotonic time).
    gint64 m_last_click = 0;
};

} // namespace tessel
