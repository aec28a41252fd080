#include "examples/controls/DemoPanel.h"

#include <tessel/platform/TTextLayout.h>

namespace tessel::demo {

DemoPanel::DemoPanel(TComponent* owner)
    : TCustomControl(owner)
{
    SetControlStyle(ControlStyle() | csOpaque | csAcceptsControls);
}

void DemoPanel::Paint()
{
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    c.Brush().SetColor(Color());
    c.FillRect(r);
    c.Frame3D(r, clBtnHighlight, clBtnShadow);
    c.Brush().SetStyle(bsClear);
    c.DrawText(Caption(), r, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

} // namespace tessel::demo
