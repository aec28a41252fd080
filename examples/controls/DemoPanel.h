#pragma once

#include <tessel/framework/TCustomControl.h>

namespace tessel::demo {

// A panel that fills itself with its colour, draws a one-pixel bevel and its
// caption centred.
class DemoPanel : public TCustomControl {
public:
    explicit DemoPanel(TComponent* owner = nullptr);

protected:
    void Paint() override;
};

} // namespace tessel::demo
