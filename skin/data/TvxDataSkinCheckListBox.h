#pragma once

#include "tessel/skin/data/TvxDataSkinListBox.h"

namespace tessel {

// The look of check list boxes.
class TvxDataSkinCheckListBox : public TvxDataSkinListBox {
public:
    using TvxDataSkinListBox::TvxDataSkinListBox;
    const char* ClassName() const override { return "TvxDataSkinCheckListBox"; }

    void VisitFields(TvxSkinFieldVisitor& v) override
    {
        TvxDataSkinListBox::VisitFields(v);
        v.Rect("checkimagerect", checkimagerect);
        v.Rect("itemcheckrect", itemcheckrect);
        v.Rect("uncheckimagerect", uncheckimagerect);
    }

public:
    TRect checkimagerect;
    TRect itemcheckrect;
    TRect uncheckimagerect;
};

} // namespace tessel
