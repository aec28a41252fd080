#include "tessel/framework/TTimer.h"

#include "tessel/platform/TWindowManager.h"

namespace tessel {

TTimer::TTimer(TComponent* owner)
    : TComponent(owner)
    , m_window([this](TMessage& message) {
        if (message.Msg != WM_TIMER)
            return false;
        if (m_on_timer)
            m_on_timer(this);
        return true;
    })
{ }

std::unique_ptr<TTimer> TTimer::Stopped(uint32_t interval, std::function<void()> tick)
{
    auto timer = std::make_unique<TTimer>();
    timer->SetEnabled(false);
    timer->SetInterval(interval);
    timer->SetOnTimer([tick = std::move(tick)](TComponent*) { tick(); });
    return timer;
}

TTimer::~TTimer()
{
    TWindowManager::Instance().KillTimer(m_window.Handle(), 1);
}

void TTimer::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(uint32_t interval)
{
    m_interval = interval;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler)
{
    m_on_timer = std::move(handler);
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    TWindowManager& wm = TWindowManager::Instance();
    wm.KillTimer(m_window.Handle(), 1);
    if (m_enabled && m_interval > 0 && m_on_timer)
        wm.SetTimer(m_window.Handle(), 1, m_interval);
}

} // namespace tessel
