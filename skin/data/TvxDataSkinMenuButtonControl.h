#pragma once

#include "tessel/skin/data/TvxDataSkinButtonControl.h"

namespace tessel {

// The look of a drop-down menu button; trackbuttonrect is the separate drop-down part of a track
// button.
class TvxDataSkinMenuButtonControl : public TvxDataSkinButtonControl {
public:
    using TvxDataSkinButtonControl::TvxDataSkinButtonControl;
    const char* ClassName() const override { return "TvxDataSkinMenuButtonControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinButtonControl::VisitFields(v);
        v.Rect("trackbuttonrect", trackbuttonrect);
    }

public:
    TRect trackbuttonrect;
};

} // namespace tessel
