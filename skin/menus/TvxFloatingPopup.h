#pragma once

#include "tessel/framework/TCustomControl.h"

namespace tessel {

// A borderless top-most window that never takes the activation from its form (it
// answers MA_NOACTIVATE) and paints all of itself: what menu windows are made of.
class TvxFloatingPopup : public TCustomControl {
public:
    explicit TvxFloatingPopup(TComponent* owner = nullptr);

protected:
    void CreateParams(TCreateParams& params) override;
    void Dispatch(TMessage& message) override;
};

} // namespace tessel
