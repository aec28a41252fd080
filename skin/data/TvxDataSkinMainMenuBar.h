#pragma once

#include "tessel/skin/data/TvxDataSkinControl.h"

namespace tessel {

// The look of the skinned main menu bar; its items and buttons are frame object records named here.
class TvxDataSkinMainMenuBar : public TvxDataSkinControl {
public:
    using TvxDataSkinControl::TvxDataSkinControl;
    const char* ClassName() const override { return "TvxDataSkinMainMenuBar"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinControl::VisitFields(v);
        v.Rect("itemsrect", itemsrect);
        v.String("menubaritem", menubaritem, "");
        v.String("closebutton", closebutton, "");
        v.String("minbutton", minbutton, "");
        v.String("maxbutton", maxbutton, "");
        v.String("sysmenubutton", sysmenubutton, "");
        v.Color("trackmarkcolor", trackmarkcolor, 0);
        v.Color("trackmarkactivecolor", trackmarkactivecolor, 0);
        v.Boolean("stretcheffect", stretcheffect);
        v.Boolean("itemtransparent", itemtransparent);
    }

public:
    TRect itemsrect;
    std::string menubaritem;
    std::string closebutton;
    std::string minbutton;
    std::string maxbutton;
    std::string sysmenubutton;
    TColor trackmarkcolor = 0;
    TColor trackmarkactivecolor = 0;
    bool stretcheffect = false;
    bool itemtransparent = false;
};

} // namespace tessel
