#pragma once

#include "tessel/skin/data/TvxSkinRecord.h"

namespace tessel {

// A control look record (SKINCONTROLS): which active picture the looks are cut from and where.
class TvxDataSkinControl : public TvxSkinRecord {
public:
    using TvxSkinRecord::TvxSkinRecord;
    const char* ClassName() const override { return "TvxDataSkinControl"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxSkinRecord::VisitFields(v);
        v.Integer("pictureindex", pictureindex, -1);
        v.Integer("maskpictureindex", maskpictureindex, -1);
        v.Integer("cursorindex", cursorindex, -1);
        v.Rect("skinrect", skinrect);
    }

public:
    int32_t pictureindex = -1;
    int32_t maskpictureindex = -1;
    int32_t cursorindex = -1;
    TRect skinrect;
};

} // namespace tessel
