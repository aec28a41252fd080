#pragma once

#include "tessel/skin/data/TvxDataSkinCustomControl.h"

namespace tessel {

// The look of list boxes: items, caption, buttons and the names of their scroll bar records.
class TvxDataSkinListBox : public TvxDataSkinCustomControl {
public:
    using TvxDataSkinCustomControl::TvxDataSkinCustomControl;
    const char* ClassName() const override { return "TvxDataSkinListBox"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinCustomControl::VisitFields(v);
        v.Rect("itemrect", itemrect);
        v.Rect("activeitemrect", activeitemrect);
        v.Rect("focusitemrect", focusitemrect);
        v.Integer("itemleftoffset", itemleftoffset, 0);
        v.Integer("itemrightoffset", itemrightoffset, 0);
        v.Rect("itemtextrect", itemtextrect);
        v.String("fontname", fontname, "Arial");
        v.Integer("fontheight", fontheight, 14);
        v.FontStyles("fontstyle", fontstyle);
        v.Color("fontcolor", fontcolor, 0);
        v.Color("activefontcolor", activefontcolor, 0);
        v.Color("focusfontcolor", focusfontcolor, 0);
        v.Rect("captionrect", captionrect);
        v.String("captionfontname", captionfontname, "Arial");
        v.Integer("captionfontheight", captionfontheight, 14);
        v.FontStyles("captionfontstyle", captionfontstyle);
        v.Color("captionfontcolor", captionfontcolor, 0);
        v.Rect("upbuttonrect", upbuttonrect);
        v.Rect("activeupbuttonrect", activeupbuttonrect);
        v.Rect("downupbuttonrect", downupbuttonrect);
        v.Rect("downbuttonrect", downbuttonrect);
        v.Rect("activedownbuttonrect", activedownbuttonrect);
        v.Rect("downdownbuttonrect", downdownbuttonrect);
        v.Rect("checkbuttonrect", checkbuttonrect);
        v.Rect("activecheckbuttonrect", activecheckbuttonrect);
        v.Rect("downcheckbuttonrect", downcheckbuttonrect);
        v.String("vscrollbarname", vscrollbarname, "vscrollbar");
        v.String("hscrollbarname", hscrollbarname, "hscrollbar");
        v.String("bothhscrollbarname", bothhscrollbarname, "bothhscrollbar");
        v.Boolean("showfocus", showfocus);
    }

public:
    TRect itemrect;
    TRect activeitemrect;
    TRect focusitemrect;
    int32_t itemleftoffset = 0;
    int32_t itemrightoffset = 0;
    TRect itemtextrect;
    std::string fontname = "Arial";
    int32_t fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    TColor activefontcolor = 0;
    TColor focusfontcolor = 0;
    TRect captionrect;
    std::string captionfontname = "Arial";
    int32_t captionfontheight = 14;
    TFontStyles captionfontstyle = 0;
    TColor captionfontcolor = 0;
    TRect upbuttonrect;
    TRect activeupbuttonrect;
    TRect downupbuttonrect;
    TRect downbuttonrect;
    TRect activedownbuttonrect;
    TRect downdownbuttonrect;
    TRect checkbuttonrect;
    TRect activecheckbuttonrect;
    TRect downcheckbuttonrect;
    std::string vscrollbarname = "vscrollbar";
    std::string hscrollbarname = "hscrollbar";
    std::string bothhscrollbarname = "bothhscrollbar";
    bool showfocus = false;
};

} // namespace tessel
