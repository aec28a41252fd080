#include "tessel/skin/controls/TvxSkinControl.h"

#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/data/SkinMessages.h"

namespace tessel {

TvxSkinControl::TvxSkinControl(TComponent* owner)
    : TvxSkinControlBase<TCustomControl>(owner)
{ }

void TvxSkinControl::BackgroundChanged()
{
    if (!AlphaBlend())
        return;
    Invalidate();
    NotifyChildrenOfFrameChange();
}

void TvxSkinControl::NotifyChildrenOfFrameChange()
{
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        auto* windowed = dynamic_cast<TWinControl*>(child);
        if (windowed && windowed->HandleAllocated())
            TWindowManager::Instance().SendMessage(windowed->Handle(), FrameChangedNotice);
        else
            child->Perform(FrameChangedNotice);
    }
}

void TvxSkinControl::SizeChanged()
{
    UpdateRegion();
    Invalidate();
}

void TvxSkinControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        // Every pixel is painted by the control itself.
        message.Result = 1;
        return;
    case WM_PAINT: {
        m_painting = true;
        struct TDone {
            bool& flag;
            ~TDone() { flag = false; }
        } done { m_painting };
        TvxSkinControlBase<TCustomControl>::Dispatch(message);
        return;
    }
    case WM_MOVE:
        TvxSkinControlBase<TCustomControl>::Dispatch(message);
        if (AlphaBlend())
            Invalidate();
        return;
    default:
        if (message.Msg == FrameChangedNotice) {
            BackgroundChanged();
            return;
        }
        TvxSkinControlBase<TCustomControl>::Dispatch(message);
    }
}

} // namespace tessel
