#include "examples/controls/DemoButton.h"

#include <tessel/platform/TTextLayout.h>

namespace tessel::demo {

DemoButton::DemoButton(TComponent* owner)
    : TGraphicControl(owner)
{ }

void DemoButton::Paint()
{
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    c.Brush().SetColor(MouseInControl() ? 0xFFF8E8 : clBtnFace);
    c.FillRect(r);
    bool sunk = m_down && MouseInControl();
    if (sunk)
        c.Frame3D(r, cl3DDkShadow, clBtnHighlight);
    else
        c.Frame3D(r, clBtnHighlight, cl3DDkShadow);
    c.Brush().SetStyle(bsClear);
    TRect text = sunk ? TRect { r.left + 1, r.top + 1, r.right + 1, r.bottom + 1 } : r;
    c.DrawText(Caption(), text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void DemoButton::MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    if (button == mbLeft) {
        m_down = true;
        Invalidate();
    }
    TGraphicControl::MouseDown(button, shift, x, y);
}

void DemoButton::MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    if (button == mbLeft) {
        m_down = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

void DemoButton::MouseEnter()
{
    Invalidate();
    TGraphicControl::MouseEnter();
}

void DemoButton::MouseLeave()
{
    Invalidate();
    TGraphicControl::MouseLeave();
}

} // namespace tessel::demo
