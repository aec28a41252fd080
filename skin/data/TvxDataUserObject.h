#pragma once

#include "tessel/skin/data/TvxDataSkinObject.h"

namespace tessel {

// An object placed by the program: it reads only rollup, skinrect and cursorindex;
// the other base fields keep their construction values.
class TvxDataUserObject : public TvxDataSkinObject {
public:
    using TvxDataSkinObject::TvxDataSkinObject;
    const char* ClassName() const override { return "TvxDataUserObject"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        v.Boolean("rollup", rollup);
        v.Rect("skinrect", skinrect);
        v.Integer("cursorindex", cursorindex, -1);
    }
    // The base fields are kept at their construction values, and listed as such.
    void VisitEveryField(TvxSkinFieldVisitor& v) override { TvxDataSkinObject::VisitFields(v); }
};

} // namespace tessel
