#pragma once

#include "tessel/platform/TMessage.h"

#include <functional>

namespace tessel {

class TvxSkinBound;
class TvxSkinData;
class TWinControl;

// The skinned controls of a form, as its skin controller reaches them around a skin
// change: every control at any depth bound to the store that changes (all of them
// when no store is named) forgets its record before the change and takes the new one
// after it.
class TvxSkinControls {
public:
    static void ForEach(TWinControl& root, const std::function<void(TvxSkinBound&)>& visit);
    static void BeforeChange(TWinControl& root, const TvxSkinData* store);
    static void AfterChange(TWinControl& root, const TvxSkinData* store);
    // Handles SkinChangingNotice and SkinChangedNotice sent to root (the store in
    // wParam); whether the message was one of them.
    static bool Route(TWinControl& root, const TMessage& message);
};

} // namespace tessel
