#pragma once

#include "tessel/skin/form/objects/TvxSkinFrameObject.h"

namespace tessel {

class TvxDataSkinFrameGaugeObject;

// A gauge drawn as the frame of its value; the program sets the value.
class TvxSkinFrameGaugeObject : public TvxSkinFrameObject {
public:
    TvxSkinFrameGaugeObject(TvxFrameObjectHost& host, const TvxDataSkinFrameGaugeObject& record);
};

} // namespace tessel
