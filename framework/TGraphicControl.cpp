#include "tessel/framework/TGraphicControl.h"

#include "tessel/platform/TDeviceContext.h"

namespace tessel {

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner)
{ }

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Paint()
{ }

void TGraphicControl::Dispatch(TMessage& message)
{
    if (message.Msg == WM_PAINT && message.WParam) {
        TCanvas::TPaintScope scope(
            m_canvas, *reinterpret_cast<TDeviceContext*>(message.WParam), Font(), Color());
        Paint();
        return;
    }
    TControl::Dispatch(message);
}

} // namespace tessel
