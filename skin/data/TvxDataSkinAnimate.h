#pragma once

#include "tessel/skin/data/TvxDataSkinObject.h"
#include "tessel/skin/data/TvxEnumWords.h"

namespace tessel {

// An animated frame object, optionally acting as a caption button.
class TvxDataSkinAnimate : public TvxDataSkinObject {
public:
    using TvxDataSkinObject::TvxDataSkinObject;
    const char* ClassName() const override { return "TvxDataSkinAnimate"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinObject::VisitFields(v);
        v.Integer("countframes", countframes, 1);
        v.Boolean("cycle", cycle);
        v.Boolean("buttonstyle", buttonstyle);
        v.Integer("timerinterval", timerinterval, 50);
        v.Enum("command", command, TvxEnumWords::FrameCommand());
        v.Rect("downskinrect", downskinrect);
        v.Rect("restorerect", restorerect);
        v.Rect("restoreactiverect", restoreactiverect);
        v.Rect("restoredownrect", restoredownrect);
        v.Rect("restoreinactiverect", restoreinactiverect);
    }

protected:
    void AfterRead() override
    {
        TvxDataSkinObject::AfterRead();
        morphing = false;
    }

public:
    int32_t countframes = 1;
    bool cycle = false;
    bool buttonstyle = false;
    int32_t timerinterval = 50;
    TvxFrameCommand command = cmdefault;
    TRect downskinrect;
    TRect restorerect;
    TRect restoreactiverect;
    TRect restoredownrect;
    TRect restoreinactiverect;
};

} // namespace tessel
