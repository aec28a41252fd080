#pragma once

#include "tessel/skin/data/TvxDataSkinButton.h"
#include "tessel/skin/data/TvxEnumWords.h"

namespace tessel {

// A caption button with its frame command and the looks used while the form is maximized.
class TvxDataSkinStdButton : public TvxDataSkinButton {
public:
    using TvxDataSkinButton::TvxDataSkinButton;
    const char* ClassName() const override { return "TvxDataSkinStdButton"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinButton::VisitFields(v);
        v.Enum("command", command, TvxEnumWords::FrameCommand());
        v.Rect("restorerect", restorerect);
        v.Rect("restoreactiverect", restoreactiverect);
        v.Rect("restoredownrect", restoredownrect);
        v.Rect("restoreinactiverect", restoreinactiverect);
    }

public:
    TvxFrameCommand command = cmdefault;
    TRect restorerect;
    TRect restoreactiverect;
    TRect restoredownrect;
    TRect restoreinactiverect;
};

} // namespace tessel
