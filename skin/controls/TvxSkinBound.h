#pragma once

#include "tessel/skin/data/TvxSkinData.h"

namespace tessel {

// What the form's controller asks of every skinned control, windowed or not, around
// a skin change: forget the record before the store replaces its records, take the
// new one after.
class TvxSkinBound {
public:
    virtual ~TvxSkinBound() = default;
    virtual TvxSkinData* SkinData() const = 0;
    virtual void BeforeChangeSkinData() = 0;
    virtual void ChangeSkinData() = 0;
};

} // namespace tessel
