#pragma once

#include "tessel/framework/TCustomControl.h"

#include <string>

namespace tessel {

// The window a hint shows in: a top-most popup that takes no activation, plain
// (info colours, a one-pixel border, the text word-wrapped). Programs may replace
// the class through the application's HintWindowClass.
class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* owner = nullptr);

    // Shows the hint text in rect (screen coordinates), in front, without activating.
    virtual void ActivateHint(const TRect& rect, const std::string& hint);
    // The rectangle (at 0, 0) the text needs when lines wrap at max_width.
    virtual TRect CalcHintRect(int max_width, const std::string& hint);
    virtual void ReleaseHandle();

    const char* ClassName() const override { return "THintWindow"; }

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
};

} // namespace tessel
