#pragma once

#include <string>

namespace tessel {

// A hint shown at the mouse cursor on request: what a skinned hint component offers
// the menus below it.
class TvxCursorHint {
public:
    virtual ~TvxCursorHint() = default;
    virtual void ShowCursorHint(const std::string& text) = 0;
    virtual void HideHint() = 0;
};

} // namespace tessel
