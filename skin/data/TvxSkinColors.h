#pragma once

#include "tessel/skin/data/TvxSkinRecord.h"

namespace tessel {

// The ten colours of a skin (SKINCOLORS). They are 0 at creation; a clear sets the system colours.
class TvxSkinColors : public TvxSkinRecord {
public:
    using TvxSkinRecord::TvxSkinRecord;
    const char* ClassName() const override { return "TvxSkinColors"; }

    void SetSystemColors()
    {
        cbtnface = clBtnFace;
        cbtntext = clBtnText;
        cwindow = clWindow;
        cwindowtext = clWindowText;
        chighlight = clHighlight;
        chighlighttext = clHighlightText;
        cbtnhighlight = clBtnHighlight;
        cbtnshadow = clBtnShadow;
        c3dlight = cl3DLight;
        c3ddkshadow = cl3DDkShadow;
    }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxSkinRecord::VisitFields(v);
        v.Color("cbtnface", cbtnface, 0);
        v.Color("cbtntext", cbtntext, 0);
        v.Color("cwindow", cwindow, 0);
        v.Color("cwindowtext", cwindowtext, 0);
        v.Color("chighlight", chighlight, 0);
        v.Color("chighlighttext", chighlighttext, 0);
        v.Color("cbtnhighlight", cbtnhighlight, 0);
        v.Color("cbtnshadow", cbtnshadow, 0);
        v.Color("c3dlight", c3dlight, 0);
        v.Color("c3ddkshadow", c3ddkshadow, 0);
    }

public:
    TColor cbtnface = 0;
    TColor cbtntext = 0;
    TColor cwindow = 0;
    TColor cwindowtext = 0;
    TColor chighlight = 0;
    TColor chighlighttext = 0;
    TColor cbtnhighlight = 0;
    TColor cbtnshadow = 0;
    TColor c3dlight = 0;
    TColor c3ddkshadow = 0;
};

} // namespace tessel
