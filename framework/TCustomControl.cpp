#include "framework/TCustomControl.h"

namespace tessel {

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner)
{ }

TCustomControl::~TCustomControl() = default;

void TCustomControl::Paint()
{ }

void TCustomControl::PaintWindow(TDeviceContext& dc)
{
    m_canvas.SetHandle(&dc);
    m_canvas.Font().Assign(Font());
    m_canvas.Brush().SetColor(Color());
    m_canvas.Pen() = TPen();
    struct Release {
        TCanvas& canvas;
        ~Release() { canvas.SetHandle(nullptr); }
    } release { m_canvas };
    Paint();
}

} // namespace tessel
