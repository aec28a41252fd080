#pragma once

#include "tessel/skin/data/TvxDataSkinCustomControl.h"
#include "tessel/skin/data/TvxEnumWords.h"

namespace tessel {

// The look of panels and tool bars: background picture, caption (group-box look), check box images and
// size grip.
class TvxDataSkinPanelControl : public TvxDataSkinCustomControl {
public:
    using TvxDataSkinCustomControl::TvxDataSkinCustomControl;
    const char* ClassName() const override { return "TvxDataSkinPanelControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinCustomControl::VisitFields(v);
        v.Integer("bgpictureindex", bgpictureindex, -1);
        v.Rect("captionrect", captionrect);
        v.Enum("alignment", alignment, TvxEnumWords::Alignment());
        v.String("fontname", fontname, "Arial");
        v.Integer("fontheight", fontheight, 14);
        v.FontStyles("fontstyle", fontstyle);
        v.Color("fontcolor", fontcolor, 0);
        v.Rect("checkimagerect", checkimagerect);
        v.Rect("uncheckimagerect", uncheckimagerect);
        v.Rect("markframerect", markframerect);
        v.Rect("framerect", framerect);
        v.Rect("frametextrect", frametextrect);
        v.Integer("frameleftoffset", frameleftoffset, 0);
        v.Integer("framerightoffset", framerightoffset, 0);
        v.Rect("gripperrect", gripperrect);
        v.Boolean("grippertransparent", grippertransparent);
        v.Color("grippertransparentcolor", grippertransparentcolor, 0);
    }

public:
    int32_t bgpictureindex = -1;
    TRect captionrect;
    TAlignment alignment = taCenter;
    std::string fontname = "Arial";
    int32_t fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    TRect checkimagerect;
    TRect uncheckimagerect;
    TRect markframerect;
    TRect framerect;
    TRect frametextrect;
    int32_t frameleftoffset = 0;
    int32_t framerightoffset = 0;
    TRect gripperrect;
    bool grippertransparent = false;
    TColor grippertransparentcolor = 0;
};

} // namespace tessel
