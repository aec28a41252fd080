#pragma once

#include "tessel/skin/data/TvxEnumWords.h"
#include "tessel/skin/data/TvxSkinRecord.h"

namespace tessel {

// The frame settings of a skin (FORMINFO), normalised while they are read.
class TvxSkinFormInfo : public TvxSkinRecord {
public:
    TvxSkinFormInfo()
        : TvxSkinRecord("FORMINFO")
    { }
    const char* ClassName() const override { return "TvxSkinFormInfo"; }

    // Reads FORMINFO. With a frame mask the mask area grows to hold the client and
    // hit-test points with a 0 coordinate take their corner point; then, when the
    // corners span an area, they are pulled into the client rectangle. A malformed
    // value raises, keeping what was read before it.
    void Read(const TMemIniFile& ini, bool has_mask);

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        VisitUpToRollUpPoints(v);
        VisitUpToInactiveEffect(v);
        VisitRest(v);
    }

    TPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
    TRect clientrect;
    int32_t bgpictureindex = -1;
    int32_t mdibgpictureindex = -1;
    bool leftstretch = false, rightstretch = false, topstretch = false, bottomstretch = false;
    bool stretcheffect = false;
    TvxStretchType stretchtype = stfull;
    bool mdibgstretcheffect = false;
    TvxStretchType mdibgstretchtype = stfull;
    TRect buttonsrect;
    TRect captionrect;
    int32_t buttonsoffset = 0;
    bool buttonsinleft = false;
    TRect maskrectarea;
    TPoint hittestlefttoppoint, hittestrighttoppoint, hittestleftbottompoint, hittestrightbottompoint;
    TPoint rollupleftpoint, rolluprightpoint;
    TRect mainmenurect;
    TRect iconrect;
    bool mainmenupopupup = false;
    int32_t borderwidth = 0;
    int32_t formminwidth = 0;
    bool mditabstransparent = false;
    bool mainmenubartransparent = false;
    int32_t cursorindex = -1;
    bool autorenderinginactiveimage = false;
    TvxInactiveEffect inactiveeffect = iebrightness;
    TRect sizegriparea;
    std::string statusbarname;

private:
    void VisitUpToRollUpPoints(TvxSkinFieldVisitor& v);
    void VisitUpToInactiveEffect(TvxSkinFieldVisitor& v);
    void VisitRest(TvxSkinFieldVisitor& v);
    void NormaliseMaskArea();
    void PullCornersIntoClient();
};

} // namespace tessel
