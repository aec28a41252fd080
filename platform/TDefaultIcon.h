#pragma once

#include "tessel/platform/TSurface.h"

namespace tessel {

// The window system's own application icon, shown for a program that sets none: a
// small window with a blue title bar.
class TDefaultIcon {
public:
    static TSurface Application(int size = 32);
};

} // namespace tessel
