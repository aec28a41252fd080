#include "examples/controls/DemoPanel.h"

#include "platform/TTextLayout.h"

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
    c.Pen().SetColor(clBtnHighlight);
    c.MoveTo(r.left, r.bottom - 1);
    c.LineTo(r.left, r.top);
    c.LineTo(r.right - 1, r.top);
    c.Pen().SetColor(clBtnShadow);
    c.LineTo(r.right - 1, r.bottom - 1);
    c.LineTo(r.left, r.bottom - 1);
    c.Brush().SetStyle(bsClear);
    c.DrawText(Caption(), r, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

} // namespace tessel::demo
