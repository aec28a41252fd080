#pragma once

#include "platform/TRect.h"

#include <cstdint>

namespace tessel {

// What the window system needs from the machine it runs on: time, the screen and a
// way to wait. The headless backend answers from a virtual screen and clock; the
// desktop backend from the real ones. Nothing above the window system sees which.
class TBackend {
public:
    virtual ~TBackend() = default;

    // Milliseconds since some fixed start; never goes back.
    virtual uint64_t NowMs() = 0;
    virtual TRect ScreenRect() = 0;
    virtual TRect WorkArea() = 0;
    // Waits until the given time or until input arrives, whichever is first.
    virtual void WaitUntil(uint64_t ms) = 0;
};

} // namespace tessel
