#include "tessel/skin/controls/TvxGraphicSkinControl.h"

#include "tessel/skin/data/SkinMessages.h"

namespace tessel {

TvxGraphicSkinControl::TvxGraphicSkinControl(TComponent* owner)
    : TvxSkinControlBase<TGraphicControl>(owner)
{ }

void TvxGraphicSkinControl::Dispatch(TMessage& message)
{
    if (message.Msg == FrameChangedNotice) {
        if (AlphaBlend())
            Invalidate();
        return;
    }
    TvxSkinControlBase<TGraphicControl>::Dispatch(message);
}

} // namespace tessel
