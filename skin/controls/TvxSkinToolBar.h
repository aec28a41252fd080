#pragma once

#include "skin/controls/TvxSkinPanel.h"

namespace tessel {

// The skinned tool bar, by default bound to the skin's "toolpanel" record: a panel
// without a border that keeps its children centred vertically when AdjustControls
// is on.
class TvxSkinToolBar : public TvxSkinPanel {
public:
    explicit TvxSkinToolBar(TComponent* owner = nullptr);

    bool AdjustControls() const { return m_adjust_controls; }
    void SetAdjustControls(bool adjust);
    bool ShowCaptions() const { return m_show_captions; }
    void SetShowCaptions(bool show) { m_show_captions = show; }

protected:
    void AlignControls(TControl* control, TRect& rect) override;

private:
    bool m_adjust_controls = true;
    bool m_show_captions = false;
};

} // namespace tessel
