#pragma once

#include "tessel/skin/form/objects/TvxActiveSkinObject.h"

namespace tessel {

class TvxDataSkinGauge;

// A gauge: the part of its length its value reaches shows the active image, the rest
// the normal one (left to right, or bottom to top for a vertical gauge).
class TvxSkinGaugeObject : public TvxActiveSkinObject {
public:
    TvxSkinGaugeObject(TvxFrameObjectHost& host, const TvxDataSkinGauge& record);

    void Draw(TCanvas& canvas, bool update) override;
    void MouseEnter() override;
    void MouseLeave() override;

    int Value() const { return m_value; }
    // Values outside the gauge's range are taken at its ends.
    void SetValue(int value);
    // The columns (horizontal) or rows from the top (vertical) the value gives.
    int Progress() const;

private:
    int m_min = 0, m_max = 0;
    bool m_vertical = false;
    int m_value = 0;
};

} // namespace tessel
