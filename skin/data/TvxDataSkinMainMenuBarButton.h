#pragma once

#include "tessel/skin/data/TvxDataSkinStdButton.h"

namespace tessel {

// A button of the main menu bar; it reads exactly the keys of a caption button.
class TvxDataSkinMainMenuBarButton : public TvxDataSkinStdButton {
public:
    using TvxDataSkinStdButton::TvxDataSkinStdButton;
    const char* ClassName() const override { return "TvxDataSkinMainMenuBarButton"; }
};

} // namespace tessel
