#pragma once

#include "tessel/skin/form/objects/TvxActiveSkinObject.h"

namespace tessel {

// An object that shows one of a row (or column) of frames cut from its active image:
// the frame its value falls in.
class TvxSkinFrameObject : public TvxActiveSkinObject {
public:
    TvxSkinFrameObject(TvxFrameObjectHost& host, const TvxDataSkinObject& record, int min, int max, int count,
        TvxFramesPlacement placement);

    void Draw(TCanvas& canvas, bool update) override;

    int Value() const { return m_value; }
    // The value moves inside the range; a changed one redraws the object.
    void SetValue(int value);
    int MinValue() const { return m_min; }
    int MaxValue() const { return m_max; }
    // The frame the value shows, from 1.
    int CurrentFrame() const;
    int FrameWidth() const { return m_frame_width; }
    int FrameHeight() const { return m_frame_height; }

protected:
    int m_min = 0, m_max = 0, m_count = 0;
    TvxFramesPlacement m_placement = fphorizontal;
    int m_frame_width = 0, m_frame_height = 0;
    int m_value = 0;
};

} // namespace tessel
