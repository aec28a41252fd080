#pragma once

#include "tessel/skin/data/TvxEnumWords.h"
#include "tessel/skin/data/TvxSkinRecord.h"

namespace tessel {

// A frame object record (SKINOBJECTS): its place and looks in the skin pictures.
class TvxDataSkinObject : public TvxSkinRecord {
public:
    using TvxSkinRecord::TvxSkinRecord;
    const char* ClassName() const override { return "TvxDataSkinObject"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxSkinRecord::VisitFields(v);
        v.String("hint", hint, "");
        v.Boolean("rollup", rollup);
        v.Integer("activepictureindex", activepictureindex, -1);
        v.Boolean("skinrectinapicture", skinrectinapicture);
        v.Integer("cursorindex", cursorindex, -1);
        v.Rect("skinrect", skinrect);
        v.Rect("activeskinrect", activeskinrect);
        v.Rect("inactiveskinrect", inactiveskinrect);
        v.Boolean("morphing", morphing);
        v.Enum("morphkind", morphkind, TvxEnumWords::MorphKind());
    }

public:
    std::string hint;
    bool rollup = false;
    int32_t activepictureindex = -1;
    bool skinrectinapicture = false;
    int32_t cursorindex = -1;
    TRect skinrect;
    TRect activeskinrect;
    TRect inactiveskinrect;
    bool morphing = false;
    TvxMorphKind morphkind = mkdefault;
};

} // namespace tessel
