#pragma once

#include <tessel/framework/TGraphicControl.h>

namespace tessel::demo {

// A window-less push button: raised, sunk while pressed with the mouse over it,
// lighter while the mouse is over it.
class DemoButton : public TGraphicControl {
public:
    explicit DemoButton(TComponent* owner = nullptr);

protected:
    void Paint() override;
    void MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    bool m_down = false;
};

} // namespace tessel::demo
