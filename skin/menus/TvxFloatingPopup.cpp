#include "tessel/skin/menus/TvxFloatingPopup.h"

namespace tessel {

TvxFloatingPopup::TvxFloatingPopup(TComponent* owner)
    : TCustomControl(owner)
{
    InitVisible(false);
    SetControlStyle(ControlStyle() & ~csCaptureMouse);
}

void TvxFloatingPopup::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.SetFloatingPopup();
}

void TvxFloatingPopup::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_MOUSEACTIVATE:
        message.Result = MA_NOACTIVATE;
        return;
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    default:
        TCustomControl::Dispatch(message);
    }
}

} // namespace tessel
