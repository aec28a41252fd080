#pragma once

#include "tessel/platform/TMessage.h"

#include <functional>

namespace tessel {

// A hidden window that only receives messages (timers, posted notices), handing
// each to a function; DefWindowProc answers those the function does not handle.
class TUtilityWindow {
public:
    // Returns whether it handled the message.
    using THandler = std::function<bool(TMessage&)>;

    explicit TUtilityWindow(THandler handler);
    ~TUtilityWindow();
    TUtilityWindow(const TUtilityWindow&) = delete;
    TUtilityWindow& operator=(const TUtilityWindow&) = delete;

    HWND Handle() const { return m_handle; }

private:
    THandler m_handler;
    HWND m_handle = 0;
};

} // namespace tessel
