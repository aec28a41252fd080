#include "tessel/skin/controls/TvxSkinControls.h"

#include "tessel/framework/TWinControl.h"
#include "tessel/skin/controls/TvxSkinBound.h"
#include "tessel/skin/data/SkinMessages.h"

namespace tessel {

void TvxSkinControls::ForEach(TWinControl& root, const std::function<void(TvxSkinBound&)>& visit)
{
    for (int i = 0; i < root.ControlCount(); ++i) {
        TControl* child = root.Controls(i);
        if (auto* bound = dynamic_cast<TvxSkinBound*>(child))
            visit(*bound);
        if (auto* windowed = dynamic_cast<TWinControl*>(child))
            ForEach(*windowed, visit);
    }
}

void TvxSkinControls::BeforeChange(TWinControl& root, const TvxSkinData* store)
{
    ForEach(root, [store](TvxSkinBound& control) {
        if (!store || control.SkinData() == store)
            control.BeforeChangeSkinData();
    });
}

void TvxSkinControls::AfterChange(TWinControl& root, const TvxSkinData* store)
{
    ForEach(root, [store](TvxSkinBound& control) {
        if (!store || control.SkinData() == store)
            control.ChangeSkinData();
    });
}

bool TvxSkinControls::Route(TWinControl& root, const TMessage& message)
{
    auto* store = reinterpret_cast<const TvxSkinData*>(message.WParam);
    if (message.Msg == SkinChangingNotice)
        BeforeChange(root, store);
    else if (message.Msg == SkinChangedNotice)
        AfterChange(root, store);
    else
        return false;
    return true;
}

} // namespace tessel
