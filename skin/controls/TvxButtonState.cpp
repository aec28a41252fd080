#include "tessel/skin/controls/TvxButtonState.h"

#include "tessel/framework/TTimer.h"

#include <algorithm>
#include <cmath>

namespace tessel {

TvxButtonState::TvxButtonState(TvxButtonHost& host)
    : m_host(host)
    , m_morph_timer(TTimer::Stopped(kMorphInterval, [this] { MorphTick(); }))
    , m_repeat_timer(TTimer::Stopped(kRepeatDelay, [this] { RepeatTick(); }))
{ }

TvxButtonState::~TvxButtonState() = default;

void TvxButtonState::SetDown(bool down)
{
    m_down = down;
    if (m_host.MorphingInEffect()) {
        m_morph = 1;
        if (down)
            StopMorph();
        else
            StartMorph();
    }
    m_host.ButtonRepaint();
    if (m_group_index != 0 && down && !m_allow_all_up)
        m_host.ReleaseGroup();
}

void TvxButtonState::SetMorphFactor(double factor)
{
    m_morph = std::clamp(factor, 0.0, 1.0);
}

void TvxButtonState::StartMorph()
{
    if (!m_host.MorphingInEffect()) {
        m_host.ButtonRepaint();
        return;
    }
    if (!m_morph_timer->Enabled())
        m_morph_timer->SetEnabled(true);
}

void TvxButtonState::StopMorph()
{
    m_morph_timer->SetEnabled(false);
}

bool TvxButtonState::MorphRunning() const
{
    return m_morph_timer->Enabled();
}

void TvxButtonState::MorphTick()
{
    const double target = m_host.MorphTowardsActive() ? 1 : 0;
    if (!m_host.MorphingInEffect()) {
        m_morph = target;
        StopMorph();
        return;
    }
    if (target == 1 && m_morph < 1)
        m_morph = std::min(1.0, m_morph + kMorphStep);
    else if (target == 0 && m_morph > 0)
        m_morph = std::max(0.0, m_morph - kMorphStep);
    else {
        m_morph = target;
        StopMorph();
        return;
    }
    // Steps of 0.2 land on the ends within rounding.
    if (std::abs(m_morph - target) < 1e-9)
        m_morph = target;
    m_host.ButtonRepaint();
}

void TvxButtonState::StartRepeat()
{
    m_repeat_timer->SetEnabled(false);
    m_repeat_timer->SetInterval(kRepeatDelay);
    m_repeat_timer->SetEnabled(true);
}

void TvxButtonState::StopRepeat()
{
    m_repeat_timer->SetEnabled(false);
}

bool TvxButtonState::RepeatRunning() const
{
    return m_repeat_timer->Enabled();
}

void TvxButtonState::RepeatTick()
{
    const unsigned interval = static_cast<unsigned>(std::max(m_repeat_interval, 10));
    if (m_repeat_timer->Interval() != interval) {
        // The first tick ends the delay; the clicks come from the next.
        m_repeat_timer->SetInterval(interval);
        return;
    }
    m_host.ButtonClick();
}

void TvxButtonState::Press()
{
    m_pressed = true;
    if (!m_down) {
        m_hot = true;
        SetDown(true);
        if (m_repeat_mode && m_group_index == 0)
            StartRepeat();
        else if (m_group_index != 0)
            m_host.ButtonClick();
        m_down_at_press = false;
    } else if (m_group_index != 0) {
        m_down_at_press = true;
    }
}

void TvxButtonState::Release()
{
    m_pressed = false;
    const bool was_down = m_down;
    if (m_group_index == 0) {
        StopRepeat();
        if (m_hot) {
            SetDown(false);
            if (was_down)
                m_host.ButtonClick();
        } else {
            ClearDown();
        }
    } else if (was_down && m_allow_all_up && m_down_at_press && m_hot) {
        SetDown(false);
        m_host.ButtonClick();
    }
}

} // namespace tessel
