#pragma once

#include "tessel/platform/TWebView.h"

#include <gtk/gtk.h>
#include <string>

namespace tessel {

class TGtkWebEngine;
class TGtkWebKit;

// A WebKitGTK view. Its native widget is a box that is placed at once; the WebKit
// view inside it is made when the engine starts (after the first window is on the
// screen), and until then the box keeps the last address and the focus request.
class TGtkWebView : public TWebView {
public:
    TGtkWebView(TGtkWebEngine* engine, TWebViewKind kind);
    ~TGtkWebView() override;
    TGtkWebView(const TGtkWebView&) = delete;
    TGtkWebView& operator=(const TGtkWebView&) = delete;

    void* Native() override { return m_box; }
    bool LoadUri(const std::string& uri) override;
    void RunScript(const std::string& script) override;
    void Focus() override;
    void SetTitleChanged(std::function<void(const std::string&)> handler) override;
    void SetLoadFinished(std::function<void()> handler) override;
    void SetDoubleClicked(std::function<void(const TViewModifiers&)> handler) override;
    TWebViewKind Kind() const override { return m_kind; }

    // Puts the engine's WebKit view into the box and does what was asked meanwhile.
    void Realize(GtkWidget* view, TGtkWebKit& kit);
    // The engine went first.
    void ForgetEngine()
    {
        m_engine = nullptr;
        m_kit = nullptr;
    }

private:
    static void OnTitle(GObject* view, GParamSpec*, gpointer self);
    static gboolean OnButtonPress(GtkWidget*, GdkEventButton* event, gpointer self);
    static gboolean OnEnterFullScreen(GtkWidget*, gpointer);

    TGtkWebEngine* m_engine;
    TWebViewKind m_kind;
    GtkWidget* m_box = nullptr;
    GtkWidget* m_view = nullptr;
    TGtkWebKit* m_kit = nullptr;
    std::string m_pending_uri;
    bool m_pending_focus = false;
    std::function<void(const std::string&)> m_title_changed;
    std::function<void()> m_load_finished;
    std::function<void(const TViewModifiers&)> m_double_clicked;
};

} // namespace tessel
