#include "tessel/framework/TCustomControl.h"

namespace tessel {

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner)
{ }

TCustomControl::~TCustomControl() = default;

void TCustomControl::Paint()
{ }

void TCustomControl::PaintWindow(TDeviceContext& dc)
{
    TCanvas::TPaintScope scope(m_canvas, dc, Font(), Color());
    Paint();
}

} // namespace tessel
