#pragma once

#include <cstdint>

namespace tessel {

using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
// A window's handle; 0 is none, and 1 and the top values name z-order places.
using HWND = uint32_t;

// A window message as the window procedures of controls and forms receive it.
struct TMessage {
    uint32_t Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// The first number free for private window messages.
constexpr uint32_t WM_USER = 0x0400;

} // namespace tessel
