#pragma once

#include "platform/TWebView.h"

#include <gtk/gtk.h>

namespace tessel {

// A WebKitGTK view. The view holds a reference on its widget and destroys it with
// itself.
class TGtkWebView : public TWebView {
public:
    explicit TGtkWebView(GtkWidget* view);
    ~TGtkWebView() override;
    TGtkWebView(const TGtkWebView&) = delete;
    TGtkWebView& operator=(const TGtkWebView&) = delete;

    void* Native() override { return m_view; }
    bool LoadUri(const std::string& uri) override;
    void RunScript(const std::string& script) override;
    void Focus() override;
    void SetTitleChanged(std::function<void(const std::string&)> handler) override;

private:
    static void OnTitle(GObject* view, GParamSpec*, gpointer self);

    GtkWidget* m_view;
    std::function<void(const std::string&)> m_title_changed;
};

} // namespace tessel
