#pragma once

#include "platform/TBackend.h"

namespace tessel {

// A virtual screen and a virtual clock. Time moves only when a test advances it
// (or when the message loop waits for a timer), so every run is the same.
class THeadlessBackend : public TBackend {
public:
    explicit THeadlessBackend(TRect screen = { 0, 0, 1280, 800 }, TRect work_area = { 0, 0, 1280, 770 })
        : m_screen(screen)
        , m_work_area(work_area)
    { }

    uint64_t NowMs() override { return m_now; }
    TRect ScreenRect() override { return m_screen; }
    TRect WorkArea() override { return m_work_area; }
    // Waiting jumps the clock to the wanted time.
    void WaitUntil(uint64_t ms) override
    {
        if (ms > m_now)
            m_now = ms;
    }

    void Advance(uint64_t ms) { m_now += ms; }

private:
    uint64_t m_now = 0;
    TRect m_screen;
    TRect m_work_area;
};

} // namespace tessel
