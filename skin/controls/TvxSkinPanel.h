#pragma once

#include "skin/controls/TvxSkinCustomControl.h"

namespace tessel {

enum TvxSkinBorderStyle { bvFrame = 0, bvRaised = 1, bvLowered = 2, bvNone = 3 };
enum TvxImagePosition { vxipDefault = 0, vxipLeft = 1 };

// The skinned container, by default bound to the skin's "panel" record. Its
// default look: a button-face fill inside the border the BorderStyle names, and,
// in caption mode, a caption bar of DefaultCaptionHeight; its children are laid out
// inside the border (and below the bar).
class TvxSkinPanel : public TvxSkinCustomControl {
public:
    explicit TvxSkinPanel(TComponent* owner = nullptr);

    TvxSkinBorderStyle BorderStyle() const { return m_border_style; }
    void SetBorderStyle(TvxSkinBorderStyle style);
    int DefaultCaptionHeight() const { return m_default_caption_height; }
    void SetDefaultCaptionHeight(int height);
    bool CaptionMode() const { return m_caption_mode; }
    void SetCaptionMode(bool caption_mode);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing);
    TvxImagePosition ImagePosition() const { return m_image_position; }
    void SetImagePosition(TvxImagePosition position);
    bool RollUpMode() const { return m_roll_up_mode; }
    void SetRollUpMode(bool roll_up_mode) { m_roll_up_mode = roll_up_mode; }

    void AdjustClientRect(TRect& rect) const override;

protected:
    void CreateDefaultImage(TBitmap& image) override;

private:
    void LayoutChanged();

    TvxSkinBorderStyle m_border_style = bvFrame;
    int m_default_caption_height = 22;
    bool m_caption_mode = false;
    int m_spacing = 2;
    TvxImagePosition m_image_position = vxipDefault;
    bool m_roll_up_mode = false;
};

} // namespace tessel
