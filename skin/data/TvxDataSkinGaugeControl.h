#pragma once

#include "tessel/skin/data/TvxDataSkinCustomControl.h"

namespace tessel {

// The look of progress gauges.
class TvxDataSkinGaugeControl : public TvxDataSkinCustomControl {
public:
    using TvxDataSkinCustomControl::TvxDataSkinCustomControl;
    const char* ClassName() const override { return "TvxDataSkinGaugeControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinCustomControl::VisitFields(v);
        v.Rect("progressarea", progressarea);
        v.Rect("progressrect", progressrect);
        v.Integer("beginoffset", beginoffset, 0);
        v.Integer("endoffset", endoffset, 0);
        v.Boolean("vertical", vertical);
        v.String("fontname", fontname, "Arial");
        v.Integer("fontheight", fontheight, 14);
        v.FontStyles("fontstyle", fontstyle);
        v.Color("fontcolor", fontcolor, 0);
        v.Boolean("progresstransparent", progresstransparent);
        v.Color("progresstransparentcolor", progresstransparentcolor, 0);
        v.Boolean("progressstretch", progressstretch);
        v.Rect("animationskinrect", animationskinrect);
        v.Integer("animationcountframes", animationcountframes, 0);
        v.Integer("animationtimerinterval", animationtimerinterval, 0);
        v.Rect("progressanimationskinrect", progressanimationskinrect);
        v.Integer("progressanimationcountframes", progressanimationcountframes, 0);
        v.Integer("progressanimationtimerinterval", progressanimationtimerinterval, 0);
        v.Integer("animationbeginoffset", animationbeginoffset, 0);
        v.Integer("animationendoffset", animationendoffset, 0);
    }

public:
    TRect progressarea;
    TRect progressrect;
    int32_t beginoffset = 0;
    int32_t endoffset = 0;
    bool vertical = false;
    std::string fontname = "Arial";
    int32_t fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    bool progresstransparent = false;
    TColor progresstransparentcolor = 0;
    bool progressstretch = false;
    TRect animationskinrect;
    int32_t animationcountframes = 0;
    int32_t animationtimerinterval = 0;
    TRect progressanimationskinrect;
    int32_t progressanimationcountframes = 0;
    int32_t progressanimationtimerinterval = 0;
    int32_t animationbeginoffset = 0;
    int32_t animationendoffset = 0;
};

} // namespace tessel
