#pragma once

#include "tessel/framework/ControlTypes.h"
#include "tessel/platform/TRect.h"

#include <functional>
#include <string>

namespace tessel {

class TCanvas;

enum TSwitchState { swsOn = 0, swsOff = 1 };

// The events a form's frame objects raise through their controller, each naming the
// object by its record name.
struct TvxFrameObjectEvents {
    std::function<void(const std::string&, int, int, const TRect&, TMouseButtonKind)> OnMouseDownEvent;
    std::function<void(const std::string&, int, int, const TRect&, TMouseButtonKind)> OnMouseUpEvent;
    std::function<void(const std::string&, int, int, const TRect&)> OnMouseMoveEvent;
    std::function<void(const std::string&)> OnMouseEnterEvent;
    std::function<void(const std::string&)> OnMouseLeaveEvent;
    std::function<void(const std::string&, TCanvas&, const TRect&)> OnPaintEvent;
    std::function<void(const std::string&, TSwitchState)> OnSwitchChangeStateEvent;
    std::function<void(const std::string&, int)> OnTrackBarChangeValueEvent;
    std::function<void(const std::string&, int)> OnFrameRegulatorChangeValueEvent;
};

} // namespace tessel
