#include "examples/controls/DemoButton.h"

#include "platform/TTextLayout.h"

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
    TColor light = sunk ? cl3DDkShadow : clBtnHighlight, dark = sunk ? clBtnHighlight : cl3DDkShadow;
    c.Pen().SetColor(light);
    c.MoveTo(r.left, r.bottom - 1);
    c.LineTo(r.left, r.top);
    c.LineTo(r.right - 1, r.top);
    c.Pen().SetColor(dark);
    c.LineTo(r.right - 1, r.bottom - 1);
    c.LineTo(r.left, r.bottom - 1);
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
