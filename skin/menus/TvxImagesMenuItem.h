#pragma once

#include "tessel/framework/ControlTypes.h"
#include "tessel/platform/TRect.h"

#include <string>

namespace tessel {

// One cell of an images menu: an image of the menu's list, or a full-width button
// row (image and caption) or header row (caption only, never chosen).
class TvxImagesMenuItem {
public:
    int ImageIndex = -1;
    std::string Caption;
    std::string Hint;
    bool Button = false;
    bool Header = false;
    TNotifyEvent OnClick;
    // Where the layout put it, in the window's coordinates.
    TRect CellRect;

    // Copies what an item shows; its events and place stay.
    void Assign(const TvxImagesMenuItem& other)
    {
        ImageIndex = other.ImageIndex;
        Caption = other.Caption;
        Button = other.Button;
        Hint = other.Hint;
    }
};

} // namespace tessel
