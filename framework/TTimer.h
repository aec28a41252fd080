#pragma once

#include "tessel/framework/ControlTypes.h"
#include "tessel/framework/TComponent.h"
#include "tessel/framework/TUtilityWindow.h"

#include <functional>
#include <memory>

namespace tessel {

// Runs OnTimer every Interval milliseconds while Enabled, on the GUI thread, from
// the window system's timers.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner = nullptr);
    ~TTimer() override;
    // A timer of its owner's own, not yet running, that calls tick.
    static std::unique_ptr<TTimer> Stopped(uint32_t interval, std::function<void()> tick);

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    uint32_t Interval() const { return m_interval; }
    void SetInterval(uint32_t interval);
    const TNotifyEvent& OnTimer() const { return m_on_timer; }
    void SetOnTimer(TNotifyEvent handler);

    const char* ClassName() const override { return "TTimer"; }

private:
    void UpdateTimer();

    bool m_enabled = true;
    uint32_t m_interval = 1000;
    TNotifyEvent m_on_timer;
    TUtilityWindow m_window;
};

} // namespace tessel
