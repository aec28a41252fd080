#pragma once

#include "tessel/skin/data/TvxDataSkinCustomControl.h"

namespace tessel {

// The look of a panel that rolls up horizontally or vertically, with its caption buttons.
class TvxDataSkinExPanelControl : public TvxDataSkinCustomControl {
public:
    using TvxDataSkinCustomControl::TvxDataSkinCustomControl;
    const char* ClassName() const override { return "TvxDataSkinExPanelControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinCustomControl::VisitFields(v);
        v.Rect("rollhskinrect", rollhskinrect);
        v.Rect("rollvskinrect", rollvskinrect);
        v.Integer("rollleftoffset", rollleftoffset, 0);
        v.Integer("rollrightoffset", rollrightoffset, 0);
        v.Integer("rolltopoffset", rolltopoffset, 0);
        v.Integer("rollbottomoffset", rollbottomoffset, 0);
        v.Rect("rollvcaptionrect", rollvcaptionrect);
        v.Rect("rollhcaptionrect", rollhcaptionrect);
        v.Rect("closebuttonrect", closebuttonrect);
        v.Rect("closebuttonactiverect", closebuttonactiverect);
        v.Rect("closebuttondownrect", closebuttondownrect);
        v.Rect("hrollbuttonrect", hrollbuttonrect);
        v.Rect("hrollbuttonactiverect", hrollbuttonactiverect);
        v.Rect("hrollbuttondownrect", hrollbuttondownrect);
        v.Rect("hrestorebuttonrect", hrestorebuttonrect);
        v.Rect("hrestorebuttonactiverect", hrestorebuttonactiverect);
        v.Rect("hrestorebuttondownrect", hrestorebuttondownrect);
        v.Rect("vrollbuttonrect", vrollbuttonrect);
        v.Rect("vrollbuttonactiverect", vrollbuttonactiverect);
        v.Rect("vrollbuttondownrect", vrollbuttondownrect);
        v.Rect("vrestorebuttonrect", vrestorebuttonrect);
        v.Rect("vrestorebuttonactiverect", vrestorebuttonactiverect);
        v.Rect("vrestorebuttondownrect", vrestorebuttondownrect);
        v.Rect("captionrect", captionrect);
        v.String("fontname", fontname, "Arial");
        v.Integer("fontheight", fontheight, 14);
        v.FontStyles("fontstyle", fontstyle);
        v.Color("fontcolor", fontcolor, 0);
        v.Boolean("buttonstransparent", buttonstransparent);
        v.Color("buttonstransparentcolor", buttonstransparentcolor, 0);
    }

public:
    TRect rollhskinrect;
    TRect rollvskinrect;
    int32_t rollleftoffset = 0;
    int32_t rollrightoffset = 0;
    int32_t rolltopoffset = 0;
    int32_t rollbottomoffset = 0;
    TRect rollvcaptionrect;
    TRect rollhcaptionrect;
    TRect closebuttonrect;
    TRect closebuttonactiverect;
    TRect closebuttondownrect;
    TRect hrollbuttonrect;
    TRect hrollbuttonactiverect;
    TRect hrollbuttondownrect;
    TRect hrestorebuttonrect;
    TRect hrestorebuttonactiverect;
    TRect hrestorebuttondownrect;
    TRect vrollbuttonrect;
    TRect vrollbuttonactiverect;
    TRect vrollbuttondownrect;
    TRect vrestorebuttonrect;
    TRect vrestorebuttonactiverect;
    TRect vrestorebuttondownrect;
    TRect captionrect;
    std::string fontname = "Arial";
    int32_t fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    bool buttonstransparent = false;
    TColor buttonstransparentcolor = 0;
};

} // namespace tessel
