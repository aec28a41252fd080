#pragma once

#include "tessel/platform/TWebView.h"
#include "tessel/platform/TWindowManager.h"

#include <functional>
#include <string>
#include <vector>

namespace tessel {

// A web view that shows nothing: it records what it was told, can be told to refuse
// loads, and lets a test play the page by changing its title.
class THeadlessWebView : public TWebView {
public:
    explicit THeadlessWebView(TWebViewKind kind = TWebViewKind::Page)
        : m_kind(kind)
    { }

    void* Native() override { return this; }
    bool LoadUri(const std::string& uri) override
    {
        if (m_refuse)
            return false;
        m_loads.push_back(uri);
        return true;
    }
    void RunScript(const std::string& script) override { m_scripts.push_back(script); }
    void Focus() override { ++m_focus_count; }
    void SetTitleChanged(std::function<void(const std::string&)> handler) override
    {
        m_title_changed = std::move(handler);
    }

    void SetLoadFinished(std::function<void()> handler) override { m_load_finished = std::move(handler); }
    void SetDoubleClicked(std::function<void(const TViewModifiers&)> handler) override
    {
        m_double_clicked = std::move(handler);
    }
    TWebViewKind Kind() const override { return m_kind; }

    void SetRefusing(bool refuse) { m_refuse = refuse; }
    // What the page would do: set its title.
    void SetTitle(const std::string& title)
    {
        if (m_title_changed)
            m_title_changed(title);
    }
    // What the page would do: finish loading.
    void FinishLoad()
    {
        if (m_load_finished)
            m_load_finished();
    }
    // What a person typing into the focused view does: the program's own keys go to
    // the program; the rest reach the page (listed).
    void Type(const TInput::TViewKey& key)
    {
        if (!TWindowManager::Instance().Input().OfferViewKey(key))
            m_typed.push_back(key.vk);
    }
    // What a person double-clicking the view with the modifiers held does.
    void DoubleClick(const TViewModifiers& modifiers)
    {
        if (m_double_clicked)
            m_double_clicked(modifiers);
    }
    const std::vector<uint32_t>& Typed() const { return m_typed; }
    const std::vector<std::string>& Loads() const { return m_loads; }
    const std::vector<std::string>& Scripts() const { return m_scripts; }
    int FocusCount() const { return m_focus_count; }

private:
    TWebViewKind m_kind;
    std::vector<std::string> m_loads;
    std::vector<std::string> m_scripts;
    std::vector<uint32_t> m_typed;
    std::function<void(const std::string&)> m_title_changed;
    std::function<void()> m_load_finished;
    std::function<void(const TViewModifiers&)> m_double_clicked;
    int m_focus_count = 0;
    bool m_refuse = false;
};

} // namespace tessel
