#pragma once

#include "tessel/platform/TBackend.h"
#include "tessel/platform/headless/THeadlessNotificationArea.h"
#include "tessel/platform/headless/THeadlessWebView.h"

namespace tessel {

// A virtual screen and a virtual clock. Time moves only when a test advances it
// (or when the message loop waits for a timer), so every run is the same. The
// screen's pixels are the window manager's own composition of its windows.
class THeadlessBackend : public TBackend {
public:
    explicit THeadlessBackend(TRect screen = { 0, 0, 1280, 800 }, TRect work_area = { 0, 0, 1280, 770 })
        : m_screen(screen)
        , m_work_area(work_area)
    { }

    uint64_t NowMs() override { return m_now; }
    TRect ScreenRect() override { return m_screen; }
    TRect WorkArea() override { return m_work_area; }
    std::vector<TMonitor> Monitors() override
    {
        return m_monitors.empty() ? TBackend::Monitors() : m_monitors;
    }
    // Waiting jumps the clock to the wanted time.
    void WaitUntil(uint64_t ms) override
    {
        if (ms > m_now)
            m_now = ms;
    }
    void SetCursorShape(int cursor) override { m_cursor = cursor; }
    bool SupportsLayeredAlpha() override { return m_layered_alpha; }

    void ConfigureWeb(const TWebConfig& config) override
    {
        if (!m_web_config)
            m_web_config = std::make_unique<TWebConfig>(config);
    }
    std::unique_ptr<TWebView> CreateWebView(TWebViewKind kind) override
    {
        return std::make_unique<THeadlessWebView>(kind);
    }

    TNotificationArea* NotificationArea() override { return &m_tray; }

    void Advance(uint64_t ms) { m_now += ms; }
    THeadlessNotificationArea& Tray() { return m_tray; }
    // The web set-up given first, or null.
    const TWebConfig* WebConfig() const { return m_web_config.get(); }
    // The shape last asked for, IDC_* (0 before any).
    int CursorShape() const { return m_cursor; }
    void SetMonitors(std::vector<TMonitor> monitors) { m_monitors = std::move(monitors); }
    // Stands for a desktop without a compositor.
    void SetLayeredAlphaSupported(bool supported) { m_layered_alpha = supported; }

private:
    uint64_t m_now = 0;
    TRect m_screen;
    TRect m_work_area;
    std::vector<TMonitor> m_monitors;
    int m_cursor = 0;
    bool m_layered_alpha = true;
    std::unique_ptr<TWebConfig> m_web_config;
    THeadlessNotificationArea m_tray;
};

} // namespace tessel
