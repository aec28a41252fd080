#pragma once

#include "tessel/skin/data/TvxDataSkinCustomControl.h"

namespace tessel {

// The look of track bars.
class TvxDataSkinTrackBarControl : public TvxDataSkinCustomControl {
public:
    using TvxDataSkinCustomControl::TvxDataSkinCustomControl;
    const char* ClassName() const override { return "TvxDataSkinTrackBarControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinCustomControl::VisitFields(v);
        v.Rect("activeskinrect", activeskinrect);
        v.Rect("trackarea", trackarea);
        v.Rect("buttonrect", buttonrect);
        v.Rect("activebuttonrect", activebuttonrect);
        v.Boolean("vertical", vertical);
        v.Boolean("buttontransparent", buttontransparent);
        v.Color("buttontransparentcolor", buttontransparentcolor, 0);
    }

public:
    TRect activeskinrect;
    TRect trackarea;
    TRect buttonrect;
    TRect activebuttonrect;
    bool vertical = false;
    bool buttontransparent = false;
    TColor buttontransparentcolor = 0;
};

} // namespace tessel
