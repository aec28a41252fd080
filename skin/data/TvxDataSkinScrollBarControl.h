#pragma once

#include "tessel/skin/data/TvxDataSkinCustomControl.h"

namespace tessel {

// The look of scroll bars.
class TvxDataSkinScrollBarControl : public TvxDataSkinCustomControl {
public:
    using TvxDataSkinCustomControl::TvxDataSkinCustomControl;
    const char* ClassName() const override { return "TvxDataSkinScrollBarControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinCustomControl::VisitFields(v);
        v.Rect("trackarea", trackarea);
        v.Rect("upbuttonrect", upbuttonrect);
        v.Rect("activeupbuttonrect", activeupbuttonrect);
        v.Rect("downupbuttonrect", downupbuttonrect);
        v.Rect("downbuttonrect", downbuttonrect);
        v.Rect("activedownbuttonrect", activedownbuttonrect);
        v.Rect("downdownbuttonrect", downdownbuttonrect);
        v.Rect("thumbrect", thumbrect);
        v.Rect("activethumbrect", activethumbrect);
        v.Rect("downthumbrect", downthumbrect);
        v.Integer("thumboffset1", thumboffset1, 0);
        v.Integer("thumboffset2", thumboffset2, 0);
        v.Boolean("thumbtransparent", thumbtransparent);
        v.Color("thumbtransparentcolor", thumbtransparentcolor, 0);
        v.Boolean("thumbstretcheffect", thumbstretcheffect);
        v.Integer("thumbminsize", thumbminsize, 0);
        v.Integer("thumbminpagesize", thumbminpagesize, 0);
        v.Rect("glyphrect", glyphrect);
        v.Rect("activeglyphrect", activeglyphrect);
        v.Rect("downglyphrect", downglyphrect);
        v.Boolean("glyphtransparent", glyphtransparent);
        v.Color("glyphtransparentcolor", glyphtransparentcolor, 0);
    }

public:
    TRect trackarea;
    TRect upbuttonrect;
    TRect activeupbuttonrect;
    TRect downupbuttonrect;
    TRect downbuttonrect;
    TRect activedownbuttonrect;
    TRect downdownbuttonrect;
    TRect thumbrect;
    TRect activethumbrect;
    TRect downthumbrect;
    int32_t thumboffset1 = 0;
    int32_t thumboffset2 = 0;
    bool thumbtransparent = false;
    TColor thumbtransparentcolor = 0;
    bool thumbstretcheffect = false;
    int32_t thumbminsize = 0;
    int32_t thumbminpagesize = 0;
    TRect glyphrect;
    TRect activeglyphrect;
    TRect downglyphrect;
    bool glyphtransparent = false;
    TColor glyphtransparentcolor = 0;
};

} // namespace tessel
