#pragma once

#include "tessel/skin/form/objects/TvxActiveSkinObject.h"

namespace tessel {

class TvxDataUserObject;

// An object the program paints itself: drawing raises OnPaintEvent with the canvas
// and the object's rectangle.
class TvxUserObject : public TvxActiveSkinObject {
public:
    TvxUserObject(TvxFrameObjectHost& host, const TvxDataUserObject& record);
    void Draw(TCanvas& canvas, bool update) override;
};

} // namespace tessel
