#include "tessel/skin/form/objects/TvxSkinFrameGaugeObject.h"

#include "tessel/skin/data/TvxDataSkinFrameGaugeObject.h"

namespace tessel {

TvxSkinFrameGaugeObject::TvxSkinFrameGaugeObject(
    TvxFrameObjectHost& host, const TvxDataSkinFrameGaugeObject& r)
    : TvxSkinFrameObject(host, r, r.minvalue, r.maxvalue, r.countframes, r.framesplacement)
{ }

} // namespace tessel
