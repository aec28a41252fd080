#include "framework/TGraphicControl.h"

#include "platform/TDeviceContext.h"

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
        auto* dc = reinterpret_cast<TDeviceContext*>(message.WParam);
        m_canvas.SetHandle(dc);
        m_canvas.Font().Assign(Font());
        m_canvas.Brush().SetColor(Color());
        m_canvas.Pen() = TPen();
        struct Release {
            TCanvas& canvas;
            ~Release() { canvas.SetHandle(nullptr); }
        } release { m_canvas };
        Paint();
        return;
    }
    TControl::Dispatch(message);
}

} // namespace tessel
