#pragma once

#include <cstdint>

namespace tessel {

// The platform's virtual-key code for a GDK key value (the unshifted key: letters
// as their upper-case code), 0 for keys it has none for.
uint32_t VirtualKeyFromKeyval(unsigned keyval);

} // namespace tessel
