#pragma once

#include "tessel/skin/data/TvxDataSkinControl.h"

namespace tessel {

// The look of grids.
class TvxDataSkinGridControl : public TvxDataSkinControl {
public:
    using TvxDataSkinControl::TvxDataSkinControl;
    const char* ClassName() const override { return "TvxDataSkinGridControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinControl::VisitFields(v);
        v.Rect("fixedcellrect", fixedcellrect);
        v.Rect("selectcellrect", selectcellrect);
        v.Rect("focuscellrect", focuscellrect);
        v.Integer("fixedcellleftoffset", fixedcellleftoffset, 0);
        v.Integer("fixedcellrightoffset", fixedcellrightoffset, 0);
        v.Rect("fixedcelltextrect", fixedcelltextrect);
        v.Integer("cellleftoffset", cellleftoffset, 0);
        v.Integer("cellrightoffset", cellrightoffset, 0);
        v.Rect("celltextrect", celltextrect);
        v.Color("linescolor", linescolor, 0);
        v.Color("bgcolor", bgcolor, 0);
        v.Integer("bgpictureindex", bgpictureindex, -1);
        v.String("fontname", fontname, "Arial");
        v.Integer("fontheight", fontheight, 14);
        v.FontStyles("fontstyle", fontstyle);
        v.Color("fontcolor", fontcolor, 0);
        v.Color("selectfontcolor", selectfontcolor, 0);
        v.Color("focusfontcolor", focusfontcolor, 0);
        v.String("fixedfontname", fixedfontname, "Arial");
        v.Integer("fixedfontheight", fixedfontheight, 14);
        v.FontStyles("fixedfontstyle", fixedfontstyle);
        v.Color("fixedfontcolor", fixedfontcolor, 0);
        v.Boolean("cellstretcheffect", cellstretcheffect);
        v.Boolean("fixedcellstretcheffect", fixedcellstretcheffect);
        v.Boolean("showfocus", showfocus);
    }

public:
    TRect fixedcellrect;
    TRect selectcellrect;
    TRect focuscellrect;
    int32_t fixedcellleftoffset = 0;
    int32_t fixedcellrightoffset = 0;
    TRect fixedcelltextrect;
    int32_t cellleftoffset = 0;
    int32_t cellrightoffset = 0;
    TRect celltextrect;
    TColor linescolor = 0;
    TColor bgcolor = 0;
    int32_t bgpictureindex = -1;
    std::string fontname = "Arial";
    int32_t fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    TColor selectfontcolor = 0;
    TColor focusfontcolor = 0;
    std::string fixedfontname = "Arial";
    int32_t fixedfontheight = 14;
    TFontStyles fixedfontstyle = 0;
    TColor fixedfontcolor = 0;
    bool cellstretcheffect = false;
    bool fixedcellstretcheffect = false;
    bool showfocus = false;
};

} // namespace tessel
