#pragma once

#include "tessel/skin/data/TvxDataSkinObject.h"

namespace tessel {

// A track bar on the frame.
class TvxDataSkinTrackBar : public TvxDataSkinObject {
public:
    using TvxDataSkinObject::TvxDataSkinObject;
    const char* ClassName() const override { return "TvxDataSkinTrackBar"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinObject::VisitFields(v);
        v.Rect("buttonrect", buttonrect);
        v.Rect("activebuttonrect", activebuttonrect);
        v.Point("beginpoint", beginpoint);
        v.Point("endpoint", endpoint);
        v.Integer("minvalue", minvalue, 0);
        v.Integer("maxvalue", maxvalue, 0);
        v.Boolean("mousedownchangevalue", mousedownchangevalue);
        v.Boolean("buttontransparent", buttontransparent);
        v.Color("buttontransparentcolor", buttontransparentcolor, 0);
    }

protected:
    void AfterRead() override
    {
        TvxDataSkinObject::AfterRead();
        morphing = false;
    }

public:
    TRect buttonrect;
    TRect activebuttonrect;
    TPoint beginpoint;
    TPoint endpoint;
    int32_t minvalue = 0;
    int32_t maxvalue = 0;
    bool mousedownchangevalue = false;
    bool buttontransparent = false;
    TColor buttontransparentcolor = 0;
};

} // namespace tessel
