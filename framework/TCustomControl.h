#pragma once

#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TWinControl.h"

namespace tessel {

// A windowed control that paints itself on a canvas in Paint.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner = nullptr);
    ~TCustomControl() override;

    TCanvas& Canvas() { return m_canvas; }
    const char* ClassName() const override { return "TCustomControl"; }

protected:
    virtual void Paint();
    void PaintWindow(TDeviceContext& dc) override;

private:
    TCanvas m_canvas;
};

} // namespace tessel
