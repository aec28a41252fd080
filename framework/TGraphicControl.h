#pragma once

#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TControl.h"

namespace tessel {

// A control without a window: its parent paints it (through WM_PAINT with the
// parent's context moved to the control's top-left and clipped to it) and hands it
// its mouse messages.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner = nullptr);
    ~TGraphicControl() override;

    TCanvas& Canvas() { return m_canvas; }
    const char* ClassName() const override { return "TGraphicControl"; }

protected:
    virtual void Paint();
    void Dispatch(TMessage& message) override;

private:
    TCanvas m_canvas;
};

} // namespace tessel
